#pragma once

// Japanese texts the dialog writes into fields and message boxes, as the CP932 bytes that
// field texts are made of.
namespace tallaro::cp932 {

// "秒"
inline constexpr char seconds[] = "\x95\x62";
// "0.001秒以下"
inline constexpr char underOneMillisecond[] = "0.001\x95\x62\x88\xc8\x89\xba";
// "メモリが不足しています。"
inline constexpr char outOfMemory[] =
    "\x83\x81\x83\x82\x83\x8a\x82\xaa\x95\x73\x91\xab\x82\xb5\x82\xc4\x82\xa2\x82\xdc\x82\xb7\x81\x42";

// Why an answer is empty, in pieces: "(A)" or "(B)" goes in front of each sentence but the
// operator's, and a refused character goes between characterBefore and characterAfter, in
// quotes, or named when it cannot be seen.
// "が空です。"
inline constexpr char isEmpty[] = "\x82\xaa\x8b\xf3\x82\xc5\x82\xb7\x81\x42";
// "に数に使えない文字"
inline constexpr char characterBefore[] =
    "\x82\xc9\x90\x94\x82\xc9\x8eg\x82\xa6\x82\xc8\x82\xa2\x95\xb6\x8e\x9a";
// "があります。"
inline constexpr char characterAfter[] = "\x82\xaa\x82\xa0\x82\xe8\x82\xdc\x82\xb7\x81\x42";
// "に小数点が二つ以上あります。"
inline constexpr char secondPoint[] = "\x82\xc9\x8f\xac\x90\x94\x93_\x82\xaa\x93\xf1\x82\xc2\x88"
                                      "\xc8\x8f\xe3\x82\xa0\x82\xe8\x82\xdc\x82\xb7\x81\x42";
// "に数字がありません。"
inline constexpr char noDigit[] =
    "\x82\xc9\x90\x94\x8e\x9a\x82\xaa\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81\x42";
// "が0です。0では割れません。"
inline constexpr char zeroDivisor[] = "\x82\xaa\x30\x82\xc5\x82\xb7\x81\x42\x30\x82\xc5\x82\xcd"
                                      "\x8a\x84\x82\xea\x82\xdc\x82\xb9\x82\xf1\x81\x42";
// "が0です。0の割り算は答えを出しません。"
inline constexpr char zeroDividend[] =
    "\x82\xaa\x30\x82\xc5\x82\xb7\x81\x42\x30\x82\xcc\x8a\x84\x82\xe8\x8eZ\x82\xcd\x93\x9a\x82"
    "\xa6\x82\xf0\x8fo\x82\xb5\x82\xdc\x82\xb9\x82\xf1\x81\x42";
// "演算子が＋－×÷のどれでもありません。"
inline constexpr char unknownOperator[] =
    "\x89\x89\x8eZ\x8eq\x82\xaa\x81{\x81|\x81~\x81\x80\x82\xcc\x82\xc7\x82\xea\x82\xc5\x82\xe0"
    "\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81\x42";
// "「" and "」"
inline constexpr char openQuote[] = "\x81u";
inline constexpr char closeQuote[] = "\x81v";
// "（改行）", "（タブ）", "（全角の空白）"
inline constexpr char lineBreak[] = "\x81i\x89\xfc\x8ds\x81j";
inline constexpr char tab[] = "\x81i\x83^\x83u\x81j";
inline constexpr char ideographicSpace[] = "\x81i\x91S\x8ap\x82\xcc\x8b\xf3\x94\x92\x81j";
// "（制御文字 0x" and "）", around the character's code in hexadecimal
inline constexpr char controlCharacter[] = "\x81i\x90\xa7\x8c\xe4\x95\xb6\x8e\x9a 0x";
inline constexpr char closeParenthesis[] = "\x81j";

} // namespace tallaro::cp932

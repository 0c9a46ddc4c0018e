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

} // namespace tallaro::cp932

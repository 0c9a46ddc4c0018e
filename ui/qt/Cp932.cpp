// Numbers are nearly always plain ASCII, and answers run to millions of characters, so ASCII
// text takes a direct path; anything else goes through ICU's CP932 ("windows-31j") converter.
#include "Cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <optional>

namespace tallaro::qt {
namespace {

constexpr const char *codecName = "windows-31j";

// Every character is looked at, without stopping early, so that the loop runs vectorised.
bool isAscii(QStringView text) {
    char16_t all = 0;
    for (const QChar c : text)
        all |= c.unicode();
    return all < 0x80;
}

// The converter marks a character it cannot encode with its own substitute bytes and stays
// in error from then on, so a text that failed is converted again one character (one code
// point) at a time, with a fresh converter after each character that has no CP932 form.
std::string encodeEachCharacter(QStringView text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()) * 2);
    // Built in place: the converter's error reports point at the object they were made for.
    std::optional<QStringEncoder> encoder(std::in_place, codecName);
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QByteArray one = encoder->encode(text.mid(i, length));
        if (encoder->hasError()) {
            bytes += '?';
            encoder.emplace(codecName);
        } else {
            bytes.append(one.constData(), static_cast<std::size_t>(one.size()));
        }
        i += length;
    }
    return bytes;
}

} // namespace

bool isAscii(std::string_view bytes) {
    unsigned char all = 0;
    for (const char c : bytes)
        all |= static_cast<unsigned char>(c);
    return all < 0x80;
}

std::string toCp932(QStringView text) {
    if (isAscii(text)) {
        std::string bytes(static_cast<std::size_t>(text.size()), '\0');
        std::transform(text.begin(), text.end(), bytes.begin(),
                       [](QChar c) { return static_cast<char>(c.unicode()); });
        return bytes;
    }
    QStringEncoder encoder(codecName);
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return encodeEachCharacter(text);
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

QString fromCp932(std::string_view bytes) {
    if (isAscii(bytes))
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QStringDecoder decoder(codecName);
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

} // namespace tallaro::qt

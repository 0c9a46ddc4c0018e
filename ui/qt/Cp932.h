#pragma once

#include <QString>
#include <QStringView>

#include <string>
#include <string_view>

namespace tallaro::qt {

// Field texts are CP932 (Shift_JIS as Windows has it) bytes below the window; Qt holds Unicode.
// A character CP932 cannot hold becomes "?", as the system's own conversion does.
std::string toCp932(QStringView text);
bool isAscii(std::string_view bytes);
QString fromCp932(std::string_view bytes);

} // namespace tallaro::qt

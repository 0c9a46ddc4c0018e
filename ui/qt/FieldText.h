#pragma once

#include <string>

class QWidget;

namespace tallaro::qt {

// The text a control shows, whatever its kind, as the CP932 bytes field texts cross the
// Platform in. Line breaks of a multi-line field read as "\r\n", so that byte counts come out
// as the user's platform counts them. ASCII, nearly every number, takes no conversion at all.
std::string controlText(QWidget &control);
// Replaces it; "\r\n" and "\n" both break a line of a multi-line field.
void setControlText(QWidget &control, std::string text);

} // namespace tallaro::qt

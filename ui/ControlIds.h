#pragma once

// Control and command ids of the main dialog and the application, as in the dialog template.
namespace tallaro::ids {

constexpr int ok = 1;     // hidden default button; the dialog's first child
constexpr int cancel = 2; // hidden
constexpr int operandA = 1000;
constexpr int operandB = 1001;
constexpr int answer = 1002;
constexpr int addButton = 1003;
constexpr int subtractButton = 1004;
constexpr int multiplyButton = 1005;
constexpr int divideButton = 1006;
constexpr int integerDigits = 1007;
constexpr int fractionDigits = 1008;
constexpr int elapsedTime = 1009;
constexpr int repetendHead = 1010;
constexpr int repetendTail = 1011;
constexpr int precision = 1012;
constexpr int lengthA = 1014;
constexpr int lengthB = 1015;
constexpr int findRepetend = 1016; // check box
constexpr int copyButton = 1017;
constexpr int helpBitmap = 1018;

constexpr int aboutString = 101;      // string resource: the system-menu entry
constexpr unsigned aboutBox = 0x0010; // system command of that entry
constexpr unsigned help = 0xE146;     // the help command (F1)

} // namespace tallaro::ids

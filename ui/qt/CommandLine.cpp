#include "CommandLine.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace tallaro::qt {
namespace {

const char *const usageText =
    "usage: tallaro [--help] [--version] [Qt options]\n"
    "  Opens the calculator window: exact addition, subtraction, multiplication and division\n"
    "  of decimal numbers of any length. F1 in the window opens the help; tallaro-calc runs\n"
    "  the same engine from the command line.\n"
    "  --help       print this text\n"
    "  --version    print the program's name and version\n"
    "  Qt's own options, such as -platform wayland or -style fusion, are passed to Qt.\n";

const char *const versionText = "tallaro " TALLARO_VERSION "\n";

} // namespace

std::optional<int> answerInformationOptions(int argc, const char *const argv[]) {
    const char *text = nullptr;
    for (int i = 1; i < argc && text != usageText; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h")
            text = usageText;
        else if (arg == "--version")
            text = versionText;
    }
    if (!text)
        return std::nullopt;
    // A text that never arrived (a full disk) must not pass for success.
    if (std::fputs(text, stdout) >= 0 && std::fclose(stdout) == 0)
        return 0;
    std::fprintf(stderr, "tallaro: cannot write standard output: %s\n", std::strerror(errno));
    return 1;
}

} // namespace tallaro::qt

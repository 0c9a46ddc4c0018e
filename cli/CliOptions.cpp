#include "CliOptions.h"

#include <charconv>
#include <string_view>

namespace tallaro::cli {

const char *const usageText =
    "usage: tallaro-calc [--digits N] [--repetend] [--layout] [--quiet] [--] [A OP B]\n"
    "  With A OP B, prints one answer; without, reads lines A<TAB>OP<TAB>B from standard\n"
    "  input and prints one answer per line. OP is +, -, * or /.\n"
    "  --digits N   fraction digits of a division (default 1000); also --digits=N\n"
    "  --repetend   find the repeating block of a quotient: prints answer<TAB>head<TAB>tail\n"
    "  --layout     print the answer laid out as in the calculator window\n"
    "  --quiet      an empty answer line only, without its reason on standard error\n"
    "  --help       print this text\n"
    "  --version    print the program's name and version\n";

namespace {

bool parseInt(const std::string &text, int &value) {
    const char *end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && !text.empty();
}

} // namespace

std::optional<CliOptions> parseOptions(const std::vector<std::string> &args, std::string &error) {
    CliOptions options;
    std::size_t i = 0;
    for (; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (arg == "--") {
            ++i;
            break;
        }
        if (arg.size() < 2 || arg[0] != '-')
            break; // the first operand; "-" alone is an operator or operand, not an option
        if (arg == "--repetend") {
            options.repetend = true;
        } else if (arg == "--layout") {
            options.layout = true;
        } else if (arg == "--quiet") {
            options.quiet = true;
        } else if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "--digits" || arg.starts_with("--digits=")) {
            // The value is the rest of "--digits=N", or else the next argument.
            const std::string_view joined = "--digits=";
            std::string value;
            if (arg.size() >= joined.size())
                value = arg.substr(joined.size());
            else if (++i < args.size())
                value = args[i];
            if (!parseInt(value, options.fractionDigits)) {
                error = "--digits needs a whole number";
                return std::nullopt;
            }
        } else {
            error = "unknown option '" + arg + "'";
            return std::nullopt;
        }
    }
    options.operands.assign(args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
    if (!options.operands.empty() && options.operands.size() != 3) {
        error = "expected A OP B (three operands), got " + std::to_string(options.operands.size());
        return std::nullopt;
    }
    return options;
}

} // namespace tallaro::cli

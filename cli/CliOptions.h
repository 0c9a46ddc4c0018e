#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tallaro::cli {

struct CliOptions {
    int fractionDigits = 1000;
    bool repetend = false;
    bool layout = false;
    bool help = false;
    bool version = false;
    bool quiet = false;                // no reason on standard error for an empty answer
    std::vector<std::string> operands; // empty, or exactly A OP B
};

// Parses the command line; on a mistake returns nothing and sets error to a one-line message.
std::optional<CliOptions> parseOptions(const std::vector<std::string> &args, std::string &error);

extern const char *const usageText;

} // namespace tallaro::cli

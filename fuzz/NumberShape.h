#pragma once

#include <string_view>

// What every answer of the engine must look like: the empty text, or an optional "-"
// followed by digits with at most one "." that does not come first.
inline bool isWellFormedAnswer(std::string_view answer) {
    if (answer.empty())
        return true;
    if (answer.front() == '-')
        answer.remove_prefix(1);
    if (answer.empty() || answer.front() < '0' || answer.front() > '9')
        return false;
    int points = 0;
    for (char c : answer) {
        if (c == '.')
            ++points;
        else if (c < '0' || c > '9')
            return false;
    }
    return points <= 1;
}

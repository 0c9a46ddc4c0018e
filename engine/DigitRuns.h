#pragma once

#include <string_view>

// Additions on runs of digits (ASCII, most significant first) that write straight into a
// text, for sums that are laid out as they are added instead of aligned first.
namespace tallaro::digits {

// out = x + y + carry, over runs of equal length, from the right; returns the carry out of the
// first place. out has x.size() characters and is apart from both runs.
unsigned addRuns(std::string_view x, std::string_view y, char *out, unsigned carry);

// out = x + carry: x copied, and the carry taken in from the right through its nines.
unsigned addCarry(std::string_view x, char *out, unsigned carry);

// Whether x + y, with x and y aligned at their first places, carries out of the first place
// whatever comes in from the right: 1 when it does, -1 when it does not, 0 when every place
// adds up to nine and the carry from the right decides. An empty y stands for zeros.
int carryOut(std::string_view x, std::string_view y);

} // namespace tallaro::digits

// gmp_calc: GMP as a contender in the comparison. Reads lines A<TAB>OP<TAB>B, as tallaro-calc
// does, and prints one answer a line; a quotient is truncated to --digits N places (1000).
// --version prints GMP's version.
#include "GmpCalc.h"

#include <cstdlib>
#include <iostream>
#include <string>

int main(int argc, char **argv) {
    int places = 1000;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--version") {
            std::cout << gmp_version << '\n';
            return 0;
        }
        if (std::string(argv[i]) == "--digits" && i + 1 < argc)
            places = std::atoi(argv[i + 1]);
    }
    std::ios::sync_with_stdio(false);
    std::string a, op, b;
    while (std::getline(std::cin, a, '\t') && std::getline(std::cin, op, '\t') &&
           std::getline(std::cin, b)) {
        std::cout << tallaro::compare::gmpCalculate(a, op.empty() ? '?' : op[0], b, places) << '\n';
    }
    return std::cout.good() ? 0 : 1;
}

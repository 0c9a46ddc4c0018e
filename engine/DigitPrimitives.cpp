// Comparison, addition and subtraction of equal-length digit strings. Digits are worked
// with through their character codes ("0" is 48), and each primitive makes one pass.
#include "DecimalEngine.h"

namespace tallaro {

int DecimalEngine::compareDigits(std::string_view x, std::string_view y) {
    for (std::size_t i = 0; i < x.size(); ++i) {
        if (x[i] != y[i])
            return x[i] > y[i] ? 1 : 2;
    }
    return 1;
}

// The result is written from the right into a buffer one digit longer than the operands,
// so that no character is ever put in front of a growing text.
std::string DecimalEngine::addDigits(std::string_view x, std::string_view y) {
    const std::size_t n = x.size();
    std::string result(n + 1, '1');
    int carry = 0;
    for (std::size_t i = n; i-- > 0;) {
        // Branch-free: random digits would make a carry branch unpredictable.
        const int s = x[i] + y[i] + carry - 96;
        carry = static_cast<int>(s >= 10);
        result[i + 1] = static_cast<char>(s - 10 * carry + 48);
    }
    if (carry == 0)
        result.erase(0, 1);
    return result;
}

std::string DecimalEngine::subtractDigits(std::string_view x, std::string_view y, int direction) {
    const std::string_view minuend = direction == 1 ? x : y;
    const std::string_view subtrahend = direction == 1 ? y : x;
    const std::size_t n = x.size();
    std::string result(n, '0');
    int borrow = 0;
    for (std::size_t i = n; i-- > 0;) {
        const int d = (minuend[i] - 48) - (subtrahend[i] - 48) - borrow;
        borrow = static_cast<int>(d < 0);
        result[i] = static_cast<char>(d + 10 * borrow + 48);
    }
    return result;
}

} // namespace tallaro

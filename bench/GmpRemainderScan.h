#pragma once
// The repetend search the engine does, on GMP's integers, for the comparisons: the quotient
// digits of a / b one remainder at a time, stopping at a zero remainder or at one seen before.
#include <gmpxx.h>

#include <string>
#include <vector>

// One remainder per place from the first, as the engine's search looks them up: the first
// hundred kept, each later one checked against them by its lowest limb, then in full.
inline std::string gmpRemainderScan(const std::string &a, const std::string &b, int places) {
    const mpz_class d(b, 10);
    mpz_class r(a, 10), digit;
    std::string digits = mpz_class(r / d).get_str(10) + ".";
    r %= d;
    std::vector<mpz_class> kept;
    std::vector<mp_limb_t> keys;
    for (int place = 1; place <= places && r != 0; ++place) {
        r *= 10;
        mpz_tdiv_qr(digit.get_mpz_t(), r.get_mpz_t(), r.get_mpz_t(), d.get_mpz_t());
        digits += static_cast<char>('0' + digit.get_ui());
        const mp_limb_t key = mpz_getlimbn(r.get_mpz_t(), 0);
        for (std::size_t i = 0; i < keys.size(); ++i)
            if (keys[i] == key && kept[i] == r)
                return digits;
        if (place < 100)
            kept.push_back(r), keys.push_back(key);
    }
    return digits;
}

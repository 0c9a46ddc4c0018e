// Sums and differences of limbs, four at a time where no carry runs from one limb to the
// next. A carry or borrow chained limb by limb costs a dependent step per limb; here each
// limb's own sum or difference is brought back into [0, base) first, and what it passes up
// is then taken by the limb above in the same vector. Only a limb that lands on base - 1
// (a sum) or on 0 (a difference) and takes a carry passes it on further; such a group of
// four, which runs of nines or zeros give, goes limb by limb.
#include "LimbNumber.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <cstring>

namespace tallaro {

namespace {

// Four limbs in one vector register; GCC and Clang give these on every target (on x86-64 as
// SSE2, which every such processor has).
typedef Limb LimbVector __attribute__((vector_size(16)));
constexpr std::size_t kLanes = sizeof(LimbVector) / sizeof(Limb);

LimbVector load(const Limb *limbs) {
    LimbVector v;
    std::memcpy(&v, limbs, sizeof v);
    return v;
}

// The lanes moved up by one, `bottom` coming into the lowest. The carry taken in is kept out of
// the sums and differences themselves, so that what a group passes up does not wait on what
// it took in.
LimbVector shiftedUp(LimbVector v, Limb bottom) {
    const LimbVector zero = {0, 0, 0, 0}, low = {bottom, 0, 0, 0};
    return __builtin_shufflevector(zero, v, 0, 4, 5, 6) + low;
}

// Whether some lane is base or more: there a carry taken in has made the limb overflow.
bool anyOverflow(LimbVector v) {
    const auto overflow = v >= kLimbBase; // lanes of all ones or zero
    std::uint64_t halves[2];
    std::memcpy(halves, &overflow, sizeof halves);
    return (halves[0] | halves[1]) != 0;
}

// limbs[0..4) += addend[0..4) + carry, unless a carry would run through a lane; false then,
// with limbs untouched.
bool addFour(Limb *limbs, const Limb *addend, Limb &carry) {
    const LimbVector over = load(limbs) + load(addend) - kLimbBase; // in [-base, base)
    const LimbVector below = over >> 31;                            // 1 where no carry out
    const LimbVector sum = over + (kLimbBase & -below) + shiftedUp(1 - below, carry);
    if (anyOverflow(sum))
        return false;
    std::memcpy(limbs, &sum, sizeof sum);
    carry = 1 - below[kLanes - 1];
    return true;
}

// limbs[0..4) -= subtrahend[0..4) + borrow, likewise.
bool subtractFour(Limb *limbs, const Limb *subtrahend, Limb &borrow) {
    const LimbVector difference = load(limbs) - load(subtrahend); // in [-base, base)
    const LimbVector under = difference >> 31;                    // 1 where it fell below
    const LimbVector result = difference + (kLimbBase & -under) - shiftedUp(under, borrow);
    if (anyOverflow(result)) // 0 - 1 wraps round to 2^32 - 1
        return false;
    std::memcpy(limbs, &result, sizeof result);
    borrow = under[kLanes - 1];
    return true;
}

} // namespace

Limb addLimbsWithCarry(std::span<Limb> sum, std::span<const Limb> addend, std::size_t offset) {
    assert(offset + addend.size() <= sum.size());
    Limb carry = 0;
    Limb *const at = sum.data() + offset;
    for (std::size_t i = 0; i < addend.size();) {
        for (; i + kLanes <= addend.size() && addFour(at + i, addend.data() + i, carry);)
            i += kLanes;
        for (const std::size_t end = std::min(i + kLanes, addend.size()); i < end; ++i) {
            // The sign of s - base, which lies in [-base, base), is the carry's complement.
            const Limb over = at[i] + addend[i] + carry - kLimbBase;
            carry = 1 - (over >> 31);
            at[i] = over + (kLimbBase & (carry - 1));
        }
    }
    for (std::size_t i = offset + addend.size(); carry != 0 && i < sum.size(); ++i) {
        const Limb s = sum[i] + 1;
        carry = s == kLimbBase ? 1 : 0;
        sum[i] = s - carry * kLimbBase;
    }
    return carry;
}

void addLimbsAt(std::span<Limb> sum, std::span<const Limb> addend, std::size_t offset) {
    [[maybe_unused]] const Limb carry = addLimbsWithCarry(sum, addend, offset);
    assert(carry == 0);
}

Limb subtractLimbsWithBorrow(std::span<Limb> value, std::span<const Limb> subtrahend) {
    assert(subtrahend.size() <= value.size());
    Limb borrow = 0;
    for (std::size_t i = 0; i < subtrahend.size();) {
        for (; i + kLanes <= subtrahend.size() &&
               subtractFour(value.data() + i, subtrahend.data() + i, borrow);)
            i += kLanes;
        for (const std::size_t end = std::min(i + kLanes, subtrahend.size()); i < end; ++i) {
            // The difference lies in [-base, base); its sign bit is the borrow.
            const Limb d = value[i] - subtrahend[i] - borrow;
            borrow = d >> 31;
            value[i] = d + (kLimbBase & (0 - borrow));
        }
    }
    for (std::size_t i = subtrahend.size(); borrow != 0 && i < value.size(); ++i) {
        borrow = value[i] == 0 ? 1 : 0;
        value[i] = value[i] + borrow * kLimbBase - 1;
    }
    return borrow;
}

void subtractLimbs(std::span<Limb> value, std::span<const Limb> subtrahend) {
    [[maybe_unused]] const Limb borrow = subtractLimbsWithBorrow(value, subtrahend);
    assert(borrow == 0);
}

} // namespace tallaro

#pragma once

// Long quotients on limbs instead of the digit loop, with the same answer text and the same
// working members the loop leaves behind.
namespace tallaro {

class DecimalEngine;

// Finishes the division that `engine` has prepared (its scaled operands m_dividendDigits
// and m_divisorDigits with their lengths, m_fractionDigits, m_findRepetend, and the reset
// counters): writes m_quotient without the sign, the loop's counters and, with detection
// on, the remainder history and the repetend places. Returns false and changes nothing
// where the digit loop stays the way: when the precision ends inside the zero places in
// front of a dividend shorter than the divisor, and, with `bySize`, when the division is
// small enough for the loop to be quicker.
bool divideOnLimbs(DecimalEngine &engine, bool bySize);

} // namespace tallaro

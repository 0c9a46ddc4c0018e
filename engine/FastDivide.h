#pragma once

// Long quotients on limbs instead of the digit loop, with the same answer text, fraction
// place and repetend places as the loop gives.
namespace tallaro {

class DecimalEngine;

// Finishes the division that `engine` has prepared (its scaled operands m_dividendDigits
// and m_divisorDigits with their lengths, m_fractionDigits, m_findRepetend): writes
// m_quotient, with "-" in front when `negative`, and m_fractionPlace, and, with detection
// on, m_repetendHead and m_repetendTail when a repetend is found. The digit loop's own
// counters and history are left as they are. Returns false and changes nothing where the
// digit loop stays the way: when the precision ends inside the zero places in front of a
// dividend shorter than the divisor, and, with `bySize`, when the division is small enough
// for the loop to be quicker.
bool divideOnLimbs(DecimalEngine &engine, bool bySize, bool negative);

} // namespace tallaro

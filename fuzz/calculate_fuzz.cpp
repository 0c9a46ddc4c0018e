// Arbitrary bytes as A, the operator and B, with a small fraction-digit limit and repetend
// detection on or off: the answer must be empty or a well-formed number, empty exactly when
// a reason for it is named, and the repetend places, when found, must lie inside the
// quotient's fraction.
#include "DecimalEngine.h"
#include "EmptyAnswerReason.h"
#include "NumberShape.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    tallaro::DecimalEngine engine;
    engine.m_fractionDigits = input.ConsumeIntegralInRange(-2, 40);
    engine.m_findRepetend = input.ConsumeBool() ? 1 : 0;
    const std::string op = input.ConsumeBool() ? input.PickValueInArray({"+", "-", "*", "/"})
                                               : input.ConsumeRandomLengthString(3);
    std::string a = input.ConsumeRandomLengthString();
    std::string b = input.ConsumeRemainingBytesAsString();

    const std::string answer = engine.calculate(a, op, b);
    if (!isWellFormedAnswer(answer))
        std::abort();
    const bool named =
        tallaro::emptyAnswerReason(a, op, b).kind != tallaro::EmptyAnswerReason::Kind::None;
    if (named != answer.empty())
        std::abort();
    if (engine.m_repetendTail != 0) {
        const std::size_t point = answer.find('.');
        const std::size_t fraction = point == std::string::npos ? 0 : answer.size() - point - 1;
        if (op != "/" || engine.m_repetendHead < 1 || engine.m_repetendHead > engine.m_repetendTail ||
            static_cast<std::size_t>(engine.m_repetendTail) > fraction)
            std::abort();
    }
    return 0;
}

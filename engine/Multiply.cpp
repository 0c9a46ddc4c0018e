#include "DecimalEngine.h"

namespace tallaro {

DecimalString DecimalEngine::multiply(DecimalString, DecimalString) { return {}; }

} // namespace tallaro

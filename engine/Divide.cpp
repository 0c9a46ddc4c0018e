#include "DecimalEngine.h"

namespace tallaro {

DecimalString DecimalEngine::divide(DecimalString, DecimalString) { return {}; }

} // namespace tallaro

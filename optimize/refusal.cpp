#include "optimize/refusal.h"

#include "optimize/texts.h"

namespace bithydraulics::optimize {

OptimizationRefused::OptimizationRefused(const Refusal& refusal)
    : refusal_(refusal), message_(describeRefusal(refusal, Language::English)) {}

}  // namespace bithydraulics::optimize

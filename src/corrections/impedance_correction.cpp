#include "corrections/impedance_correction.h"

namespace larkspan {

void CalcImpIncAtt(Design& /*d*/)
{
    // Filled in with the correction formulas.
}

}  // namespace larkspan

#include "ui/result_text.h"

#include "ui/errors.h"

#include <cfenv>
#include <cmath>

namespace tw {

void clearFloatFaults()
{
    std::feclearexcept(FE_ALL_EXCEPT);
}

void checkFloatFaults(double value)
{
    const int raised = std::fetestexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID);
    if (raised & FE_DIVBYZERO)
        throw FloatError(QStringLiteral("Floating point division by zero"));
    if (raised & FE_INVALID || std::isnan(value))
        throw FloatError(QStringLiteral("Invalid floating point operation"));
    if (raised & FE_OVERFLOW || std::isinf(value))
        throw FloatError(QStringLiteral("Floating point overflow"));
}

} // namespace tw

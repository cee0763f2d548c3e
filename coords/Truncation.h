#pragma once
// The whole degrees and minutes that the coordinate strings print, taken from a double
// without undefined behaviour.

#include <cstdint>
#include <cstdlib>

namespace Truncation {

// Truncation toward zero into 32 bits; values outside that range saturate rather than
// invoking undefined behaviour, and NaN gives 0.
inline std::int32_t truncate32(double x)
{
    if (!(x > -2147483649.0))
        return x != x ? 0 : INT32_MIN;
    if (!(x < 2147483648.0))
        return INT32_MAX;
    return static_cast<std::int32_t>(x);
}

// The absolute value, INT32_MIN saturating to INT32_MAX.
inline int magnitude(std::int32_t v)
{
    return v == INT32_MIN ? INT32_MAX : std::abs(v);
}

} // namespace Truncation

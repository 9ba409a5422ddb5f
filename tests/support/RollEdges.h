#pragma once

#include <cmath>

namespace Sardek::Testing
{

/// The first float r with r * n >= k, where Int(Rnd * n + m) first gives m + k: exact, for a
/// float times a whole number below 2^29 is exact in double.
inline float edgeDraw(long long k, long long n)
{
    float r = float(double(k) / double(n));
    while (double(r) * double(n) < double(k))
        r = std::nextafter(r, 1.0f);
    while (r > 0.0f && double(std::nextafter(r, 0.0f)) * double(n) >= double(k))
        r = std::nextafter(r, 0.0f);
    return r;
}

/// The last float below edgeDraw(k, n): the last draw that still gives m + k - 1.
inline float belowEdge(long long k, long long n)
{
    return std::nextafter(edgeDraw(k, n), 0.0f);
}

} // namespace Sardek::Testing

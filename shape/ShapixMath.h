// Constants and conversions shared by the shape, polygon and dimension code.
//
// Conventions used throughout:
//  - Window coordinates are client pixels, x to the right and y downwards.
//  - A positive sweep angle runs clockwise on the screen from a side's start
//    to its end; bulge b and sweep θ (degrees) convert as
//    θ = atan(b) * 4 * 180 / π and b = tan(θ * π / 180 * 0.25).
//  - Side k runs from vertex k to vertex k + 1; the last side closes back to
//    vertex 0.
#pragma once

#include "platform/AfxTypes.h"

#include <cmath>
#include <cstdint>

#define SHAPIX_NAME Shapix

namespace SHAPIX_NAME {

// The system's π. It is 4e-15 below the true value, and every conversion
// between degrees and radians uses it so that stored bulges and sweeps
// round-trip exactly as the hosts' existing data expects.
inline constexpr double kPi = 3.141592653585793;
inline constexpr double kDegToRad = 0.017453292519921074; // kPi / 180
// Radians to degrees for direction angles only: 180 / 3.1415926.
inline constexpr double kDirectionRadToDeg = 57.295780490442965;

inline constexpr double kTolerance = 0.00001; // zero sweep, full turn, singular systems
inline constexpr double kStraightSweep = 0.000001; // straight versus curved in the point test

// Double to int by truncation toward zero, as the x86 conversion that the
// Windows build compiles to: NaN and values outside the int range give
// INT_MIN (0x80000000) instead of undefined behaviour.
inline int TruncToInt(double v)
{
    if (!(v > -2147483649.0 && v < 2147483648.0))
        return INT32_MIN;
    return static_cast<int>(v);
}

// A window coordinate becomes a pixel as floor(v + 0.5).
inline int RoundToPixel(double v)
{
    const double w = v + 0.5;
    // Inside the int range floor is a truncation corrected downwards, which
    // spares a library call on every point of every paint.
    if (w >= -2147483648.0 && w < 2147483648.0) {
        const auto t = static_cast<std::int64_t>(w);
        return static_cast<int>(static_cast<double>(t) > w ? t - 1 : t);
    }
    return TruncToInt(std::floor(w));
}

// Double to DWORD through a 64-bit conversion, as the 64-bit Windows build
// does: values beyond 2^32 wrap, NaN and values beyond 2^63 give 0.
inline DWORD TruncToDword(double v)
{
    if (!(v > -9223372036854775808.0 && v < 9223372036854775808.0))
        return 0;
    return static_cast<DWORD>(static_cast<std::uint64_t>(static_cast<std::int64_t>(v)));
}

// Moves the segment p1 p2 sideways by dist; with y growing downwards a
// positive dist moves it to the left of its direction of travel as seen on
// the screen. A segment without length has no sideways direction and stays
// where it is.
inline void OffsetSegment(const double* p1, const double* p2, double* out1, double* out2, double dist)
{
    const double len = std::sqrt((p2[0] - p1[0]) * (p2[0] - p1[0]) + (p2[1] - p1[1]) * (p2[1] - p1[1]));
    double ox = 0.0;
    double oy = 0.0;
    if (len != 0.0) {
        ox = (p2[1] - p1[1]) / len * dist;
        oy = (p2[0] - p1[0]) / len * dist;
    }
    out1[0] = p1[0] + ox;
    out1[1] = p1[1] - oy;
    out2[0] = p2[0] + ox;
    out2[1] = p2[1] - oy;
}

inline double SweepFromBulge(double bulge)
{
    return std::atan(bulge) * 4 * 180 / kPi;
}

inline double BulgeFromSweep(double sweep)
{
    return std::tan(sweep * kPi / 180 * 0.25);
}

} // namespace SHAPIX_NAME

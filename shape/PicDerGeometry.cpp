// The shape record's small geometric utilities: degrees to radians, line
// crossing and parallel offset.
#include "PicDerData.h"

#include "ShapixMath.h"

#include <cmath>

double CShapixCtrl::CPicDerData::DecToFGrd(double degrees)
{
    return degrees / 180 * SHAPIX_NAME::kPi;
}

int CShapixCtrl::CPicDerData::CalInt(
    double* const p1, double* const p2, double* const p3, double* const p4, double* const out)
{
    constexpr double kEpsilon = SHAPIX_NAME::kTolerance;
    const double d1x = p2[0] - p1[0];
    const double d1y = p2[1] - p1[1];
    const double d2x = p4[0] - p3[0];
    const double d2y = p4[1] - p3[1];
    const double det = d1x * d2y - d2x * d1y;
    if (std::fabs(det) <= kEpsilon)
        return -1;

    const double y = ((d1x * d2y) * p1[1] + (p3[0] - p1[0]) * (d2y * d1y) - (d2x * d1y) * p3[1]) / det;
    const double x = std::fabs(d1y) > kEpsilon ? (y - p1[1]) * d1x / d1y + p1[0] : (y - p3[1]) * d2x / d2y + p3[0];
    out[0] = x;
    out[1] = y;

    // On both segments when the crossing lies between the ends of each in x
    // and in y, with a little slack for rounding.
    if ((x - p1[0]) * (x - p2[0]) > kEpsilon || (x - p3[0]) * (x - p4[0]) > kEpsilon
        || (y - p2[1]) * (y - p1[1]) > kEpsilon || (y - p3[1]) * (y - p4[1]) > kEpsilon)
        return 0;
    return 1;
}

void CShapixCtrl::CPicDerData::OffsetLine(
    double* const p1, double* const p2, double* const out1, double* const out2, double dist)
{
    SHAPIX_NAME::OffsetSegment(p1, p2, out1, out2, dist);
}

// Outlines for the polygon tests, built from records as AddDrawObj builds
// them, and flat views of their arrays for whole-array comparisons.
#pragma once

#include "Shapix.h"
#include "poly/MyDrawPoly.h"

#include <memory>
#include <optional>
#include <vector>

namespace poly_test {

using SHAPIX_NAME::CMyDrawPoly;
using Values = std::vector<double>;

inline void Put(CArray<double, const double&>& target, const Values& values)
{
    target.RemoveAll();
    for (double value : values)
        target.Add(value);
}

template <class Array>
Values ToVector(const Array& values)
{
    return Values(values.GetData(), values.GetData() + values.GetSize());
}

// Without a reference point the record keeps the unset, all-zero one of Init.
inline void FillRecord(CShapixCtrl::CPicDerData& data, const Values& points, const Values& bulges = {},
    std::optional<Floatpt> ref = std::nullopt)
{
    Put(data.m_aryPoints, points);
    Put(data.m_aryBulge, bulges);
    if (ref) {
        data.m_ptRef[0] = ref->x;
        data.m_ptRef[1] = ref->y;
        data.m_bRefSet = true;
    }
}

inline std::unique_ptr<CMyDrawPoly> MakePoly(const Values& points, const Values& bulges = {},
    std::optional<Floatpt> ref = std::nullopt)
{
    CShapixCtrl::CPicDerData data;
    FillRecord(data, points, bulges, ref);
    return std::make_unique<CMyDrawPoly>(&data);
}

// x0, y0, x1, y1, ... of the vertices, unrounded.
inline Values Coords(const CMyDrawPoly& poly)
{
    Values out;
    for (INT_PTR i = 0; i < poly.m_aVertices.GetSize(); ++i)
        out.insert(out.end(), { poly.m_aVertices.GetAt(i)->m_x, poly.m_aVertices.GetAt(i)->m_y });
    return out;
}

} // namespace poly_test

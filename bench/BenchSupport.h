// Inputs shared by the benchmarks: outlines made from a fixed seed and a
// host window with a control of a chosen client size.
#pragma once

#include "Shapix.h"

#include <cmath>
#include <memory>
#include <random>
#include <vector>

namespace bench {

inline constexpr double kTwoPi = 6.283185307179586;

// A star-shaped outline round (cx, cy): `sides` vertices at random radii
// between 0.7 and 1 times `radius`. Every second side is an arc whose bulge
// lies between 0.1 and 0.4 in size (a sweep of 23 to 89 degrees), bending
// out or in at random.
struct Outline {
    std::vector<double> points; // x0, y0, x1, y1, ...
    std::vector<double> bulges; // one per side
    double refX = 0;
    double refY = 0;
};

inline Outline MakeOutline(int sides, double cx, double cy, double radius, std::mt19937& random)
{
    std::uniform_real_distribution<double> radial(0.7, 1.0);
    std::uniform_real_distribution<double> bend(0.1, 0.4);
    std::bernoulli_distribution inward(0.5);
    Outline outline;
    for (int k = 0; k < sides; ++k) {
        const double angle = kTwoPi * k / sides;
        const double r = radius * radial(random);
        outline.points.push_back(cx + r * std::cos(angle));
        outline.points.push_back(cy + r * std::sin(angle));
        const double bulge = (k % 2 == 1) ? bend(random) * (inward(random) ? -1 : 1) : 0.0;
        outline.bulges.push_back(bulge);
    }
    outline.refX = cx;
    outline.refY = cy;
    return outline;
}

inline CString TabList(const std::vector<double>& values)
{
    CString text;
    for (double value : values)
        text.AppendFormat(L"%.5lf\t", value);
    return text;
}

// The host's road in: a record filled from strings, model coordinates
// equal to the window ones.
inline void AddOutline(CShapixCtrl& ctrl, long id, const Outline& outline)
{
    CShapixCtrl::CPicDerData record;
    const CString points = TabList(outline.points);
    const CString bulges = TabList(outline.bulges);
    const double ref[2] = { outline.refX, outline.refY };
    record.SetData(id, &points, &points, nullptr, nullptr, &bulges, ref, ref);
    ctrl.AddDrawObj(record);
}

// A host window with the control in it. The control's client edge takes 3
// pixels on each side, so the window is 6 pixels larger than the client.
class Host {
public:
    Host(int clientWidth, int clientHeight)
    {
        m_parent.CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP | WS_VISIBLE, 0, 0, clientWidth + 40,
            clientHeight + 40, nullptr, nullptr);
        ctrl.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, clientWidth + 6, clientHeight + 6), &m_parent, 1);
        for (auto page : { CShapixCtrl::toolDim, CShapixCtrl::toolRead, CShapixCtrl::toolSelect })
            ctrl.SetCtrPtr(page, &ctrl);
        platform::PumpMessages();
    }
    ~Host()
    {
        ReleaseCapture();
        ClipCursor(nullptr);
    }

    CDrawObjAry& Doc() { return *ctrl.GetPtrData(); }

    // Invalidates the whole control and lets it paint, as the message loop
    // would on the next WM_PAINT.
    void Repaint()
    {
        ctrl.InvalidateRect(nullptr, TRUE);
        ctrl.UpdateWindow();
    }

    CWnd m_parent;
    CShapixCtrl ctrl;
};

// `count` outlines of `sides` sides, each about 120 pixels across, at
// random places inside a width x height drawing.
inline void AddScatteredOutlines(CShapixCtrl& ctrl, int count, int sides, int width, int height, unsigned seed,
    double radius = 60)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> x(radius + 2, width - radius - 2);
    std::uniform_real_distribution<double> y(radius + 2, height - radius - 40);
    for (int i = 0; i < count; ++i)
        AddOutline(ctrl, i + 1, MakeOutline(sides, x(random), y(random), radius, random));
}

} // namespace bench

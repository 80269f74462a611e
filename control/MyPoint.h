// CMyPoint: a point of an outline (vertex, reference point, handle) with its
// window position in client pixels and its model position in the host's
// units, plus a mask that keeps it out of the dimension chains.
#pragma once

#include "platform/AfxObject.h"

class CMyPoint : public CObject {
public:
    explicit CMyPoint(int tag = 0);
    CMyPoint(double x, double y, int tag);
    CMyPoint(double x, double y, double auxX, double auxY, int tag);
    ~CMyPoint() override;

    double m_x = 0.0; // window x, client pixels
    double m_y = 0.0; // window y
    double m_auxX = -1.0; // model x, host units; -1.0 = none
    double m_auxY = -1.0; // model y
    int m_nTag = 0; // 2 or 3: not in the horizontal chain; 1 or 3: not in the vertical chain
};

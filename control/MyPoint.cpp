#include "MyPoint.h"

CMyPoint::CMyPoint(int tag)
    : m_nTag(tag)
{
}

CMyPoint::CMyPoint(double x, double y, int tag)
    : m_x(x)
    , m_y(y)
    , m_nTag(tag)
{
}

CMyPoint::CMyPoint(double x, double y, double auxX, double auxY, int tag)
    : m_x(x)
    , m_y(y)
    , m_auxX(auxX)
    , m_auxY(auxY)
    , m_nTag(tag)
{
}

CMyPoint::~CMyPoint() = default;

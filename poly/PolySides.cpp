// CMyDrawPoly: adding, deleting and editing sides.
//
// FIXME: Side editing is not built yet; the three operations keep the
// draw-object defaults (nothing is added, deleted or edited).
#include "MyDrawPoly.h"

namespace SHAPIX_NAME {

CMyPoint* CMyDrawPoly::DelSide(const CPoint& point)
{
    return CDrawObj::DelSide(point);
}

void CMyDrawPoly::AddSide(const CPoint& point, CWnd* pWnd)
{
    CDrawObj::AddSide(point, pWnd);
}

void CMyDrawPoly::EditSide(const CPoint& point, CWnd* pWnd)
{
    CDrawObj::EditSide(point, pWnd);
}

} // namespace SHAPIX_NAME

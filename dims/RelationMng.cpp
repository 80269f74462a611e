// The dimension chains of one document.
//
// [SECTION] Building: stations into links, each with its label
// [SECTION] Values: applying the links, their texts, the initial texts
// [SECTION] Drawing: ticks, extension lines and the two dimension lines
// [SECTION] History and destroyed points
#include "RelationMng.h"

#include "InputText.h"

#include "control/DrawObjAry.h"
#include "platform/AfxRuntime.h"
#include "shape/ShapixMath.h"

#include <cmath>

using dims::Axis;

namespace {

inline constexpr int kLabelBaseAboveBottom = 28; // horizontal labels sit around H - 28
inline constexpr int kVerticalLabelX = 2;
inline constexpr int kLineAboveBottom = 20; // the horizontal dimension line at H - 20
inline constexpr int kVerticalLineX = 10;
inline constexpr int kTickHalf = 5; // a tick runs from (x - 5, y + 5) to (x + 5, y - 5)

void Tick(CDC& dc, int x, int y)
{
    dc.MoveTo(x - kTickHalf, y + kTickHalf);
    dc.LineTo(x + kTickHalf, y - kTickHalf);
}

void Line(CDC& dc, int x1, int y1, int x2, int y2)
{
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
}

int Pixel(double v)
{
    return SHAPIX_NAME::RoundToPixel(v);
}

CString FormatValue(double value)
{
    CString text;
    text.Format(L"%g", value);
    return text;
}

// Every occurrence: a point can be in a station twice when it came both as
// an anchor and among the points.
void RemoveAll(CTypedPtrArray<CObArray, CMyPoint*>& station, CMyPoint* pPoint)
{
    for (INT_PTR i = station.GetSize() - 1; i >= 0; --i) {
        if (station[i] == pPoint)
            station.RemoveAt(i);
    }
}

} // namespace

CRelationMng::CRelationMng(CDrawObjAry* pDoc)
    : m_lpDim { PS_SOLID, { 1, 0 }, RGB(255, 255, 255) }
    , m_paHorz(new Chain)
    , m_paVert(new Chain)
    , m_pDoc(pDoc)
{
}

CRelationMng::~CRelationMng()
{
    CObArray labels; // the document's; only collected here
    DeleteChain(*m_paHorz, labels);
    DeleteChain(*m_paVert, labels);
    delete m_paHorz;
    delete m_paVert;
}

// [SECTION] Building ---------------------------------------------------------

void CRelationMng::DeleteChain(Chain& chain, CObArray& labels)
{
    for (INT_PTR i = chain.GetSize() - 1; i >= 0; --i) {
        labels.Add(chain[i]->m_pText);
        delete chain[i];
    }
    chain.RemoveAll();
}

int CRelationMng::LabelBaseY() const
{
    return (m_pDoc ? m_pDoc->GetDrawHeight() : -1) - kLabelBaseAboveBottom;
}

void CRelationMng::BuildChain(Chain& chain, Axis axis, CMyPoint* anchor, CStringArray& texts,
    CTypedPtrArray<CObArray, CMyPoint*>& points, int baseY, CObArray& oldLabels, CObArray& newLabels)
{
    DeleteChain(chain, oldLabels);
    const std::vector<dims::Station> stations = dims::SortIntoStations(anchor, points, axis);
    CTypedPtrArray<CObArray, CMyPoint*> from;
    CTypedPtrArray<CObArray, CMyPoint*> to;
    // The texts are taken from the front of the list one per link; they
    // leave the list together afterwards, since removing each from the
    // front on its own made long chains quadratic.
    INT_PTR taken = 0;
    for (size_t k = 1; k < stations.size(); ++k) {
        CString text = L"0";
        if (taken < texts.GetSize())
            text = texts[taken++];
        dims::CopyStation(stations[k - 1], from);
        dims::CopyStation(stations[k], to);
        auto* relation = new CRelation(static_cast<int>(k), from, to, axis == Axis::X, text, kVerticalLabelX, baseY);
        chain.Add(relation);
        // Without a document nobody would own the label.
        if (!m_pDoc) {
            delete relation->m_pText;
            relation->m_pText = nullptr;
        }
        newLabels.Add(relation->m_pText);
    }
    if (taken > 0)
        texts.RemoveAt(0, taken);
}

void CRelationMng::Build(CStringArray& dimX, CStringArray& dimY, CTypedPtrArray<CObArray, CMyPoint*>& points)
{
    if (points.GetSize() < 2)
        return;
    const int baseY = LabelBaseY();
    CObArray oldLabels;
    CObArray newLabels;
    // Without an x anchor the y partner stands in on the horizontal chain too.
    BuildChain(*m_paHorz, Axis::X, m_pAnchorX ? m_pAnchorX : m_pAnchorY, dimX, points, baseY, oldLabels, newLabels);
    BuildChain(*m_paVert, Axis::Y, m_pAnchorY, dimY, points, baseY, oldLabels, newLabels);
    if (!m_pDoc)
        return;
    m_pDoc->RemoveObjs(&oldLabels);
    m_pDoc->AddObjs(&newLabels);
    m_pDoc->SetRedraw();
}

void CRelationMng::BuildWithAnchors(CStringArray& dimX, CStringArray& dimY,
    CTypedPtrArray<CObArray, CMyPoint*>& points, CMyPoint* anchorX, CMyPoint* anchorY)
{
    m_pAnchorX = anchorX;
    m_pAnchorY = anchorY;
    Build(dimX, dimY, points);
}

void CRelationMng::Clear()
{
    CObArray labels;
    DeleteChain(*m_paHorz, labels);
    DeleteChain(*m_paVert, labels);
    m_pAnchorX = nullptr;
    m_pAnchorY = nullptr;
    if (m_pDoc)
        m_pDoc->RemoveObjs(&labels);
}

// [SECTION] Values -----------------------------------------------------------

void CRelationMng::Apply()
{
    for (INT_PTR i = 0; i < m_paHorz->GetSize(); ++i)
        (*m_paHorz)[i]->Apply(i == 0, true);
    for (INT_PTR i = 0; i < m_paVert->GetSize(); ++i)
        (*m_paVert)[i]->Apply(i == 0, false);
}

void CRelationMng::GetTexts(CStringArray& dimX, CStringArray& dimY)
{
    dimX.RemoveAll();
    dimY.RemoveAll();
    for (INT_PTR i = 0; i < m_paHorz->GetSize(); ++i)
        dimX.Add((*m_paHorz)[i]->m_strValue);
    for (INT_PTR i = 0; i < m_paVert->GetSize(); ++i)
        dimY.Add((*m_paVert)[i]->m_strValue);
}

void CRelationMng::ComputeDimTexts(
    CTypedPtrArray<CObArray, CMyPoint*>& points, CStringArray& dimX, CStringArray& dimY)
{
    if (points.GetSize() < 2)
        return;
    for (const Axis axis : { Axis::X, Axis::Y }) {
        const std::vector<dims::Station> stations = dims::SortIntoStations(nullptr, points, axis);
        for (size_t k = 1; k < stations.size(); ++k) {
            const CMyPoint& start = *stations[k - 1].front();
            const CMyPoint& end = *stations[k].front();
            double d = axis == Axis::X ? end.m_auxX - start.m_auxX : end.m_auxY - start.m_auxY;
            // NaN fails the test too.
            if (!(d > 0))
                d = 0;
            (axis == Axis::X ? dimX : dimY).Add(FormatValue(d));
        }
    }
}

// [SECTION] Drawing ----------------------------------------------------------

void CRelationMng::Draw(CDC* pDC, CDrawObjAry* pDoc)
{
    if (!pDC || !pDoc)
        return;
    CPen pen;
    if (!pen.CreatePenIndirect(&m_lpDim))
        return;
    CPen* oldPen = pDC->SelectObject(&pen);
    const int height = pDoc->GetDrawHeight();

    const Chain& horz = *m_paHorz;
    if (horz.GetSize() > 0) {
        const int lineY = height - kLineAboveBottom;
        auto station = [&](CMyPoint* p) {
            const int x = Pixel(p->m_x);
            Tick(*pDC, x, lineY);
            Line(*pDC, x, height, x, Pixel(p->m_y));
        };
        station(horz[0]->GetFromPoint());
        for (INT_PTR i = 0; i < horz.GetSize(); ++i)
            station(horz[i]->GetToPoint());
        Line(*pDC, Pixel(horz[0]->GetFromPoint()->m_x), lineY, Pixel(horz[horz.GetSize() - 1]->GetToPoint()->m_x),
            lineY);
    }

    const Chain& vert = *m_paVert;
    if (vert.GetSize() > 0) {
        auto station = [&](CMyPoint* p) {
            const int y = Pixel(p->m_y);
            Tick(*pDC, kVerticalLineX, y);
            Line(*pDC, 0, y, Pixel(p->m_x), y);
        };
        station(vert[0]->GetFromPoint());
        for (INT_PTR i = 0; i < vert.GetSize(); ++i)
            station(vert[i]->GetToPoint());
        Line(*pDC, kVerticalLineX, Pixel(vert[0]->GetFromPoint()->m_y), kVerticalLineX,
            Pixel(vert[vert.GetSize() - 1]->GetToPoint()->m_y));
    }

    pDC->SelectObject(oldPen);
}

// [SECTION] History and destroyed points -------------------------------------

void CRelationMng::SaveHistory()
{
    m_hisRel.Save(*m_paHorz, *m_paVert);
}

void CRelationMng::RestoreHistory()
{
    m_hisRel.Restore(*m_paHorz, *m_paVert);
}

bool CRelationMng::ForgetInChain(Chain& chain, CMyPoint* pPoint, CObArray& droppedLabels)
{
    for (INT_PTR i = 0; i < chain.GetSize(); ++i) {
        RemoveAll(chain[i]->m_aFrom, pPoint);
        RemoveAll(chain[i]->m_aTo, pPoint);
    }
    bool changed = false;
    auto drop = [&](INT_PTR i) {
        droppedLabels.Add(chain[i]->m_pText);
        delete chain[i];
        chain.RemoveAt(i);
        changed = true;
    };
    // Link i's end station is link i + 1's start station, so the first empty
    // station found is either the chain's first or some link's end.
    for (;;) {
        INT_PTR i = 0;
        while (i < chain.GetSize() && chain[i]->m_aFrom.GetSize() > 0 && chain[i]->m_aTo.GetSize() > 0)
            ++i;
        if (i == chain.GetSize())
            break;
        if (chain[i]->m_aFrom.GetSize() == 0 || i == chain.GetSize() - 1) {
            drop(i);
            continue;
        }
        CRelation& joined = *chain[i];
        const CRelation& next = *chain[i + 1];
        joined.m_aTo.Copy(next.m_aTo);
        joined.m_strValue = FormatValue(_wtof(joined.m_strValue) + _wtof(next.m_strValue));
        drop(i + 1);
    }
    return changed;
}

void CRelationMng::PlaceLabels(Chain& chain)
{
    const int baseY = LabelBaseY();
    for (INT_PTR i = 0; i < chain.GetSize(); ++i)
        chain[i]->PlaceLabel(static_cast<int>(i + 1), kVerticalLabelX, baseY);
}

void CRelationMng::ForgetPoint(CMyPoint* pPoint)
{
    if (!pPoint)
        return;
    m_hisRel.ForgetPoint(pPoint);
    if (m_pAnchorX == pPoint)
        m_pAnchorX = nullptr;
    if (m_pAnchorY == pPoint)
        m_pAnchorY = nullptr;

    CObArray droppedLabels;
    const bool horzChanged = ForgetInChain(*m_paHorz, pPoint, droppedLabels);
    const bool vertChanged = ForgetInChain(*m_paVert, pPoint, droppedLabels);
    if (horzChanged)
        PlaceLabels(*m_paHorz);
    if (vertChanged)
        PlaceLabels(*m_paVert);
    if (m_pDoc && (horzChanged || vertChanged)) {
        m_pDoc->RemoveObjs(&droppedLabels);
        m_pDoc->SetRedraw();
    }
}

// The shape record: construction and the string forms exchanged with the host.
#include "PicDerData.h"

#include "ShapixMath.h"
#include "platform/AfxRuntime.h"

namespace {

// Walks a TAB-separated list and hands every field to the sink. A field
// closed by a TAB is handed even when empty; the text after the last TAB
// only when it is not.
template <class Sink>
void ForEachField(const CString& s, Sink sink)
{
    const wchar_t* text = s.GetString();
    const int length = s.GetLength();
    int fieldStart = 0;
    for (int i = 0; i < length; ++i) {
        if (text[i] == L'\t') {
            sink(CString(text + fieldStart, i - fieldStart));
            fieldStart = i + 1;
        }
    }
    if (fieldStart < length)
        sink(CString(text + fieldStart, length - fieldStart));
}

} // namespace

CShapixCtrl::CPicDerData::CPicDerData()
    : m_nID(-1) // the draw objects' own default identifier
    , m_ptRef { 0.0, 0.0, 0.0, 0.0 }
    , m_bRefSet(false)
{
    Init();
}

CShapixCtrl::CPicDerData::CPicDerData(CString&, int, int, CArray<double, const double&>& points,
    CArray<double, const double&>& auxPoints)
    : m_nID(-1)
    , m_ptRef { 0.0, 0.0, 0.0, 0.0 }
    , m_bRefSet(false)
{
    m_aryPoints.Copy(points);
    m_aryAuxPts.Copy(auxPoints);
}

CShapixCtrl::CPicDerData::~CPicDerData() = default;

void CShapixCtrl::CPicDerData::Init()
{
    m_aryPoints.RemoveAll();
    m_aryAuxPts.RemoveAll();
    m_aryBulge.RemoveAll();
    for (double& value : m_ptRef)
        value = 0.0;
    m_bRefSet = false;
}

void CShapixCtrl::CPicDerData::SetData(const LONG& id, const CString* points, const CString* auxPoints,
    const CString* sideTypes, const CString* sideTypeNames, const CString* bulges, const double* const refPoint,
    const double* const auxRefPoint)
{
    m_nID = id;
    if (points)
        GetPointsFromStr(*points, m_aryPoints);
    if (auxPoints)
        GetPointsFromStr(*auxPoints, m_aryAuxPts);
    if (bulges)
        GetBulgeFromstrAry(*bulges, m_aryBulge);
    m_ptRef[0] = refPoint[0];
    m_ptRef[1] = refPoint[1];
    m_ptRef[2] = auxRefPoint[0];
    m_ptRef[3] = auxRefPoint[1];
    m_bRefSet = true;
    if (sideTypes) {
        CStringArray codes;
        GetPropFromstrAry(*sideTypes, codes);
        m_arySideType.RemoveAll();
        for (INT_PTR i = 0; i < codes.GetSize(); ++i)
            m_arySideType.Add(static_cast<UINT>(_wtoi(codes[i])));
    }
    if (sideTypeNames)
        GetPropFromstrAry(*sideTypeNames, m_aryProp);
}

void CShapixCtrl::CPicDerData::GetData(CString* points, CString* auxPoints, CString* sideTypes,
    CString* sideTypeNames, CString* bulges, double* const refPoint, double* const auxRefPoint)
{
    if (points)
        WriPointsFromDwAry(*points, m_aryPoints);
    if (auxPoints)
        WriPointsFromDwAry(*auxPoints, m_aryAuxPts);
    if (bulges)
        WriValFromArray(*bulges, m_aryBulge);
    refPoint[0] = m_ptRef[0];
    refPoint[1] = m_ptRef[1];
    auxRefPoint[0] = m_ptRef[2];
    auxRefPoint[1] = m_ptRef[3];
    if (sideTypes) {
        *sideTypes = L"";
        // Codes of 2^31 and more come out negative and read back to the
        // same 32-bit value.
        for (INT_PTR i = 0; i < m_arySideType.GetSize(); ++i)
            sideTypes->AppendFormat(L"%d\t", static_cast<int>(m_arySideType[i]));
    }
    if (sideTypeNames)
        WriPropFromstrAry(*sideTypeNames, m_aryProp);
}

void CShapixCtrl::CPicDerData::GetPointsFromStr(const CString& s, CArray<double, const double&>& out)
{
    out.RemoveAll();
    ForEachField(s, [&out](const CString& field) { out.Add(_wtof(field)); });
}

void CShapixCtrl::CPicDerData::WriValFromArray(CString& s, CArray<double, const double&>& ary)
{
    s.Empty();
    for (INT_PTR i = 0; i < ary.GetSize(); ++i)
        s.AppendFormat(L"%.5lf\t", ary[i]);
}

void CShapixCtrl::CPicDerData::GetPropFromstrAry(const CString& s, CStringArray& out)
{
    out.RemoveAll();
    ForEachField(s, [&out](const CString& field) { out.Add(field); });
}

void CShapixCtrl::CPicDerData::WriPropFromstrAry(CString& s, CStringArray& ary)
{
    s.Empty();
    for (INT_PTR i = 0; i < ary.GetSize(); ++i) {
        s += ary[i];
        s += L'\t';
    }
}

CString CShapixCtrl::CPicDerData::GetPicPropVal(CString& name, CStringArray* ary)
{
    if (!ary)
        return CString();
    for (INT_PTR k = ary->GetSize() / 2 - 1; k >= 0; --k) {
        if ((*ary)[2 * k] == name)
            return (*ary)[2 * k + 1];
    }
    return CString();
}

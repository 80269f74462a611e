#include "PolyTestSupport.h"

#include <gtest/gtest.h>

using namespace poly_test;

TEST(PolyModel, ConstructionToleratesInconsistentRecords)
{
    CShapixCtrl::CPicDerData data;
    FillRecord(data, { 100, 100, 300, 100, 300, 200, 7 }); // the odd 7 has no partner
    data.m_arySideType.Add(4);
    data.m_ptRef[2] = 12.5;
    {
        SCOPED_TRACE("short arrays padded; the unset reference point centred on a bound holding (0, 0)");
        const CMyDrawPoly poly(&data);
        EXPECT_EQ(Coords(poly), Values({ 100, 100, 300, 100, 300, 200 }));
        EXPECT_EQ(ToVector(poly.m_aBulge), Values({ 0, 0, 0 }));
        EXPECT_EQ(ToVector(poly.m_aSideType), Values({ 4, 0, 0 }));
        EXPECT_EQ(poly.m_ptRef.m_x, 150.0);
        EXPECT_EQ(poly.m_ptRef.m_y, 100.0);
        EXPECT_EQ(poly.m_ptRef.m_auxX, 12.5);
    }
    for (const Values& model : { Values {}, Values { 1, 2, 3, 4 }, Values { 1, 2, 3, 4, 5, 6, 7, 8 },
             Values { 1, 2, 3, 4, 5, 6.25 } }) {
        SCOPED_TRACE("model points are taken only when they pair up one to one: " + std::to_string(model.size()));
        Put(data.m_aryAuxPts, model);
        EXPECT_EQ(CMyDrawPoly(&data).m_aVertices.GetAt(2)->m_auxY, model.size() == 6 ? 6.25 : -1.0);
    }
}

TEST(PolyModel, HandlesCountFromOneAndMidpointsTruncate)
{
    const auto poly = MakePoly({ 0, 0, 101, 0, 101, 60 }, { 0.5 }, Floatpt(30, 20));
    EXPECT_EQ(poly->GetHandleCount(), 7);
    // The arc's midpoint (50.5, -25.25) is truncated toward zero, not rounded.
    EXPECT_EQ(poly->GetHandle(4)->m_x, 50.0);
    EXPECT_EQ(poly->GetHandle(4)->m_y, -25.0);
    // A straight side's midpoint lies on its start vertex.
    EXPECT_EQ(poly->GetHandle(5)->m_x, 101.0);
    EXPECT_EQ(poly->GetHandle(5)->m_y, 0.0);
    EXPECT_EQ(poly->GetHandle(7), &poly->m_ptRef);
    EXPECT_EQ(poly->GetHandle(8), nullptr);
    EXPECT_THROW(poly->GetHandle(0), CInvalidArgException*);

    CMyDrawPoly empty;
    EXPECT_EQ(empty.GetHandleCount(), 1);
    EXPECT_EQ(empty.GetHandle(1), &empty.m_ptRef);
}

TEST(PolyModel, WriteBackRoundsWindowPointsAndKeepsEverythingElse)
{
    CShapixCtrl::CPicDerData in;
    FillRecord(in, { 10.5, -0.5, -1.5, 2.49, 30, 30 }, { 0.1, 0.2, 0.3, 0.4, 0.5 }, Floatpt(5.4, 7.6));
    Put(in.m_aryAuxPts, { 1.25, 2, 3, 4, 5, 6 });
    in.m_ptRef[3] = 9.75;
    in.m_nID = 17;
    in.m_aryProp.Add(L"直边");
    CMyDrawPoly poly(&in);

    CShapixCtrl::CPicDerData out;
    Put(out.m_aryPoints, { 99, 99, 99, 99, 99, 99, 99, 99 });
    poly.FillRetData(&out);
    EXPECT_EQ(ToVector(out.m_aryPoints), Values({ 11, 0, -1, 2, 30, 30 }));
    EXPECT_EQ(ToVector(out.m_aryAuxPts), Values({ 1.25, 2, 3, 4, 5, 6 }));
    EXPECT_EQ(ToVector(out.m_aryBulge), Values({ 0.1, 0.2, 0.3, 0.4, 0.5 })); // longer than the sides: kept
    EXPECT_EQ(Values(out.m_ptRef, out.m_ptRef + 4), Values({ 5, 8, 0, 9.75 }));
    EXPECT_TRUE(out.m_bRefSet);
    EXPECT_EQ(ToVector(out.m_arySideType), Values({ 0, 0, 0 }));
    EXPECT_EQ(out.m_aryProp.GetSize(), 1);
    EXPECT_EQ(out.m_nID, 17);
}

TEST(PolyModel, DimensionPointsEndWithTheReferencePointAndOnlyWhenVisible)
{
    const auto poly = MakePoly({ 0, 0, 100, 0, 100, 50 });
    CTypedPtrArray<CObArray, CMyPoint*> points;
    points.Add(nullptr); // appended to, never cleared
    poly->GetDimPoint(points);
    ASSERT_EQ(points.GetSize(), 5);
    EXPECT_EQ(points[1], poly->m_aVertices.GetAt(0));
    EXPECT_EQ(points[4], &poly->m_ptRef);
    poly->Visible(false);
    poly->GetDimPoint(points);
    EXPECT_EQ(points.GetSize(), 5);
}

TEST(PolyModel, CreatableByClassNameAsAnUnfilledOutline)
{
    const std::unique_ptr<CObject> object(CRuntimeClass::CreateObject("CMyDrawPoly"));
    const auto* poly = dynamic_cast<CMyDrawPoly*>(object.get());
    ASSERT_NE(poly, nullptr);
    EXPECT_FALSE(poly->m_bFill) << "the base object fills; an outline must not";
}

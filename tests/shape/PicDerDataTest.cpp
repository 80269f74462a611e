#include "Shapix.h"

#include <gtest/gtest.h>

#include <vector>

using CPicDerData = CShapixCtrl::CPicDerData;

namespace {

std::vector<double> Values(const CArray<double, const double&>& ary)
{
    return std::vector<double>(ary.GetData(), ary.GetData() + ary.GetSize());
}

std::vector<std::wstring> Strings(const CStringArray& ary)
{
    std::vector<std::wstring> out;
    for (INT_PTR i = 0; i < ary.GetSize(); ++i)
        out.emplace_back(ary[i].GetString());
    return out;
}

// Exposes the record's protected degree conversion.
struct RecordProbe : CPicDerData {
    using CPicDerData::DecToFGrd;
};

} // namespace

TEST(PicDerDataStrings, NumberListsReadEveryTabClosedFieldAndANonEmptyTail)
{
    CPicDerData record;
    CArray<double, const double&> out;
    const struct {
        const wchar_t* text;
        std::vector<double> expected;
    } cases[] = {
        { L"1.5\t2\t", { 1.5, 2.0 } },
        { L"1.5\t2", { 1.5, 2.0 } },
        { L"1.5\t\t2\t", { 1.5, 0.0, 2.0 } },
        { L"", {} },
        { L"\t", { 0.0 } },
        { L"abc\t", { 0.0 } },
        { L" 3 ", { 3.0 } },
        { L"-1.25e2\t7x\t 0x10\t", { -125.0, 7.0, 0.0 } },
        { L"1 2\n3\t", { 1.0 } }, // spaces and line breaks belong to the field
    };
    for (const auto& c : cases) {
        out.Add(99.0); // the reader empties its output first
        record.GetPointsFromStr(c.text, out);
        EXPECT_EQ(Values(out), c.expected) << "text: " << testing::PrintToString(std::wstring(c.text));
    }
    record.GetBulgeFromstrAry(L"0.5\t", out);
    EXPECT_EQ(Values(out), std::vector<double>({ 0.5 }));
}

TEST(PicDerDataStrings, StringListsKeepEmptyFields)
{
    CPicDerData record;
    CStringArray out;
    record.GetPropFromstrAry(L"a\t\tb", out);
    EXPECT_EQ(Strings(out), std::vector<std::wstring>({ L"a", L"", L"b" }));
    record.GetPropFromstrAry(L"a\tb\t", out);
    EXPECT_EQ(Strings(out), std::vector<std::wstring>({ L"a", L"b" }));
    record.GetPropFromstrAry(L"\t", out);
    EXPECT_EQ(Strings(out), std::vector<std::wstring>({ L"" }));
    record.GetPropFromstrAry(L"", out);
    EXPECT_EQ(out.GetSize(), 0);
    record.GetPropFromstrAry(L"直线\t圆弧\t", out);
    EXPECT_EQ(Strings(out), std::vector<std::wstring>({ L"直线", L"圆弧" }));
}

TEST(PicDerDataStrings, WritersPutATabAfterEveryField)
{
    CPicDerData record;
    CArray<double, const double&> values;
    CString text = L"old";
    record.WriValFromArray(text, values);
    EXPECT_EQ(text, L"");

    values.Add(12.5);
    values.Add(-1);
    values.Add(0.000004);
    values.Add(0.000005); // just above five millionths in binary: rounds up
    values.Add(-0.000001);
    record.WriValFromArray(text, values);
    EXPECT_EQ(text, L"12.50000\t-1.00000\t0.00000\t0.00001\t-0.00000\t");
    record.WriPointsFromDwAry(text, values);
    EXPECT_EQ(text, L"12.50000\t-1.00000\t0.00000\t0.00001\t-0.00000\t");

    CStringArray names;
    names.Add(L"a");
    names.Add(L"");
    names.Add(L"b c");
    record.WriPropFromstrAry(text, names);
    EXPECT_EQ(text, L"a\t\tb c\t");
}

TEST(PicDerDataExchange, SetDataFillsTheFieldsInOrder)
{
    CPicDerData record;
    const CString points = L"10\t20\t30\t40\t50\t60\t";
    const CString model = L"0\t0\t100\t0\t100\t50\t";
    const CString codes = L"3\t\tx\t";
    const CString names = L"直线\t圆弧\t";
    const CString bulges = L"0\t0.41421\t0\t";
    const double ref[2] = { 1.5, 2.5 };
    const double modelRef[2] = { -3, -4 };
    record.SetData(7, &points, &model, &codes, &names, &bulges, ref, modelRef);

    EXPECT_EQ(record.m_nID, 7);
    EXPECT_EQ(Values(record.m_aryPoints), std::vector<double>({ 10, 20, 30, 40, 50, 60 }));
    EXPECT_EQ(Values(record.m_aryAuxPts), std::vector<double>({ 0, 0, 100, 0, 100, 50 }));
    EXPECT_EQ(Values(record.m_aryBulge), std::vector<double>({ 0, 0.41421, 0 }));
    ASSERT_EQ(record.m_arySideType.GetSize(), 3);
    EXPECT_EQ(record.m_arySideType[0], 3u);
    EXPECT_EQ(record.m_arySideType[1], 0u);
    EXPECT_EQ(record.m_arySideType[2], 0u);
    EXPECT_EQ(Strings(record.m_aryProp), std::vector<std::wstring>({ L"直线", L"圆弧" }));
    EXPECT_EQ(record.m_ptRef[0], 1.5);
    EXPECT_EQ(record.m_ptRef[1], 2.5);
    EXPECT_EQ(record.m_ptRef[2], -3);
    EXPECT_EQ(record.m_ptRef[3], -4);
    EXPECT_TRUE(record.m_bRefSet);

    // Null strings leave their fields; identifier and reference point change.
    const double ref2[2] = { 9, 8 };
    const double modelRef2[2] = { 7, 6 };
    record.m_strName = L"keep";
    record.SetData(-5, nullptr, nullptr, nullptr, nullptr, nullptr, ref2, modelRef2);
    EXPECT_EQ(record.m_nID, -5);
    EXPECT_EQ(record.m_aryPoints.GetSize(), 6);
    EXPECT_EQ(record.m_aryAuxPts.GetSize(), 6);
    EXPECT_EQ(record.m_aryBulge.GetSize(), 3);
    EXPECT_EQ(record.m_arySideType.GetSize(), 3);
    EXPECT_EQ(record.m_aryProp.GetSize(), 2);
    EXPECT_EQ(record.m_strName, L"keep");
    EXPECT_EQ(record.m_ptRef[0], 9);
    EXPECT_EQ(record.m_ptRef[3], 6);
}

TEST(PicDerDataExchange, GetDataWritesWhatSetDataReadsBack)
{
    CPicDerData source;
    const CString points = L"10.5\t-20.25\t30.12345\t40\t";
    const CString model = L"-1\t-1\t1234.56789\t0.00001\t";
    const CString codes = L"0\t2\t3000000000\t";
    const CString names = L"a\t\tc\t";
    const CString bulges = L"1\t-0.5\t";
    const double ref[2] = { 4, 5 };
    const double modelRef[2] = { 6, 7 };
    source.SetData(1, &points, &model, &codes, &names, &bulges, ref, modelRef);
    EXPECT_EQ(source.m_arySideType[2], 2147483647u); // _wtoi clamps to 32 bits

    source.m_arySideType[2] = 3000000000u;
    CString outPoints, outModel, outCodes, outNames, outBulges;
    double outRef[2] = {};
    double outModelRef[2] = {};
    source.GetData(&outPoints, &outModel, &outCodes, &outNames, &outBulges, outRef, outModelRef);
    EXPECT_EQ(outPoints, L"10.50000\t-20.25000\t30.12345\t40.00000\t");
    EXPECT_EQ(outModel, L"-1.00000\t-1.00000\t1234.56789\t0.00001\t");
    EXPECT_EQ(outCodes, L"0\t2\t-1294967296\t");
    EXPECT_EQ(outNames, L"a\t\tc\t");
    EXPECT_EQ(outBulges, L"1.00000\t-0.50000\t");
    EXPECT_EQ(outRef[0], 4);
    EXPECT_EQ(outModelRef[1], 7);

    CPicDerData copy;
    copy.SetData(1, &outPoints, &outModel, &outCodes, &outNames, &outBulges, outRef, outModelRef);
    EXPECT_EQ(Values(copy.m_aryPoints), Values(source.m_aryPoints));
    EXPECT_EQ(Values(copy.m_aryAuxPts), Values(source.m_aryAuxPts));
    EXPECT_EQ(Values(copy.m_aryBulge), Values(source.m_aryBulge));
    EXPECT_EQ(Strings(copy.m_aryProp), Strings(source.m_aryProp));
    ASSERT_EQ(copy.m_arySideType.GetSize(), 3);
    EXPECT_EQ(copy.m_arySideType[2], 3000000000u); // negative text, same 32 bits

    // Null output strings are skipped; the reference points always written.
    double r[2] = { -9, -9 };
    double mr[2] = { -9, -9 };
    source.GetData(nullptr, nullptr, nullptr, nullptr, nullptr, r, mr);
    EXPECT_EQ(r[1], 5);
    EXPECT_EQ(mr[0], 6);
}

TEST(PicDerData, ConstructionAndInitResetTheGeometryOnly)
{
    CPicDerData fresh;
    EXPECT_EQ(fresh.m_nID, -1);
    EXPECT_FALSE(fresh.m_bRefSet);
    EXPECT_EQ(fresh.m_aryPoints.GetSize(), 0);

    CString name = L"unused";
    CArray<double, const double&> points;
    CArray<double, const double&> model;
    points.Add(1);
    points.Add(2);
    model.Add(3);
    CPicDerData fromArrays(name, 0, 0, points, model);
    EXPECT_EQ(Values(fromArrays.m_aryPoints), std::vector<double>({ 1, 2 }));
    EXPECT_EQ(Values(fromArrays.m_aryAuxPts), std::vector<double>({ 3 }));
    EXPECT_EQ(fromArrays.m_ptRef[2], 0);
    EXPECT_TRUE(fromArrays.m_strName.IsEmpty());

    fromArrays.m_nID = 4;
    fromArrays.m_strName = L"n";
    fromArrays.m_arySideType.Add(2);
    fromArrays.m_aryProp.Add(L"p");
    fromArrays.m_aryBulge.Add(0.5);
    fromArrays.m_ptRef[1] = 8;
    fromArrays.m_bRefSet = true;
    fromArrays.Init();
    EXPECT_EQ(fromArrays.m_aryPoints.GetSize(), 0);
    EXPECT_EQ(fromArrays.m_aryAuxPts.GetSize(), 0);
    EXPECT_EQ(fromArrays.m_aryBulge.GetSize(), 0);
    EXPECT_EQ(fromArrays.m_ptRef[1], 0);
    EXPECT_FALSE(fromArrays.m_bRefSet);
    EXPECT_EQ(fromArrays.m_nID, 4);
    EXPECT_EQ(fromArrays.m_strName, L"n");
    EXPECT_EQ(fromArrays.m_arySideType.GetSize(), 1);
    EXPECT_EQ(fromArrays.m_aryProp.GetSize(), 1);
}

TEST(PicDerData, GetPicPropValTakesTheLastMatchingPair)
{
    CPicDerData record;
    CStringArray list;
    for (const wchar_t* s : { L"w", L"1", L"h", L"2", L"w", L"3", L"odd" })
        list.Add(s);
    CString w = L"w";
    CString upper = L"W";
    CString h = L"h";
    CString odd = L"odd";
    EXPECT_EQ(record.GetPicPropVal(w, &list), L"3");
    EXPECT_EQ(record.GetPicPropVal(h, &list), L"2");
    EXPECT_EQ(record.GetPicPropVal(upper, &list), L"");
    EXPECT_EQ(record.GetPicPropVal(odd, &list), L""); // an odd tail is no pair

    CStringArray single;
    single.Add(L"w");
    EXPECT_EQ(record.GetPicPropVal(w, &single), L"");
    EXPECT_EQ(record.GetPicPropVal(w, nullptr), L"");
}

TEST(PicDerDataGeometry, DegreesUseTheSystemPi)
{
    RecordProbe record;
    EXPECT_EQ(record.DecToFGrd(180), 3.141592653585793);
    EXPECT_EQ(record.DecToFGrd(-90), -1.5707963267928966);
    EXPECT_NE(record.DecToFGrd(180), M_PI);
}

TEST(PicDerDataGeometry, CalIntReportsParallelOutsideAndOnSegment)
{
    CPicDerData record;
    double out[2] = { -7, -7 };
    {
        SCOPED_TRACE("parallel lines leave out untouched");
        double a[2] = { 0, 0 }, b[2] = { 10, 0 }, c[2] = { 0, 5 }, d[2] = { 10, 5 };
        EXPECT_EQ(record.CalInt(a, b, c, d, out), -1);
        EXPECT_EQ(out[0], -7);
    }
    {
        SCOPED_TRACE("crossing outside one segment still written");
        double a[2] = { 0, 0 }, b[2] = { 10, 0 }, c[2] = { 20, -5 }, d[2] = { 20, 5 };
        EXPECT_EQ(record.CalInt(a, b, c, d, out), 0);
        EXPECT_DOUBLE_EQ(out[0], 20);
        EXPECT_DOUBLE_EQ(out[1], 0);
    }
    {
        SCOPED_TRACE("touching at an end point counts");
        double a[2] = { 0, 0 }, b[2] = { 10, 10 }, c[2] = { 10, 10 }, d[2] = { 20, 0 };
        EXPECT_EQ(record.CalInt(a, b, c, d, out), 1);
        EXPECT_DOUBLE_EQ(out[0], 10);
        EXPECT_DOUBLE_EQ(out[1], 10);
    }
    {
        SCOPED_TRACE("a horizontal first line takes x from the second");
        double a[2] = { 0, 3 }, b[2] = { 10, 3 }, c[2] = { 2, 0 }, d[2] = { 6, 6 };
        EXPECT_EQ(record.CalInt(a, b, c, d, out), 1);
        EXPECT_DOUBLE_EQ(out[0], 4);
        EXPECT_DOUBLE_EQ(out[1], 3);
    }
}

TEST(PicDerDataGeometry, OffsetLineMovesToTheLeftOfTravelOnTheScreen)
{
    CPicDerData record;
    double p1[2] = { 0, 0 }, p2[2] = { 10, 0 }, o1[2], o2[2];
    record.OffsetLine(p1, p2, o1, o2, 2);
    // Travelling right on a y-down screen, left is up.
    EXPECT_DOUBLE_EQ(o1[0], 0);
    EXPECT_DOUBLE_EQ(o1[1], -2);
    EXPECT_DOUBLE_EQ(o2[0], 10);
    EXPECT_DOUBLE_EQ(o2[1], -2);

    double q1[2] = { 0, 0 }, q2[2] = { 0, 10 };
    record.OffsetLine(q1, q2, o1, o2, 3);
    EXPECT_DOUBLE_EQ(o1[0], 3);
    EXPECT_DOUBLE_EQ(o2[1], 10);

    // No direction, no move: the result stays finite.
    double z[2] = { 4, 5 };
    record.OffsetLine(z, z, o1, o2, 3);
    EXPECT_EQ(o1[0], 4);
    EXPECT_EQ(o1[1], 5);
    EXPECT_EQ(o2[0], 4);
}

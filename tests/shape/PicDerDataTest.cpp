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

// _wtof, tested with the runtime, reads each field; here: where fields end.
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
    const struct {
        const wchar_t* text;
        std::vector<std::wstring> expected;
    } cases[] = {
        { L"a\t\tb", { L"a", L"", L"b" } },
        { L"a\tb\t", { L"a", L"b" } },
        { L"\t", { L"" } },
        { L"", {} },
        { L"直线\t圆弧\t", { L"直线", L"圆弧" } },
    };
    for (const auto& c : cases) {
        record.GetPropFromstrAry(c.text, out);
        EXPECT_EQ(Strings(out), c.expected) << testing::PrintToString(std::wstring(c.text));
    }
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

TEST(PicDerDataExchange, SetDataFillsTheFieldsInOrderAndGetDataWritesThemBack)
{
    CPicDerData source;
    const CString points = L"10.5\t-20.25\t30.12345\t40\t";
    const CString model = L"-1\t-1\t1234.56789\t0.00001\t";
    const CString codes = L"3\tx\t3000000000\t";
    const CString names = L"直线\t\t圆弧\t";
    const CString bulges = L"1\t-0.5\t";
    const double ref[2] = { 4, 5 };
    const double modelRef[2] = { 6, 7 };
    source.SetData(1, &points, &model, &codes, &names, &bulges, ref, modelRef);
    EXPECT_EQ(source.m_nID, 1);
    EXPECT_EQ(Values(source.m_aryPoints), std::vector<double>({ 10.5, -20.25, 30.12345, 40 }));
    EXPECT_EQ(Values(source.m_aryAuxPts), std::vector<double>({ -1, -1, 1234.56789, 0.00001 }));
    EXPECT_EQ(Values(source.m_aryBulge), std::vector<double>({ 1, -0.5 }));
    ASSERT_EQ(source.m_arySideType.GetSize(), 3);
    EXPECT_EQ(std::vector<UINT>(source.m_arySideType.GetData(), source.m_arySideType.GetData() + 3),
        std::vector<UINT>({ 3, 0, 2147483647u })); // _wtoi clamps to 32 bits
    EXPECT_EQ(Strings(source.m_aryProp), std::vector<std::wstring>({ L"直线", L"", L"圆弧" }));
    EXPECT_EQ(std::vector<double>(source.m_ptRef, source.m_ptRef + 4), std::vector<double>({ 4, 5, 6, 7 }));
    EXPECT_TRUE(source.m_bRefSet);

    source.m_arySideType[2] = 3000000000u;
    CString outPoints, outModel, outCodes, outNames, outBulges;
    double outRef[2] = {};
    double outModelRef[2] = {};
    source.GetData(&outPoints, &outModel, &outCodes, &outNames, &outBulges, outRef, outModelRef);
    EXPECT_EQ(outPoints, L"10.50000\t-20.25000\t30.12345\t40.00000\t");
    EXPECT_EQ(outModel, L"-1.00000\t-1.00000\t1234.56789\t0.00001\t");
    EXPECT_EQ(outCodes, L"3\t0\t-1294967296\t");
    EXPECT_EQ(outNames, L"直线\t\t圆弧\t");
    EXPECT_EQ(outBulges, L"1.00000\t-0.50000\t");
    EXPECT_EQ(outRef[0], 4);
    EXPECT_EQ(outModelRef[1], 7);

    CPicDerData copy;
    copy.SetData(1, &outPoints, &outModel, &outCodes, &outNames, &outBulges, outRef, outModelRef);
    ASSERT_EQ(copy.m_arySideType.GetSize(), 3);
    EXPECT_EQ(copy.m_arySideType[2], 3000000000u); // negative text, same 32 bits

    // Null strings leave their fields on both sides; the identifier and the
    // reference points always go through.
    const double ref2[2] = { 9, 8 };
    const double modelRef2[2] = { 7, 6 };
    copy.m_strName = L"keep";
    copy.SetData(-5, nullptr, nullptr, nullptr, nullptr, nullptr, ref2, modelRef2);
    EXPECT_EQ(copy.m_nID, -5);
    EXPECT_EQ(Values(copy.m_aryPoints), Values(source.m_aryPoints));
    EXPECT_EQ(Values(copy.m_aryAuxPts), Values(source.m_aryAuxPts));
    EXPECT_EQ(Values(copy.m_aryBulge), Values(source.m_aryBulge));
    EXPECT_EQ(Strings(copy.m_aryProp), Strings(source.m_aryProp));
    EXPECT_EQ(copy.m_arySideType.GetSize(), 3);
    EXPECT_EQ(copy.m_strName, L"keep");
    EXPECT_EQ(std::vector<double>(copy.m_ptRef, copy.m_ptRef + 4), std::vector<double>({ 9, 8, 7, 6 }));
    double r[2] = { -9, -9 };
    double mr[2] = { -9, -9 };
    copy.GetData(nullptr, nullptr, nullptr, nullptr, nullptr, r, mr);
    EXPECT_EQ(r[1], 8);
    EXPECT_EQ(mr[0], 7);
}

TEST(PicDerData, ConstructionFromArraysAndInitResetTheGeometryOnly)
{
    CString name = L"unused";
    CArray<double, const double&> points;
    CArray<double, const double&> model;
    points.Add(1);
    points.Add(2);
    model.Add(3);
    CPicDerData record(name, 0, 0, points, model);
    EXPECT_EQ(Values(record.m_aryPoints), std::vector<double>({ 1, 2 }));
    EXPECT_EQ(Values(record.m_aryAuxPts), std::vector<double>({ 3 }));
    EXPECT_TRUE(record.m_strName.IsEmpty());

    record.m_nID = 4;
    record.m_strName = L"n";
    record.m_arySideType.Add(2);
    record.m_aryProp.Add(L"p");
    record.m_aryBulge.Add(0.5);
    record.m_ptRef[1] = 8;
    record.m_bRefSet = true;
    record.Init();
    EXPECT_EQ(record.m_aryPoints.GetSize() + record.m_aryAuxPts.GetSize() + record.m_aryBulge.GetSize(), 0);
    EXPECT_EQ(record.m_ptRef[1], 0);
    EXPECT_FALSE(record.m_bRefSet);
    EXPECT_EQ(record.m_nID, 4);
    EXPECT_EQ(record.m_strName, L"n");
    EXPECT_EQ(record.m_arySideType.GetSize() + record.m_aryProp.GetSize(), 2);
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
    const struct {
        const char* label;
        double a[2], b[2], c[2], d[2];
        int result;
        double x, y; // -7 where the output stays as it was
    } cases[] = {
        { "parallel lines leave out untouched", { 0, 0 }, { 10, 0 }, { 0, 5 }, { 10, 5 }, -1, -7, -7 },
        { "crossing outside one segment still written", { 0, 0 }, { 10, 0 }, { 20, -5 }, { 20, 5 }, 0, 20, 0 },
        { "touching at an end point counts", { 0, 0 }, { 10, 10 }, { 10, 10 }, { 20, 0 }, 1, 10, 10 },
        { "a horizontal first line takes x from the second", { 0, 3 }, { 10, 3 }, { 2, 0 }, { 6, 6 }, 1, 4, 3 },
    };
    for (auto c : cases) {
        SCOPED_TRACE(c.label);
        double out[2] = { -7, -7 };
        EXPECT_EQ(record.CalInt(c.a, c.b, c.c, c.d, out), c.result);
        EXPECT_DOUBLE_EQ(out[0], c.x);
        EXPECT_DOUBLE_EQ(out[1], c.y);
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

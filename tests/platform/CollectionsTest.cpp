// The framework arrays: bounds checks that raise the invalid-argument
// exception where MFC raises it, and the growth rules the library relies on.
// The exception object is shared and never freed, so EXPECT_THROW may drop it.
#include "platform/AfxWin.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using DoubleArray = CArray<double, const double&>;

DoubleArray& Fill(DoubleArray& array, std::initializer_list<double> values)
{
    array.RemoveAll();
    for (double value : values)
        array.Add(value);
    return array;
}

std::vector<double> Elements(const DoubleArray& array)
{
    return std::vector<double>(array.GetData(), array.GetData() + array.GetSize());
}

class CCollectionItem : public CObject { };

} // namespace

TEST(CArray, EveryIndexOutsideTheArrayRaises)
{
    DoubleArray array;
    Fill(array, { 1.5, 2.5, 3.5 });
    const DoubleArray& constArray = array;
    for (INT_PTR index : { INT_PTR(-1), INT_PTR(3), INT_PTR(1000) }) {
        SCOPED_TRACE(index);
        EXPECT_THROW(array.GetAt(index), CInvalidArgException*);
        EXPECT_THROW(constArray.GetAt(index), CInvalidArgException*);
        EXPECT_THROW(array.SetAt(index, 9.0), CInvalidArgException*);
        EXPECT_THROW(array.ElementAt(index), CInvalidArgException*);
        EXPECT_THROW(array[index], CInvalidArgException*);
        EXPECT_THROW(constArray[index], CInvalidArgException*);
    }
    EXPECT_EQ(Elements(array), (std::vector<double> { 1.5, 2.5, 3.5 })) << "a refused write changed the array";

    SCOPED_TRACE("the last element is reachable and writable through every accessor");
    array.ElementAt(2) = 4.0;
    array[0] = -1.0;
    array.SetAt(1, 0.25);
    EXPECT_EQ(Elements(array), (std::vector<double> { -1.0, 0.25, 4.0 }));
    EXPECT_THROW(DoubleArray().GetAt(0), CInvalidArgException*);
}

TEST(CArray, RemoveAtRefusesRangesThatLeaveTheArray)
{
    DoubleArray array;
    Fill(array, { 0, 1, 2, 3, 4 });
    EXPECT_THROW(array.RemoveAt(3, 3), CInvalidArgException*);
    EXPECT_THROW(array.RemoveAt(5), CInvalidArgException*);
    EXPECT_THROW(array.RemoveAt(-1), CInvalidArgException*);
    EXPECT_THROW(array.RemoveAt(1, -1), CInvalidArgException*);
    EXPECT_THROW(array.RemoveAt(1, INTPTR_MAX), CInvalidArgException*); // the end overflows
    EXPECT_EQ(array.GetSize(), 5) << "a refused range removed elements";

    SCOPED_TRACE("ranges that end at the end");
    EXPECT_NO_THROW(array.RemoveAt(5, 0));
    array.RemoveAt(1, 2);
    EXPECT_EQ(Elements(array), (std::vector<double> { 0, 3, 4 }));
    array.RemoveAt(1, 2);
    EXPECT_EQ(Elements(array), (std::vector<double> { 0 }));
}

TEST(CArray, InsertAtAndSetSizeShiftOrGrowWithZeros)
{
    DoubleArray array;
    Fill(array, { 1, 2, 3 });
    EXPECT_THROW(array.InsertAt(-1, 7.0), CInvalidArgException*);
    EXPECT_THROW(array.InsertAt(1, 7.0, 0), CInvalidArgException*);
    EXPECT_THROW(array.InsertAt(1, 7.0, -2), CInvalidArgException*);
    EXPECT_EQ(array.GetSize(), 3);

    array.InsertAt(1, 9.5, 2);
    EXPECT_EQ(Elements(array), (std::vector<double> { 1, 9.5, 9.5, 2, 3 }));
    array.InsertAt(7, 8.0); // past the end: the gap is zero-filled
    EXPECT_EQ(Elements(array), (std::vector<double> { 1, 9.5, 9.5, 2, 3, 0, 0, 8 }));

    SCOPED_TRACE("the value is an element of the array itself, which the insertion moves");
    array.InsertAt(0, array[7], 3);
    EXPECT_EQ(Elements(array), (std::vector<double> { 8, 8, 8, 1, 9.5, 9.5, 2, 3, 0, 0, 8 }));

    SCOPED_TRACE("shrinking may keep the storage; growing again must not bring the old values back");
    EXPECT_THROW(array.SetSize(-1), CInvalidArgException*);
    array.SetSize(2);
    array.SetSize(4);
    EXPECT_EQ(Elements(array), (std::vector<double> { 8, 8, 0, 0 }));
}

TEST(CArray, AddAppendAndCopy)
{
    DoubleArray first, second;
    EXPECT_EQ(first.Add(10), 0);
    EXPECT_EQ(first.Add(20), 1);
    Fill(second, { 30, 40 });
    EXPECT_EQ(first.Append(second), 2); // the size before appending
    EXPECT_EQ(Elements(first), (std::vector<double> { 10, 20, 30, 40 }));
    EXPECT_THROW(first.Append(first), CInvalidArgException*);
    EXPECT_EQ(first.GetSize(), 4);

    SCOPED_TRACE("Copy replaces the contents; a copy of itself changes nothing");
    first.Copy(second);
    first.Copy(first);
    second.SetAt(0, -1);
    EXPECT_EQ(Elements(first), (std::vector<double> { 30, 40 }));
}

TEST(CStringArray, AddsTextOrCStringAndGrowsWithEmptyStrings)
{
    CStringArray strings;
    EXPECT_EQ(strings.Add(L"first"), 0);
    EXPECT_EQ(strings.Add(CString(L"second")), 1);
    strings.InsertAt(3, L"fourth");
    EXPECT_EQ(strings.GetSize(), 4);
    EXPECT_TRUE(strings[0] == L"first");
    EXPECT_TRUE(strings[1] == L"second");
    EXPECT_TRUE(strings[2].IsEmpty());
    EXPECT_TRUE(strings[3] == L"fourth");
}

TEST(CTypedPtrArray, HandsBackTypedPointersOverCObArray)
{
    CCollectionItem a, b, c;
    CTypedPtrArray<CObArray, CCollectionItem*> items;
    EXPECT_EQ(items.Add(&a), 0);
    EXPECT_EQ(items.Add(&b), 1);
    EXPECT_EQ(items.GetAt(1), &b);

    SCOPED_TRACE("ElementAt and operator[] write through to the stored pointer");
    items.ElementAt(0) = &c;
    items[1] = &a;
    const CObArray& base = items;
    EXPECT_EQ(base.GetAt(0), static_cast<CObject*>(&c));
    EXPECT_EQ(base.GetAt(1), static_cast<CObject*>(&a));
    EXPECT_THROW(items.ElementAt(-1), CInvalidArgException*) << "the bounds are the base array's";
}

// The shape record's string forms: SetData from fuzzed TAB-separated
// strings, GetData, and the same again must give the same strings (the
// first pass rounds numbers to five decimals, the second changes nothing),
// for numbers the "%.5lf" form can hold exactly. The record then becomes an
// outline and is written back, as the control does with it.
#include "Shapix.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Text made of the characters the parsers care about.
CString FuzzedList(FuzzedDataProvider& data)
{
    static constexpr wchar_t kAlphabet[] = L"0123456789\t\t\t.-+eE xin\x76F4\x7EBF";
    const std::string bytes = data.ConsumeRandomLengthString(96);
    std::wstring text;
    for (unsigned char c : bytes)
        text += kAlphabet[c % (std::size(kAlphabet) - 1)];
    return CString(text.c_str());
}

struct Forms {
    CString points, model, types, names, bulges;
    double ref[2] = {};
    double modelRef[2] = {};

    void Read(CShapixCtrl::CPicDerData& record)
    {
        record.GetData(&points, &model, &types, &names, &bulges, ref, modelRef);
    }
    bool operator==(const Forms& other) const
    {
        return points == other.points && model == other.model && types == other.types && names == other.names
            && bulges == other.bulges;
    }
};

bool Exact(const CArray<double, const double&>& values)
{
    for (INT_PTR i = 0; i < values.GetSize(); ++i) {
        if (!(std::fabs(values[i]) < 1e9))
            return false;
    }
    return true;
}

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "StringFormsFuzz: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const CString points = FuzzedList(data);
    const CString model = FuzzedList(data);
    const CString types = FuzzedList(data);
    const CString names = FuzzedList(data);
    const CString bulges = FuzzedList(data);
    const double ref[2] = { data.ConsumeFloatingPointInRange(-1e6, 1e6), data.ConsumeFloatingPointInRange(-1e6, 1e6) };
    const LONG id = data.ConsumeIntegral<int32_t>();

    CShapixCtrl::CPicDerData record;
    record.SetData(id, &points, &model, &types, &names, &bulges, ref, ref);
    Forms first;
    first.Read(record);

    CShapixCtrl::CPicDerData again;
    again.SetData(id, &first.points, &first.model, &first.types, &first.names, &first.bulges, first.ref,
        first.modelRef);
    Forms second;
    second.Read(again);
    if (Exact(record.m_aryPoints) && Exact(record.m_aryAuxPts) && Exact(record.m_aryBulge) && !(first == second))
        Fail("the second round trip changed the strings");
    if (again.m_nID != id || second.ref[0] != first.ref[0] || second.modelRef[1] != first.modelRef[1])
        Fail("the identifier or the reference point changed");

    // Names split and joined give the list back.
    CStringArray list;
    CStringArray relisted;
    CString joined;
    record.GetPropFromstrAry(names, list);
    record.WriPropFromstrAry(joined, list);
    record.GetPropFromstrAry(joined, relisted);
    if (list.GetSize() != relisted.GetSize())
        Fail("names joined and split again lost or gained fields");
    for (INT_PTR i = 0; i < list.GetSize(); ++i) {
        if (list[i] != relisted[i])
            Fail("names joined and split again changed a field");
    }
    CString name = list.GetSize() > 0 ? list[0] : CString();
    record.GetPicPropVal(name, &list);

    // The record as the control takes it and gives it back.
    CMyDrawPoly poly(&record);
    CShapixCtrl::CPicDerData back;
    poly.FillRetData(&back);
    Forms written;
    written.Read(back);
    return 0;
}

// _wtof and _wtoi as the Windows runtime reads numbers.
#include "platform/AfxWin.h"

#include <gtest/gtest.h>

#include <climits>

TEST(Wtof, ReadsTheLongestDecimalPrefix)
{
    struct Case {
        const wchar_t* text;
        double expected;
    };
    const Case cases[] = {
        { L" \t\n3.25", 3.25 }, // leading white space is skipped
        { L"+2", 2.0 },
        { L"-.5", -0.5 },
        { L"0.1", 0.1 }, // correctly rounded, not summed digit by digit
        { L"1.5abc", 1.5 },
        { L"1e3", 1000.0 },
        { L"2.5E-2", 0.025 },
        { L"1e", 1.0 }, // an exponent without digits is not part of the number
        { L"1e+", 1.0 },
        { L"1d2", 100.0 }, // the runtime's old Fortran-style exponent letter
        { L"7.e1", 70.0 },
        { L".", 0.0 },
        { L"-", 0.0 },
        { L"0x1A", 0.0 }, // decimal only
        { L"inf", 0.0 },
        { L"nan", 0.0 },
        { L"1,5", 1.0 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(_wtof(c.text), c.expected) << "text " << testing::PrintToString(std::wstring(c.text));
    EXPECT_EQ(_wtof(nullptr), 0.0);
}

TEST(Wtoi, ReadsSignedDecimalClampedToThirtyTwoBits)
{
    struct Case {
        const wchar_t* text;
        int expected;
    };
    const Case cases[] = {
        { L"  42", 42 },
        { L"+7", 7 },
        { L"12abc", 12 },
        { L"abc", 0 },
        { L"- 5", 0 }, // no white space after the sign
        { L"0x10", 0 },
        { L"2147483647", INT_MAX },
        { L"-2147483648", INT_MIN },
        { L"3000000000", INT_MAX },
        { L"-3000000000", INT_MIN },
        { L"-1294967296", -1294967296 }, // would be 3000000000 wrapped into 32 bits
        { L"4294967296", INT_MAX }, // 2^32 must not wrap to 0
        { L"99999999999999999999999", INT_MAX }, // past 64 bits as well
        { L"-99999999999999999999999", INT_MIN },
    };
    for (const Case& c : cases)
        EXPECT_EQ(_wtoi(c.text), c.expected) << "text " << testing::PrintToString(std::wstring(c.text));
    EXPECT_EQ(_wtoi(nullptr), 0);
}

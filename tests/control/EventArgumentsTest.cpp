// The arrangement of event arguments in DISPPARAMS, apart from any control.
#include "module/control/EventArguments.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring Text(const VARIANT& value) { return V_BSTR(&value) != nullptr ? V_BSTR(&value) : L""; }

TEST(EventArguments, LastParameterComesFirstInTheArrayEachAsItsVariantType) {
    EventArguments arguments;
    arguments.Int(7).AnsiText("document").AnsiText(nullptr).Bool(true).Bool(false).Short(-3);
    const DISPPARAMS* params = arguments.Params();

    ASSERT_EQ(6u, params->cArgs);
    EXPECT_EQ(0u, params->cNamedArgs);
    EXPECT_EQ(nullptr, params->rgdispidNamedArgs);
    const VARIANT* args = params->rgvarg;
    EXPECT_EQ(VT_I2, V_VT(&args[0]));
    EXPECT_EQ(-3, V_I2(&args[0]));
    EXPECT_EQ(VT_BOOL, V_VT(&args[1]));
    EXPECT_EQ(VARIANT_FALSE, V_BOOL(&args[1]));
    EXPECT_EQ(VARIANT_TRUE, V_BOOL(&args[2]));
    // A null text is an empty string, not a null BSTR.
    EXPECT_EQ(VT_BSTR, V_VT(&args[3]));
    ASSERT_NE(nullptr, V_BSTR(&args[3]));
    EXPECT_EQ(0u, SysStringLen(V_BSTR(&args[3])));
    EXPECT_EQ(L"document", Text(args[4]));
    EXPECT_EQ(VT_I4, V_VT(&args[5]));
    EXPECT_EQ(7, V_I4(&args[5]));
}

TEST(EventArguments, PointerTravelsAsAnIntegerOfThePointersSize) {
    DWORD effect = 0;
    EventArguments arguments;
    arguments.Pointer(&effect);
    const VARIANT& value = arguments.Params()->rgvarg[0];

#ifdef _WIN64
    EXPECT_EQ(VT_I8, V_VT(&value));
    EXPECT_EQ(reinterpret_cast<LONGLONG>(&effect), V_I8(&value));
#else
    EXPECT_EQ(VT_I4, V_VT(&value));
    EXPECT_EQ(reinterpret_cast<LONG>(&effect), V_I4(&value));
#endif
}

TEST(EventArguments, TextIsConvertedFromTheAnsiCodePage) {
    if (GetACP() != 1252) GTEST_SKIP() << "the check is written for code page 1252, this one is " << GetACP();
    EventArguments arguments;
    arguments.AnsiText("\xE9t\xE9 \x80");
    EXPECT_EQ(L"\u00E9t\u00E9 \u20AC", Text(arguments.Params()->rgvarg[0]));
}

}  // namespace

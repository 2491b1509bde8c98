// The arrangement of event arguments in DISPPARAMS, apart from any control.
#include "module/control/EventArguments.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring Text(const VARIANT& value) { return V_BSTR(&value) != nullptr ? V_BSTR(&value) : L""; }

TEST(EventArguments, LastParameterComesFirstInTheArray) {
    EventArguments arguments;
    arguments.Int(7).AnsiText("document").Bool(true);
    const DISPPARAMS* params = arguments.Params();

    ASSERT_EQ(3u, params->cArgs);
    EXPECT_EQ(0u, params->cNamedArgs);
    EXPECT_EQ(nullptr, params->rgdispidNamedArgs);
    EXPECT_EQ(VT_BOOL, V_VT(&params->rgvarg[0]));
    EXPECT_EQ(VARIANT_TRUE, V_BOOL(&params->rgvarg[0]));
    EXPECT_EQ(VT_BSTR, V_VT(&params->rgvarg[1]));
    EXPECT_EQ(L"document", Text(params->rgvarg[1]));
    EXPECT_EQ(VT_I4, V_VT(&params->rgvarg[2]));
    EXPECT_EQ(7, V_I4(&params->rgvarg[2]));
}

TEST(EventArguments, FalseIsVariantFalseAndShortIsI2) {
    EventArguments arguments;
    arguments.Bool(false).Short(-3);
    const DISPPARAMS* params = arguments.Params();

    ASSERT_EQ(2u, params->cArgs);
    EXPECT_EQ(VT_I2, V_VT(&params->rgvarg[0]));
    EXPECT_EQ(-3, V_I2(&params->rgvarg[0]));
    EXPECT_EQ(VT_BOOL, V_VT(&params->rgvarg[1]));
    EXPECT_EQ(VARIANT_FALSE, V_BOOL(&params->rgvarg[1]));
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

TEST(EventArguments, NullTextBecomesAnEmptyStringNotANullBstr) {
    EventArguments arguments;
    arguments.AnsiText(nullptr);
    const VARIANT& value = arguments.Params()->rgvarg[0];

    EXPECT_EQ(VT_BSTR, V_VT(&value));
    ASSERT_NE(nullptr, V_BSTR(&value));
    EXPECT_EQ(0u, SysStringLen(V_BSTR(&value)));
}

TEST(EventArguments, TextIsConvertedFromTheAnsiCodePage) {
    if (GetACP() != 1252) GTEST_SKIP() << "the check is written for code page 1252, this one is " << GetACP();
    EventArguments arguments;
    arguments.AnsiText("\xE9t\xE9 \x80");
    EXPECT_EQ(L"\u00E9t\u00E9 \u20AC", Text(arguments.Params()->rgvarg[0]));
}

}  // namespace

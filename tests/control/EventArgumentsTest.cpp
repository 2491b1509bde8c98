// The arrangement of event arguments in DISPPARAMS, apart from any control.
// Order, types and addresses as a sink receives them: ConnectionPointTest.
#include "module/control/EventArguments.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring Text(const VARIANT& value) { return V_BSTR(&value) != nullptr ? V_BSTR(&value) : L""; }

TEST(EventArguments, TextIsConvertedFromTheAnsiCodePageAndANullTextIsAnEmptyString) {
    EventArguments arguments;
    arguments.AnsiText("\xE9t\xE9 \x80").AnsiText(nullptr);
    const DISPPARAMS* params = arguments.Params();
    ASSERT_EQ(2u, params->cArgs);
    EXPECT_EQ(VT_BSTR, V_VT(&params->rgvarg[0]));
    ASSERT_NE(nullptr, V_BSTR(&params->rgvarg[0]));
    EXPECT_EQ(0u, SysStringLen(V_BSTR(&params->rgvarg[0])));
    if (GetACP() != 1252) GTEST_SKIP() << "the check is written for code page 1252, this one is " << GetACP();
    EXPECT_EQ(L"\u00E9t\u00E9 \u20AC", Text(params->rgvarg[1]));
}

}  // namespace

// The Windows-free part of the accessible object's Invoke: standard headers only.
#include "devicepane/AccessibleArguments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace accessible;

constexpr std::uint16_t kGet = kPropertyGet;
constexpr std::uint16_t kPut = kPropertyPut;
constexpr std::uint16_t kRefI4 = kTypeByRef | kTypeI4;
constexpr std::uint16_t kRefVariant = kTypeByRef | kTypeVariant;
constexpr std::uint16_t kRefBstr = kTypeByRef | kTypeBstr;
constexpr std::uint16_t kRefI2 = kTypeByRef | 2;

struct Case {
    const char* what;
    std::int32_t dispid;
    std::uint16_t flags;
    std::vector<std::uint16_t> types;  // block order: the last parameter first
    std::vector<std::int32_t> named;
    std::int32_t status;
    std::vector<unsigned> source;  // by parameter position, when kOk
    unsigned argumentError;        // when kTypeMismatch
};

TEST(AccessibleArguments, ArrangesNamedAndPositionalArgumentsAndRefusesWhatNoMemberTakes) {
    const std::uint16_t I4 = kTypeI4, BSTR = kTypeBstr, kRefArray = kRefI4 | kTypeArray;
    const std::vector<std::uint16_t> location{I4, kRefI4, kRefVariant, kRefI4, kRefVariant};
    const Case cases[] = {
        {"child count takes nothing", -5001, kGet, {}, {}, kOk, {}, 0},
        {"positional: the last parameter comes first", -5014, 1, {I4, I4}, {}, kOk, {1, 0}, 0},
        {"named child, positional flags", -5014, 1, {I4, I4}, {1}, kOk, {1, 0}, 0},
        {"both named, in any order", -5017, 1, {I4, I4}, {0, 1}, kOk, {0, 1}, 0},
        {"a put names its value DISPID_PROPERTYPUT", -5003, kPut, {BSTR, I4}, {kPropertyPutDispid}, kOk, {1, 0}, 0},
        {"accName with get and method flags is the get", -5003, kGet | 1, {I4}, {}, kOk, {0}, 0},
        {"location: four outputs then the child", -5015, 1, location, {}, kOk, {4, 3, 2, 1, 0}, 0},
        {"help topic takes a referenced BSTR", -5009, kGet, {I4, kRefBstr}, {}, kOk, {1, 0}, 0},
        {"help topic takes a plain value", -5009, kGet, {I4, kTypeI4}, {}, kOk, {1, 0}, 0},
        {"six arguments", -5015, 1, {I4, I4, I4, I4, I4, I4}, {}, kBadParamCount, {}, 0},
        {"more named than arguments", -5002, kGet, {I4}, {0, 1}, kBadParamCount, {}, 0},
        {"a named position beyond the count", -5002, kGet, {I4}, {1}, kBadParamCount, {}, 0},
        {"a negative named position", -5002, kGet, {I4}, {-7}, kBadParamCount, {}, 0},
        {"DISPID_PROPERTYPUT outside a put", -5002, kGet, {I4}, {kPropertyPutDispid}, kBadParamCount, {}, 0},
        {"one position named twice", -5017, 1, {I4, I4}, {1, 1}, kBadParamCount, {}, 0},
        {"arrangement is checked before the member", 0, 1, {I4}, {3}, kBadParamCount, {}, 0},
        {"DISPID 0", 0, 1, {}, {}, kMemberNotFound, {}, 0},
        {"beyond the last name", -5019, 1, {I4}, {}, kMemberNotFound, {}, 0},
        {"accValue neither get nor put", -5004, 1, {I4}, {}, kMemberNotFound, {}, 0},
        {"child count with a child", -5001, kGet, {I4}, {}, kBadParamCount, {}, 0},
        {"a get of accName with the put's two", -5003, kGet, {BSTR, I4}, {}, kBadParamCount, {}, 0},
        {"location with three outputs", -5015, 1, {I4, kRefI4, kRefI4, kRefI4}, {}, kBadParamCount, {}, 0},
        {"location output passed by value", -5015, 1, {I4, kRefI4, kRefI4, kTypeI4, kRefI4}, {}, kTypeMismatch, {}, 1},
        {"location output of 16 bits", -5015, 1, {I4, kRefI4, kRefI4, kRefI4, kRefI2}, {}, kTypeMismatch, {}, 0},
        {"location output in an array", -5015, 1, {I4, kRefArray, kRefI4, kRefI4, kRefI4}, {}, kTypeMismatch, {}, 3},
        {"help file referenced as an integer", -5009, kGet, {I4, kRefI4}, {}, kTypeMismatch, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const CParameterBlock block{static_cast<unsigned>(c.types.size()), c.types.data(),
                                    static_cast<unsigned>(c.named.size()), c.named.data()};
        CArrangedCall call{};
        call.count = 99;
        unsigned argumentError = 99;
        EXPECT_EQ(c.status, Arrange(c.dispid, c.flags, &block, call, argumentError));
        if (c.status == kOk) {
            ASSERT_EQ(c.source.size(), call.count);
            for (unsigned p = 0; p < call.count; ++p) EXPECT_EQ(c.source[p], call.source[p]) << "position " << p;
        } else {
            EXPECT_EQ(99u, call.count) << "a refused call is left as it was";
        }
        EXPECT_EQ(c.status == kTypeMismatch ? c.argumentError : 99u, argumentError);
    }
    // Blocks that cannot be read are refused before they are.
    CArrangedCall call{};
    unsigned argumentError = 0;
    const CParameterBlock tooMany{1000, nullptr, 0, nullptr}, noTypes{1, nullptr, 0, nullptr};
    EXPECT_EQ(kBadVarType, Arrange(-5001, kGet, nullptr, call, argumentError));
    EXPECT_EQ(kBadParamCount, Arrange(-5001, kGet, &tooMany, call, argumentError));
    EXPECT_EQ(kInvalidArgument, Arrange(-5002, kGet, &noTypes, call, argumentError));
}

TEST(AccessibleArguments, NamesAreLookedUpCaseSensitivelyAndTheFirstUnknownStopsTheWalk) {
    const char16_t* names[] = {u"accName", u"accname", u"accRole"};
    std::int32_t ids[] = {1, 1, 1};
    EXPECT_EQ(kUnknownName, LookUpNames(names, 3, ids));
    EXPECT_EQ(-5003, ids[0]);
    EXPECT_EQ(1, ids[1]);
    EXPECT_EQ(1, ids[2]);

    // The accessibility standard's names and DISPIDs, -5000 onwards.
    const char16_t* standard[] = {
        u"accParent",           u"accChildCount", u"accChild",     u"accName",           u"accValue",
        u"accDescription",      u"accRole",       u"accState",     u"accHelp",           u"accHelpTopic",
        u"accKeyboardShortcut", u"accFocus",      u"accSelection", u"accDefaultAction",  u"accSelect",
        u"accLocation",         u"accNavigate",   u"accHitTest",   u"accDoDefaultAction"};
    std::int32_t all[std::size(standard)] = {};
    EXPECT_EQ(kOk, LookUpNames(standard, static_cast<unsigned>(std::size(standard)), all));
    for (std::int32_t i = 0; i < static_cast<std::int32_t>(std::size(standard)); ++i)
        EXPECT_EQ(-5000 - i, all[i]) << "name " << i;
    const char16_t* odd[] = {u"accNam", u"accNameX", u"", nullptr};
    for (const char16_t* name : odd) {
        std::int32_t id = 7;
        EXPECT_EQ(kUnknownName, LookUpNames(&name, 1, &id));
        EXPECT_EQ(7, id);
    }
    EXPECT_EQ(kOk, (LookUpNames<char16_t, std::int32_t>(nullptr, 0, nullptr)));
    EXPECT_EQ(kPointer, (LookUpNames<char16_t, std::int32_t>(nullptr, 1, ids)));
}

}  // namespace

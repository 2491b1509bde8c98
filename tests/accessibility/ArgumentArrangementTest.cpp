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
    const std::uint16_t I4 = kTypeI4, BSTR = kTypeBstr;
    const Case cases[] = {
        {"child count takes nothing", -5001, kGet, {}, {}, kOk, {}, 0},
        {"positional: the last parameter comes first", -5014, 1, {I4, I4}, {}, kOk, {1, 0}, 0},
        {"named child, positional flags", -5014, 1, {I4, I4}, {1}, kOk, {1, 0}, 0},
        {"both named, in any order", -5017, 1, {I4, I4}, {0, 1}, kOk, {0, 1}, 0},
        {"a put names its value DISPID_PROPERTYPUT", -5003, kPut, {BSTR, I4}, {kPropertyPutDispid}, kOk, {1, 0}, 0},
        {"accName with get and method flags is the get", -5003, kGet | 1, {I4}, {}, kOk, {0}, 0},
        {"location: four outputs then the child",
         -5015,
         1,
         {I4, kRefI4, kRefVariant, kRefI4, kRefVariant},
         {},
         kOk,
         {4, 3, 2, 1, 0},
         0},
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
        {"location output as a referenced array",
         -5015,
         1,
         {I4, std::uint16_t(kRefI4 | kTypeArray), kRefI4, kRefI4, kRefI4},
         {},
         kTypeMismatch,
         {},
         3},
        {"help file referenced as an integer", -5009, kGet, {I4, kRefI4}, {}, kTypeMismatch, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const CParameterBlock block{static_cast<unsigned>(c.types.size()), c.types.data(),
                                    static_cast<unsigned>(c.named.size()), c.named.data()};
        CArrangedCall call{};
        unsigned argumentError = 99;
        EXPECT_EQ(c.status, Arrange(c.dispid, c.flags, &block, call, argumentError));
        if (c.status == kOk) {
            ASSERT_EQ(c.source.size(), call.count);
            for (unsigned p = 0; p < call.count; ++p) EXPECT_EQ(c.source[p], call.source[p]) << "position " << p;
        }
        EXPECT_EQ(c.status == kTypeMismatch ? c.argumentError : 99u, argumentError);
    }
}

TEST(AccessibleArguments, EachOfTheNineteenNamesReachesItsMemberWithItsParameterUses) {
    // A referenced VARIANT suits every parameter of every member.
    const std::uint16_t variants[] = {kRefVariant, kRefVariant, kRefVariant, kRefVariant, kRefVariant};
    struct {
        std::int32_t dispid;
        std::uint16_t flags;
        unsigned count;
        Member member;
        Use first;
    } const members[] = {
        {-5000, kGet, 0, Member::GET_PARENT, Use::CHILD},
        {-5001, kGet, 0, Member::GET_CHILD_COUNT, Use::CHILD},
        {-5002, kGet, 1, Member::GET_CHILD, Use::CHILD},
        {-5003, kPut, 2, Member::PUT_NAME, Use::CHILD},
        {-5004, kGet, 1, Member::GET_VALUE, Use::CHILD},
        {-5004, kPut, 2, Member::PUT_VALUE, Use::CHILD},
        {-5005, kGet, 1, Member::GET_DESCRIPTION, Use::CHILD},
        {-5006, kGet, 1, Member::GET_ROLE, Use::CHILD},
        {-5007, kGet, 1, Member::GET_STATE, Use::CHILD},
        {-5008, kGet, 1, Member::GET_HELP, Use::CHILD},
        {-5009, kGet, 2, Member::GET_HELP_TOPIC, Use::STRING_OUT},
        {-5010, kGet, 1, Member::GET_KEYBOARD_SHORTCUT, Use::CHILD},
        {-5011, kGet, 0, Member::GET_FOCUS, Use::CHILD},
        {-5012, kGet, 0, Member::GET_SELECTION, Use::CHILD},
        {-5013, kGet, 1, Member::GET_DEFAULT_ACTION, Use::CHILD},
        {-5014, 1, 2, Member::SELECT, Use::COERCED_NUMBER},
        {-5015, 1, 5, Member::LOCATION, Use::NUMBER_OUT},
        {-5016, 1, 2, Member::NAVIGATE, Use::COERCED_NUMBER},
        {-5017, 1, 2, Member::HIT_TEST, Use::COERCED_NUMBER},
        {-5018, 1, 1, Member::DO_DEFAULT_ACTION, Use::CHILD},
    };
    for (const auto& m : members) {
        SCOPED_TRACE(m.dispid);
        const CParameterBlock block{m.count, variants, 0, nullptr};
        CArrangedCall call{};
        unsigned argumentError = 0;
        ASSERT_EQ(kOk, Arrange(m.dispid, m.flags, &block, call, argumentError));
        EXPECT_EQ(m.member, call.member);
        if (m.count > 0) {
            EXPECT_EQ(m.first, call.use[0]);
        }
    }
}

TEST(AccessibleArguments, MissingOrBrokenBlocksAreRefusedWithoutBeingRead) {
    CArrangedCall call{};
    unsigned argumentError = 0;
    EXPECT_EQ(kBadVarType, Arrange(-5001, kGet, nullptr, call, argumentError));
    const CParameterBlock tooMany{1000, nullptr, 0, nullptr};
    EXPECT_EQ(kBadParamCount, Arrange(-5001, kGet, &tooMany, call, argumentError));
    const CParameterBlock noTypes{1, nullptr, 0, nullptr};
    EXPECT_EQ(kInvalidArgument, Arrange(-5002, kGet, &noTypes, call, argumentError));
    const std::uint16_t one[] = {kTypeI4};
    const CParameterBlock noNames{1, one, 1, nullptr};
    EXPECT_EQ(kInvalidArgument, Arrange(-5002, kGet, &noNames, call, argumentError));
}

TEST(AccessibleArguments, NamesAreLookedUpCaseSensitivelyAndTheFirstUnknownStopsTheWalk) {
    const char16_t* names[] = {u"accName", u"accname", u"accRole"};
    std::int32_t ids[] = {1, 1, 1};
    EXPECT_EQ(kUnknownName, LookUpNames(names, 3, ids));
    EXPECT_EQ(-5003, ids[0]);
    EXPECT_EQ(1, ids[1]);
    EXPECT_EQ(1, ids[2]);

    for (unsigned i = 0; i < kNameCount; ++i) {
        const std::u16string name(kMemberNames[i], kMemberNames[i] + std::char_traits<char>::length(kMemberNames[i]));
        const char16_t* one[] = {name.c_str()};
        std::int32_t id = 0;
        EXPECT_EQ(kOk, LookUpNames(one, 1, &id));
        EXPECT_EQ(-5000 - static_cast<std::int32_t>(i), id) << kMemberNames[i];
    }
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

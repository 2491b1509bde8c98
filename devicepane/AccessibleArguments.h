// The dispatch by name of the device pane's accessible object, without
// Windows: the 19 member names with the DISPIDs that the accessibility
// standard gives them, and the arrangement of an Invoke parameter block into
// the parameters of the member it calls. Status codes, VARTYPEs, flags and
// DISPIDs are plain integers with their platform values, so that this part
// builds, is tested and is fuzzed with standard headers only.
#ifndef KESTREL_ACCESSIBLE_ARGUMENTS_H
#define KESTREL_ACCESSIBLE_ARGUMENTS_H

#include <cstdint>

namespace accessible {

// HRESULT values.
constexpr std::int32_t kOk = 0;
constexpr std::int32_t kPointer = static_cast<std::int32_t>(0x80004003u);
constexpr std::int32_t kInvalidArgument = static_cast<std::int32_t>(0x80070057u);
constexpr std::int32_t kMemberNotFound = static_cast<std::int32_t>(0x80020003u);
constexpr std::int32_t kTypeMismatch = static_cast<std::int32_t>(0x80020005u);
constexpr std::int32_t kUnknownName = static_cast<std::int32_t>(0x80020006u);
constexpr std::int32_t kBadVarType = static_cast<std::int32_t>(0x80020008u);
constexpr std::int32_t kBadParamCount = static_cast<std::int32_t>(0x8002000Eu);

// VARTYPE values and modifier bits.
constexpr std::uint16_t kTypeI4 = 3;
constexpr std::uint16_t kTypeBstr = 8;
constexpr std::uint16_t kTypeVariant = 12;
constexpr std::uint16_t kTypeInt = 22;
constexpr std::uint16_t kTypeVector = 0x1000;
constexpr std::uint16_t kTypeArray = 0x2000;
constexpr std::uint16_t kTypeByRef = 0x4000;

// Invoke flags, and the DISPID that names the value of a property put.
constexpr std::uint16_t kPropertyGet = 2;
constexpr std::uint16_t kPropertyPut = 4;
constexpr std::int32_t kPropertyPutDispid = -3;

constexpr unsigned kMaxArguments = 5;
constexpr std::int32_t kFirstDispid = -5000;  // "accParent"
constexpr unsigned kNameCount = 19;

// The names, in DISPID order: name i has DISPID -5000 - i.
extern const char* const kMemberNames[kNameCount];

// The DISPID of `name`, compared case-sensitively; false for an unknown or
// null name. Works on any character type (OLECHAR, char16_t, char).
template <class Char>
bool DispidOfName(const Char* name, std::int32_t& dispid) {
    if (name == nullptr) return false;
    for (unsigned i = 0; i < kNameCount; ++i) {
        const char* known = kMemberNames[i];
        unsigned k = 0;
        while (known[k] != '\0' && name[k] == static_cast<Char>(known[k])) ++k;
        if (known[k] == '\0' && name[k] == Char{}) {
            dispid = kFirstDispid - static_cast<std::int32_t>(i);
            return true;
        }
    }
    return false;
}

// GetIDsOfNames: each name in order; the first unknown one stops the walk
// with kUnknownName, the DISPIDs before it written and the rest untouched.
template <class Char, class Dispid>
std::int32_t LookUpNames(const Char* const* names, unsigned count, Dispid* dispids) {
    if (count == 0) return kOk;
    if (names == nullptr || dispids == nullptr) return kPointer;
    for (unsigned i = 0; i < count; ++i) {
        std::int32_t dispid = 0;
        if (!DispidOfName(names[i], dispid)) return kUnknownName;
        dispids[i] = static_cast<Dispid>(dispid);
    }
    return kOk;
}

// The member an Invoke reaches: the DISPID, and for accName and accValue
// also the kind of access.
enum class Member : unsigned char {
    GET_PARENT,
    GET_CHILD_COUNT,
    GET_CHILD,
    GET_NAME,
    PUT_NAME,
    GET_VALUE,
    PUT_VALUE,
    GET_DESCRIPTION,
    GET_ROLE,
    GET_STATE,
    GET_HELP,
    GET_HELP_TOPIC,
    GET_KEYBOARD_SHORTCUT,
    GET_FOCUS,
    GET_SELECTION,
    GET_DEFAULT_ACTION,
    SELECT,
    LOCATION,
    NAVIGATE,
    HIT_TEST,
    DO_DEFAULT_ACTION,
};

// How a member takes one of its parameters.
enum class Use : unsigned char {
    CHILD,           // the child VARIANT, passed as it is
    COERCED_NUMBER,  // converted to VT_I4
    COERCED_STRING,  // converted to VT_BSTR
    STRING_OUT,      // by-reference BSTR or VARIANT, or a plain value: receives a BSTR
    NUMBER_OUT,      // by-reference 32-bit integer or VARIANT: receives a VT_I4
};

// What Invoke was given: the arguments in the block's own (reverse) order,
// described by their VARTYPEs, and the DISPIDs of the named ones, which are
// the first `namedCount` arguments.
struct CParameterBlock {
    unsigned argumentCount;
    const std::uint16_t* types;
    unsigned namedCount;
    const std::int32_t* namedDispids;
};

// A member and, for each of its parameters in declaration order, the index
// of the argument in the block and how the member takes it.
struct CArrangedCall {
    Member member;
    unsigned count;
    unsigned source[kMaxArguments];
    Use use[kMaxArguments];
};

// Everything of Invoke that needs no window: a missing block, too many
// arguments, the arrangement of named and positional arguments, the member
// by DISPID and flags, its argument count, and the types of by-reference
// outputs. kOk with `call` filled, or the status to return with `call`
// untouched; on a type mismatch `argumentError` receives the position of the
// faulty parameter.
std::int32_t Arrange(std::int32_t dispid, std::uint16_t flags, const CParameterBlock* block, CArrangedCall& call,
                     unsigned& argumentError);

}  // namespace accessible

#endif

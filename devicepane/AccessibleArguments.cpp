#include "devicepane/AccessibleArguments.h"

namespace accessible {

const char* const kMemberNames[kNameCount] = {
    "accParent",
    "accChildCount",
    "accChild",
    "accName",
    "accValue",
    "accDescription",
    "accRole",
    "accState",
    "accHelp",
    "accHelpTopic",
    "accKeyboardShortcut",
    "accFocus",
    "accSelection",
    "accDefaultAction",
    "accSelect",
    "accLocation",
    "accNavigate",
    "accHitTest",
    "accDoDefaultAction",
};

namespace {

struct CMemberShape {
    std::int32_t dispid;
    Member member;
    unsigned count;
    Use use[kMaxArguments];
};

constexpr Use C = Use::CHILD;
constexpr Use N = Use::COERCED_NUMBER;

// accName and accValue appear twice: the flags choose the get or the put.
const CMemberShape kShapes[] = {
    {-5000, Member::GET_PARENT, 0, {}},
    {-5001, Member::GET_CHILD_COUNT, 0, {}},
    {-5002, Member::GET_CHILD, 1, {C}},
    {-5003, Member::GET_NAME, 1, {C}},
    {-5003, Member::PUT_NAME, 2, {C, Use::COERCED_STRING}},
    {-5004, Member::GET_VALUE, 1, {C}},
    {-5004, Member::PUT_VALUE, 2, {C, Use::COERCED_STRING}},
    {-5005, Member::GET_DESCRIPTION, 1, {C}},
    {-5006, Member::GET_ROLE, 1, {C}},
    {-5007, Member::GET_STATE, 1, {C}},
    {-5008, Member::GET_HELP, 1, {C}},
    {-5009, Member::GET_HELP_TOPIC, 2, {Use::STRING_OUT, C}},
    {-5010, Member::GET_KEYBOARD_SHORTCUT, 1, {C}},
    {-5011, Member::GET_FOCUS, 0, {}},
    {-5012, Member::GET_SELECTION, 0, {}},
    {-5013, Member::GET_DEFAULT_ACTION, 1, {C}},
    {-5014, Member::SELECT, 2, {N, C}},
    {-5015, Member::LOCATION, 5, {Use::NUMBER_OUT, Use::NUMBER_OUT, Use::NUMBER_OUT, Use::NUMBER_OUT, C}},
    {-5016, Member::NAVIGATE, 2, {N, C}},
    {-5017, Member::HIT_TEST, 2, {N, N}},
    {-5018, Member::DO_DEFAULT_ACTION, 1, {C}},
};

bool IsPropertyPair(std::int32_t dispid) { return dispid == -5003 || dispid == -5004; }

const CMemberShape* FindShape(std::int32_t dispid, std::uint16_t flags) {
    bool wantPut = false;
    if (IsPropertyPair(dispid)) {
        // Neither a get nor a put of a property has no meaning here.
        if ((flags & kPropertyGet) != 0)
            wantPut = false;
        else if ((flags & kPropertyPut) != 0)
            wantPut = true;
        else
            return nullptr;
    }
    for (const CMemberShape& shape : kShapes) {
        if (shape.dispid != dispid) continue;
        const bool isPut = shape.member == Member::PUT_NAME || shape.member == Member::PUT_VALUE;
        if (isPut == wantPut) return &shape;
    }
    return nullptr;
}

// A referenced VARIANT, or a referenced integer of exactly 32 bits: anything
// narrower would be overrun by the LONG that accLocation writes.
bool TakesNumberOut(std::uint16_t type) {
    if ((type & kTypeByRef) == 0) return false;
    const std::uint16_t base = static_cast<std::uint16_t>(type & ~kTypeByRef);
    return base == kTypeI4 || base == kTypeInt || base == kTypeVariant;
}

bool TakesStringOut(std::uint16_t type) {
    if ((type & kTypeByRef) == 0) return true;  // a plain value is replaced
    const std::uint16_t base = static_cast<std::uint16_t>(type & ~kTypeByRef);
    return base == kTypeBstr || base == kTypeVariant;
}

}  // namespace

std::int32_t Arrange(std::int32_t dispid, std::uint16_t flags, const CParameterBlock* block, CArrangedCall& call,
                     unsigned& argumentError) {
    if (block == nullptr) return kBadVarType;
    const unsigned count = block->argumentCount;
    const unsigned named = block->namedCount;
    if (count > kMaxArguments || named > count) return kBadParamCount;
    if ((count > 0 && block->types == nullptr) || (named > 0 && block->namedDispids == nullptr))
        return kInvalidArgument;

    // Named arguments take the positions their DISPIDs give; the value of a
    // property put, named as such by every automation client, is the last.
    unsigned source[kMaxArguments] = {};
    bool taken[kMaxArguments] = {};
    for (unsigned i = 0; i < named; ++i) {
        const std::int32_t id = block->namedDispids[i];
        unsigned position;
        if (id == kPropertyPutDispid && (flags & kPropertyPut) != 0)
            position = count - 1;
        else if (id >= 0 && static_cast<unsigned>(id) < count)
            position = static_cast<unsigned>(id);
        else
            return kBadParamCount;
        if (taken[position]) return kBadParamCount;  // one position named twice
        taken[position] = true;
        source[position] = i;
    }
    // The unnamed ones are stored last parameter first.
    unsigned next = named;
    for (unsigned position = count; position-- > 0;)
        if (!taken[position]) source[position] = next++;

    const CMemberShape* shape = FindShape(dispid, flags);
    if (shape == nullptr) return kMemberNotFound;
    if (shape->count != count) return kBadParamCount;

    for (unsigned position = 0; position < count; ++position) {
        const std::uint16_t type = block->types[source[position]];
        const Use use = shape->use[position];
        if ((use == Use::NUMBER_OUT && !TakesNumberOut(type)) || (use == Use::STRING_OUT && !TakesStringOut(type))) {
            argumentError = position;
            return kTypeMismatch;
        }
    }
    // Only a call that can be made is handed back.
    call.member = shape->member;
    call.count = count;
    for (unsigned position = 0; position < count; ++position) {
        call.source[position] = source[position];
        call.use[position] = shape->use[position];
    }
    return kOk;
}

}  // namespace accessible

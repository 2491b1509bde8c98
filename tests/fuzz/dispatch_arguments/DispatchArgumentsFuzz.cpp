// An Invoke parameter block as any automation client could pass it to the
// pane's accessible object, arranged into the parameters of a member.
//
// Input: a DISPID selector (one byte, or 0xFF and four bytes of a raw
// DISPID), two bytes of flags, one byte of counts (bits 0-2 the arguments,
// 3-5 the named ones, 6 a missing type array, 7 a missing DISPID array),
// one signed byte per named DISPID, two bytes (little-endian) per VARTYPE.
// Fewer than four bytes: no parameter block at all.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "devicepane/AccessibleArguments.h"

namespace {

using namespace accessible;

class CInput {
  public:
    CInput(const std::uint8_t* data, std::size_t size) : m_pData(data), m_cbSize(size) {}
    std::uint8_t Byte() { return m_cbRead < m_cbSize ? m_pData[m_cbRead++] : 0; }
    std::uint16_t Word() { return static_cast<std::uint16_t>(Byte() | Byte() << 8); }

  private:
    const std::uint8_t* m_pData;
    std::size_t m_cbSize;
    std::size_t m_cbRead = 0;
};

void Require(bool condition) {
    if (!condition) __builtin_trap();
}

// The DISPID each member answers to, in the order of Member: oleacc.h's
// DISPID_ACC_PARENT (-5000) to DISPID_ACC_DODEFAULTACTION (-5018), the
// property puts sharing their gets' DISPIDs.
constexpr std::int32_t kDispids[] = {-5000, -5001, -5002, -5003, -5003, -5004, -5004, -5005, -5006, -5007, -5008,
                                     -5009, -5010, -5011, -5012, -5013, -5014, -5015, -5016, -5017, -5018};

static_assert(sizeof kDispids / sizeof kDispids[0] == static_cast<unsigned>(Member::DO_DEFAULT_ACTION) + 1);

std::int32_t DispidOf(Member member) { return kDispids[static_cast<unsigned>(member)]; }

// Whether an argument of `type` can take a parameter used as `use`.
bool Accepts(Use use, std::uint16_t type) {
    const bool byRef = (type & kTypeByRef) != 0;
    const std::uint16_t base = static_cast<std::uint16_t>(type & ~kTypeByRef);
    switch (use) {
        case Use::NUMBER_OUT:
            return byRef && (base == kTypeI4 || base == kTypeInt || base == kTypeVariant);
        case Use::STRING_OUT:
            return !byRef || base == kTypeBstr || base == kTypeVariant;
        default:
            return true;  // passed on, or coerced when the member is called
    }
}

bool IsStatus(std::int32_t status) {
    return status == kOk || status == kBadVarType || status == kBadParamCount || status == kInvalidArgument ||
           status == kMemberNotFound || status == kTypeMismatch;
}

// What Arrange leaves in `call`: a pattern that no arrangement writes.
CArrangedCall Untouched() {
    CArrangedCall call;
    std::memset(&call, 0xA5, sizeof call);
    return call;
}

// The positions a successful arrangement gives: named arguments where their
// DISPIDs say, the value of a put last, the unnamed ones from the last
// free position backwards.
void CheckPositions(std::uint16_t flags, const CParameterBlock& block, const CArrangedCall& call) {
    const unsigned count = block.argumentCount;
    Require(count <= kMaxArguments && block.namedCount <= count && call.count == count);
    bool seen[kMaxArguments] = {};
    for (unsigned p = 0; p < count; ++p) {
        Require(call.source[p] < count && !seen[call.source[p]]);
        seen[call.source[p]] = true;
    }
    bool named[kMaxArguments] = {};
    for (unsigned i = 0; i < block.namedCount; ++i) {
        const std::int32_t id = block.namedDispids[i];
        const unsigned p =
            id == kPropertyPutDispid && (flags & kPropertyPut) != 0 ? count - 1 : static_cast<unsigned>(id);
        Require(p < count && call.source[p] == i);
        named[p] = true;
    }
    unsigned next = block.namedCount;
    for (unsigned p = count; p-- > 0;)
        if (!named[p]) Require(call.source[p] == next++);
}

void CheckMember(std::int32_t dispid, std::uint16_t flags, const CArrangedCall& call) {
    Require(DispidOf(call.member) == dispid);
    const bool put = call.member == Member::PUT_NAME || call.member == Member::PUT_VALUE;
    if (dispid == -5003 || dispid == -5004) Require(put == ((flags & kPropertyGet) == 0));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CInput input(data, size);
    const std::uint8_t selector = input.Byte();
    std::int32_t dispid = -4999 - selector % 22;  // one unknown on each side of the table
    if (selector == 0xFF) dispid = static_cast<std::int32_t>(input.Word() | std::uint32_t{input.Word()} << 16);
    const std::uint16_t flags = input.Word();
    const std::uint8_t counts = input.Byte();

    CParameterBlock block{counts & 7u, nullptr, counts >> 3 & 7u, nullptr};
    std::vector<std::int32_t> namedDispids(block.namedCount);
    for (std::int32_t& id : namedDispids) id = static_cast<std::int8_t>(input.Byte());
    std::vector<std::uint16_t> types(block.argumentCount);
    for (std::uint16_t& type : types) type = input.Word();
    if ((counts & 0x40) == 0) block.types = types.data();
    if ((counts & 0x80) == 0) block.namedDispids = namedDispids.data();
    const CParameterBlock* given = size >= 4 ? &block : nullptr;

    CArrangedCall call = Untouched();
    unsigned argumentError = 0xA5A5A5A5u;
    const std::int32_t status = Arrange(dispid, flags, given, call, argumentError);
    Require(IsStatus(status));
    Require(status == kTypeMismatch || argumentError == 0xA5A5A5A5u);
    if (status != kOk) {
        const CArrangedCall untouched = Untouched();
        Require(std::memcmp(&call, &untouched, sizeof call) == 0);  // no partial result
    }
    if (given == nullptr) {
        Require(status == kBadVarType);
        return 0;
    }
    if (status == kOk) {
        CheckPositions(flags, block, call);
        CheckMember(dispid, flags, call);
        for (unsigned p = 0; p < call.count; ++p) Require(Accepts(call.use[p], types[call.source[p]]));
    }

    // The types decide a type mismatch and nothing else: with every argument
    // a referenced VARIANT, which every parameter takes, the same block
    // arranges, or fails as it did for another reason.
    if (block.types == nullptr) return 0;
    const std::vector<std::uint16_t> original = types;
    for (std::uint16_t& type : types) type = kTypeByRef | kTypeVariant;
    CArrangedCall plain = Untouched();
    unsigned plainError = 0;
    const std::int32_t plainStatus = Arrange(dispid, flags, &block, plain, plainError);
    if (status != kOk && status != kTypeMismatch) {
        Require(plainStatus == status);
        return 0;
    }
    Require(plainStatus == kOk);
    CheckPositions(flags, block, plain);
    if (status == kOk) {
        Require(std::memcmp(&plain, &call, sizeof call) == 0);
        return 0;
    }
    // The mismatch named is the first parameter whose argument its use refuses.
    Require(argumentError < plain.count);
    for (unsigned p = 0; p < argumentError; ++p) Require(Accepts(plain.use[p], original[plain.source[p]]));
    Require(!Accepts(plain.use[argumentError], original[plain.source[argumentError]]));
    return 0;
}

#include "platform/ole/variant/Variant.h"

#include "platform/ole/error/Error.h"
#include "platform/ole/error/HResult.h"

namespace ole {

Variant::Variant() noexcept = default;
Variant::Variant(const Variant& other) = default;
Variant::Variant(Variant&& other) noexcept
    : m_type(std::exchange(other.m_type, VT_EMPTY)), m_payload(std::move(other.m_payload)) {
    other.m_payload = std::monostate{};
}
Variant& Variant::operator=(const Variant& other) {
    if (this != &other) {
        // Copy first: `other` may live inside an object that the old payload keeps alive.
        Variant copy(other);
        *this = std::move(copy);
    }
    return *this;
}
Variant& Variant::operator=(Variant&& other) noexcept {
    if (this != &other) {
        Payload old = std::move(m_payload);
        m_type = std::exchange(other.m_type, VT_EMPTY);
        m_payload = std::move(other.m_payload);
        other.m_payload = std::monostate{};
    }
    return *this;
}
Variant::~Variant() = default;

Variant::Variant(VARTYPE type, Payload payload) : m_type(type), m_payload(std::move(payload)) {}

Variant::Variant(int16_t value) : m_type(VT_I2), m_payload(int64_t{value}) {}
Variant::Variant(int32_t value) : m_type(VT_I4), m_payload(int64_t{value}) {}
Variant::Variant(float value) : m_type(VT_R4), m_payload(double{value}) {}
Variant::Variant(double value) : m_type(VT_R8), m_payload(value) {}
Variant::Variant(bool value) : m_type(VT_BOOL), m_payload(int64_t{value ? -1 : 0}) {}
Variant::Variant(uint8_t value) : m_type(VT_UI1), m_payload(uint64_t{value}) {}
Variant::Variant(Currency value) : m_type(VT_CY), m_payload(value.scaled) {}
Variant::Variant(DateTime value) : m_type(VT_DATE), m_payload(value.value) {}
Variant::Variant(std::string value) : m_type(VT_BSTR), m_payload(std::move(value)) {}
Variant::Variant(std::string_view value) : m_type(VT_BSTR), m_payload(std::string(value)) {}
Variant::Variant(const char* value) : m_type(VT_BSTR), m_payload(std::string(value)) {}
Variant::Variant(Ptr<Object> object) : m_type(VT_DISPATCH), m_payload(std::move(object)) {}

Variant Variant::Null() {
    return Variant(VT_NULL, std::monostate{});
}
Variant Variant::Missing() {
    return FromError(DISP_E_PARAMNOTFOUND);
}
Variant Variant::FromI1(int8_t value) {
    return Variant(VT_I1, int64_t{value});
}
Variant Variant::FromI8(int64_t value) {
    return Variant(VT_I8, value);
}
Variant Variant::FromUI2(uint16_t value) {
    return Variant(VT_UI2, uint64_t{value});
}
Variant Variant::FromUI4(uint32_t value) {
    return Variant(VT_UI4, uint64_t{value});
}
Variant Variant::FromUI8(uint64_t value) {
    return Variant(VT_UI8, value);
}
Variant Variant::FromInt(int32_t value) {
    return Variant(VT_INT, int64_t{value});
}
Variant Variant::FromUInt(uint32_t value) {
    return Variant(VT_UINT, uint64_t{value});
}
Variant Variant::FromBytes(std::vector<uint8_t> bytes) {
    return Variant(VT_ARRAY | VT_UI1, std::move(bytes));
}
Variant Variant::FromUnknown(Ptr<Object> object) {
    return Variant(VT_UNKNOWN, std::move(object));
}
Variant Variant::FromError(int32_t scode) {
    return Variant(VT_ERROR, int64_t{scode});
}
Variant Variant::ByRef(Variant& target) {
    return Variant(VT_BYREF | VT_VARIANT, &target.Deref());
}

const Variant& Variant::Deref() const noexcept {
    return IsByRef() ? *std::get<Variant*>(m_payload) : *this;
}
Variant& Variant::Deref() noexcept {
    return IsByRef() ? *std::get<Variant*>(m_payload) : *this;
}

bool Variant::IsMissing() const noexcept {
    const Variant& v = Deref();
    return v.m_type == VT_ERROR && std::get<int64_t>(v.m_payload) == DISP_E_PARAMNOTFOUND;
}
bool Variant::IsObject() const noexcept {
    const VARTYPE t = ValueType();
    return t == VT_DISPATCH || t == VT_UNKNOWN;
}
bool Variant::IsNothing() const noexcept {
    return IsObject() && !std::get<Ptr<Object>>(Deref().m_payload);
}
bool Variant::IsNumericType() const noexcept {
    switch (ValueType()) {
    case VT_I1:
    case VT_I2:
    case VT_I4:
    case VT_I8:
    case VT_INT:
    case VT_UI1:
    case VT_UI2:
    case VT_UI4:
    case VT_UI8:
    case VT_UINT:
    case VT_R4:
    case VT_R8:
    case VT_CY:
    case VT_DATE:
    case VT_BOOL:
        return true;
    default:
        return false;
    }
}

const Variant& Variant::Checked(VARTYPE type) const {
    const Variant& v = Deref();
    if (v.m_type != type)
        RaiseError(ERR_TYPE_MISMATCH);
    return v;
}

int8_t Variant::AsI1() const {
    return static_cast<int8_t>(std::get<int64_t>(Checked(VT_I1).m_payload));
}
int16_t Variant::AsI2() const {
    return static_cast<int16_t>(std::get<int64_t>(Checked(VT_I2).m_payload));
}
int32_t Variant::AsI4() const {
    return static_cast<int32_t>(std::get<int64_t>(Checked(VT_I4).m_payload));
}
int64_t Variant::AsI8() const {
    return std::get<int64_t>(Checked(VT_I8).m_payload);
}
uint8_t Variant::AsUI1() const {
    return static_cast<uint8_t>(std::get<uint64_t>(Checked(VT_UI1).m_payload));
}
uint16_t Variant::AsUI2() const {
    return static_cast<uint16_t>(std::get<uint64_t>(Checked(VT_UI2).m_payload));
}
uint32_t Variant::AsUI4() const {
    return static_cast<uint32_t>(std::get<uint64_t>(Checked(VT_UI4).m_payload));
}
uint64_t Variant::AsUI8() const {
    return std::get<uint64_t>(Checked(VT_UI8).m_payload);
}
int32_t Variant::AsInt() const {
    return static_cast<int32_t>(std::get<int64_t>(Checked(VT_INT).m_payload));
}
uint32_t Variant::AsUInt() const {
    return static_cast<uint32_t>(std::get<uint64_t>(Checked(VT_UINT).m_payload));
}
float Variant::AsR4() const {
    return static_cast<float>(std::get<double>(Checked(VT_R4).m_payload));
}
double Variant::AsR8() const {
    return std::get<double>(Checked(VT_R8).m_payload);
}
bool Variant::AsBool() const {
    return std::get<int64_t>(Checked(VT_BOOL).m_payload) != 0;
}
Currency Variant::AsCurrency() const {
    return Currency{std::get<int64_t>(Checked(VT_CY).m_payload)};
}
double Variant::AsDate() const {
    return std::get<double>(Checked(VT_DATE).m_payload);
}
int32_t Variant::AsError() const {
    return static_cast<int32_t>(std::get<int64_t>(Checked(VT_ERROR).m_payload));
}
const std::string& Variant::AsString() const {
    return std::get<std::string>(Checked(VT_BSTR).m_payload);
}
const std::vector<uint8_t>& Variant::AsBytes() const {
    return std::get<std::vector<uint8_t>>(Checked(VT_ARRAY | VT_UI1).m_payload);
}
Ptr<Object> Variant::AsObject() const {
    const Variant& v = Deref();
    if (v.m_type != VT_DISPATCH && v.m_type != VT_UNKNOWN)
        RaiseError(ERR_TYPE_MISMATCH);
    return std::get<Ptr<Object>>(v.m_payload);
}

bool Variant::IsIdenticalTo(const Variant& other) const {
    const Variant& a = Deref();
    const Variant& b = other.Deref();
    return a.m_type == b.m_type && a.m_payload == b.m_payload;
}

} // namespace ole

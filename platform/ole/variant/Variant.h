#pragma once

#include "platform/ole/object/Ptr.h"
#include "platform/ole/variant/Currency.h"
#include "platform/ole/variant/DateTime.h"
#include "platform/ole/variant/VarType.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace ole {

class Object;

// The automation value: a type tag and a payload. Strings are UTF-8. A by-reference variant
// (VT_BYREF|VT_VARIANT) points at a caller's variable so a callee can write it back; the typed
// accessors look through it. An accessor called on the wrong type raises 13.
class Variant {
public:
    Variant() noexcept;
    Variant(const Variant& other);
    Variant(Variant&& other) noexcept;
    Variant& operator=(const Variant& other);
    Variant& operator=(Variant&& other) noexcept;
    ~Variant();

    Variant(int16_t value);     // VT_I2
    Variant(int32_t value);     // VT_I4
    Variant(float value);       // VT_R4
    Variant(double value);      // VT_R8
    Variant(bool value);        // VT_BOOL
    Variant(uint8_t value);     // VT_UI1
    Variant(Currency value);    // VT_CY
    Variant(DateTime value);    // VT_DATE
    Variant(std::string value); // VT_BSTR
    Variant(std::string_view value);
    Variant(const char* value);
    Variant(Ptr<Object> object); // VT_DISPATCH; a null Ptr is Nothing
    template <class T>
    requires(!std::is_same_v<T, Object>) Variant(const Ptr<T>& object)
        : Variant(Ptr<Object>(object)) {}
    // Every other C++ type must choose its variant type explicitly through a factory.
    template <class T>
    Variant(T) = delete;

    static Variant Empty() { return Variant(); }
    static Variant Null();
    // An optional argument that was not passed: VT_ERROR with DISP_E_PARAMNOTFOUND.
    static Variant Missing();
    static Variant Nothing() { return Variant(Ptr<Object>()); }
    static Variant FromI1(int8_t value);
    static Variant FromI2(int16_t value) { return Variant(value); }
    static Variant FromI4(int32_t value) { return Variant(value); }
    static Variant FromI8(int64_t value);
    static Variant FromUI1(uint8_t value) { return Variant(value); }
    static Variant FromUI2(uint16_t value);
    static Variant FromUI4(uint32_t value);
    static Variant FromUI8(uint64_t value);
    static Variant FromInt(int32_t value);
    static Variant FromUInt(uint32_t value);
    static Variant FromR4(float value) { return Variant(value); }
    static Variant FromR8(double value) { return Variant(value); }
    static Variant FromBool(bool value) { return Variant(value); }
    static Variant FromCurrency(Currency value) { return Variant(value); }
    static Variant FromDate(double oleDate) { return Variant(DateTime{oleDate}); }
    static Variant FromString(std::string value) { return Variant(std::move(value)); }
    static Variant FromBytes(std::vector<uint8_t> bytes); // VT_ARRAY|VT_UI1, zero-based
    static Variant FromObject(Ptr<Object> object) { return Variant(std::move(object)); }
    static Variant FromUnknown(Ptr<Object> object); // VT_UNKNOWN
    static Variant FromError(int32_t scode);
    // VT_BYREF|VT_VARIANT referring to `target`, which must outlive this variant.
    static Variant ByRef(Variant& target);

    VARTYPE Type() const noexcept { return m_type; }
    bool IsByRef() const noexcept { return m_type == (VT_BYREF | VT_VARIANT); }
    // The referenced variant for a by-reference variant, else this one.
    const Variant& Deref() const noexcept;
    Variant& Deref() noexcept;
    // Type() of the referenced value.
    VARTYPE ValueType() const noexcept { return Deref().m_type; }

    bool IsEmpty() const noexcept { return ValueType() == VT_EMPTY; }
    bool IsNull() const noexcept { return ValueType() == VT_NULL; }
    bool IsMissing() const noexcept;
    // VT_DISPATCH or VT_UNKNOWN, Nothing included.
    bool IsObject() const noexcept;
    bool IsNothing() const noexcept;
    bool IsString() const noexcept { return ValueType() == VT_BSTR; }
    bool IsBytes() const noexcept { return ValueType() == (VT_ARRAY | VT_UI1); }
    // Integer, floating, currency, date or boolean payloads.
    bool IsNumericType() const noexcept;

    int8_t AsI1() const;
    int16_t AsI2() const;
    int32_t AsI4() const;
    int64_t AsI8() const;
    uint8_t AsUI1() const;
    uint16_t AsUI2() const;
    uint32_t AsUI4() const;
    uint64_t AsUI8() const;
    int32_t AsInt() const;
    uint32_t AsUInt() const;
    float AsR4() const;
    double AsR8() const;
    bool AsBool() const;
    Currency AsCurrency() const;
    double AsDate() const;
    int32_t AsError() const;
    const std::string& AsString() const;
    const std::vector<uint8_t>& AsBytes() const;
    // VT_DISPATCH or VT_UNKNOWN; null for Nothing.
    Ptr<Object> AsObject() const;

    // Same type and same payload (objects by identity). Not the language's `=`, which converts.
    bool IsIdenticalTo(const Variant& other) const;

private:
    using Payload = std::variant<std::monostate, int64_t, uint64_t, double, std::string,
                                 std::vector<uint8_t>, Ptr<Object>, Variant*>;

    Variant(VARTYPE type, Payload payload);
    const Variant& Checked(VARTYPE type) const;

    VARTYPE m_type = VT_EMPTY;
    Payload m_payload;
};

} // namespace ole

// Holding a Variant means holding object references, so the object type is always complete.
#include "platform/ole/object/Object.h"

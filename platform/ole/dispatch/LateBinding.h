#pragma once

#include "platform/ole/object/Object.h"
#include "platform/ole/variant/Variant.h"

#include <span>
#include <string_view>

namespace ole {

// Late binding as a host does it: by case-insensitive name or by member id, on any object held in
// a variant. Nothing as the target raises 91 and a plain value 13; an unknown name raises 438; the
// callee's own errors propagate.

// Get "as value": an object result is reduced through its default member, recursively.
Variant GetProperty(const Variant& objOrValue, std::string_view name,
                    std::span<const Variant> args = {});
// Get "as object": the result is returned as it is.
Variant GetObjectProperty(const Variant& obj, std::string_view name,
                          std::span<const Variant> args = {});
void LetProperty(const Variant& obj, std::string_view name, const Variant& value,
                 std::span<const Variant> args = {});
void SetProperty(const Variant& obj, std::string_view name, const Variant& value,
                 std::span<const Variant> args = {});
// By-reference arguments (Variant::ByRef) are written back.
Variant CallMethod(const Variant& obj, std::string_view name, std::span<Variant> args = {});

Variant GetPropertyById(const Variant& objOrValue, DISPID id, std::span<const Variant> args = {});
Variant GetObjectPropertyById(const Variant& obj, DISPID id, std::span<const Variant> args = {});
void LetPropertyById(const Variant& obj, DISPID id, const Variant& value,
                     std::span<const Variant> args = {});
void SetPropertyById(const Variant& obj, DISPID id, const Variant& value,
                     std::span<const Variant> args = {});
Variant CallMethodById(const Variant& obj, DISPID id, std::span<Variant> args = {});
// Invoke with named arguments, as a host passes them: the last `names.size()` elements of `args`
// are named, by parameter position (0-based) or DISPID_PROPERTYPUT for a put's value. Unnamed
// parameters between them are passed as Missing. An unknown name raises 450.
Variant InvokeNamed(const Variant& obj, DISPID id, uint16_t kinds, std::span<Variant> args,
                    std::span<const DISPID> names);
// Raw Invoke on the object a variant holds.
Variant InvokeById(const Variant& obj, DISPID id, uint16_t kinds, std::span<Variant> args);

// An object becomes its default member's value (recursively); error 438 when it has none and 91
// for Nothing. A plain value comes back unchanged.
Variant ReduceToValue(const Variant& value);

// The object a variant holds; raises 91 for Nothing and 13 for a plain value.
Ptr<Object> RequireObject(const Variant& value);

} // namespace ole

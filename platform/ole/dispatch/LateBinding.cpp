#include "platform/ole/dispatch/LateBinding.h"

#include "platform/ole/error/Error.h"

#include <optional>
#include <vector>

namespace ole {

namespace {

// Default members may return objects whose default member returns objects; a cycle is a fault
// of the object model, reported instead of looping.
constexpr int kMaxReductions = 64;

DISPID IdOf(Object& object, std::string_view name) {
    const DISPID id = object.GetIDsOfNames(name);
    if (id == DISPID_UNKNOWN)
        RaiseError(ERR_NO_MEMBER);
    return id;
}

Variant InvokeCopied(Object& object, DISPID id, uint16_t kinds, std::span<const Variant> args,
                     const Variant* value) {
    std::vector<Variant> all(args.begin(), args.end());
    if (value)
        all.push_back(*value);
    return object.Invoke(id, kinds, all);
}

constexpr uint16_t kGet = DISPATCH_PROPERTYGET | DISPATCH_METHOD;

} // namespace

Ptr<Object> RequireObject(const Variant& value) {
    const Variant& v = value.Deref();
    if (!v.IsObject())
        RaiseError(ERR_TYPE_MISMATCH);
    Ptr<Object> object = v.AsObject();
    if (!object)
        RaiseError(ERR_OBJECT_NOT_SET);
    return object;
}

Variant ReduceToValue(const Variant& value) {
    Variant current = value.Deref();
    for (int i = 0; current.IsObject(); ++i) {
        if (i == kMaxReductions)
            RaiseError(ERR_NO_MEMBER);
        Ptr<Object> object = RequireObject(current);
        current = object->Invoke(DISPID_VALUE, kGet, {});
    }
    return current;
}

Variant GetPropertyById(const Variant& objOrValue, DISPID id, std::span<const Variant> args) {
    return ReduceToValue(GetObjectPropertyById(objOrValue, id, args));
}

Variant GetObjectPropertyById(const Variant& obj, DISPID id, std::span<const Variant> args) {
    return InvokeCopied(*RequireObject(obj), id, kGet, args, nullptr);
}

void LetPropertyById(const Variant& obj, DISPID id, const Variant& value,
                     std::span<const Variant> args) {
    InvokeCopied(*RequireObject(obj), id, DISPATCH_PROPERTYPUT, args, &value);
}

void SetPropertyById(const Variant& obj, DISPID id, const Variant& value,
                     std::span<const Variant> args) {
    InvokeCopied(*RequireObject(obj), id, DISPATCH_PROPERTYPUTREF, args, &value);
}

Variant CallMethodById(const Variant& obj, DISPID id, std::span<Variant> args) {
    return RequireObject(obj)->Invoke(id, kGet, args);
}

Variant InvokeById(const Variant& obj, DISPID id, uint16_t kinds, std::span<Variant> args) {
    return RequireObject(obj)->Invoke(id, kinds, args);
}

Variant InvokeNamed(const Variant& obj, DISPID id, uint16_t kinds, std::span<Variant> args,
                    std::span<const DISPID> names) {
    if (names.size() > args.size())
        RaiseError(ERR_ARGUMENT_COUNT);
    const size_t positional = args.size() - names.size();
    std::vector<Variant> ordered(args.begin(), args.begin() + static_cast<ptrdiff_t>(positional));
    std::optional<Variant> putValue;
    for (size_t i = 0; i < names.size(); ++i) {
        Variant& arg = args[positional + i];
        const DISPID name = names[i];
        if (name == DISPID_PROPERTYPUT) {
            putValue = arg;
            continue;
        }
        if (name < 0 || static_cast<size_t>(name) < positional)
            RaiseError(ERR_ARGUMENT_COUNT);
        const auto index = static_cast<size_t>(name);
        if (ordered.size() <= index)
            ordered.resize(index + 1, Variant::Missing());
        else if (!ordered[index].IsMissing())
            RaiseError(ERR_ARGUMENT_COUNT);
        // By-reference arguments stay references to the caller's variables.
        ordered[index] = arg.IsByRef() ? arg : Variant::ByRef(arg);
    }
    if (putValue)
        ordered.push_back(*putValue);
    return RequireObject(obj)->Invoke(id, kinds, ordered);
}

Variant GetProperty(const Variant& objOrValue, std::string_view name,
                    std::span<const Variant> args) {
    return ReduceToValue(GetObjectProperty(objOrValue, name, args));
}

Variant GetObjectProperty(const Variant& obj, std::string_view name,
                          std::span<const Variant> args) {
    Ptr<Object> object = RequireObject(obj);
    return InvokeCopied(*object, IdOf(*object, name), kGet, args, nullptr);
}

void LetProperty(const Variant& obj, std::string_view name, const Variant& value,
                 std::span<const Variant> args) {
    Ptr<Object> object = RequireObject(obj);
    InvokeCopied(*object, IdOf(*object, name), DISPATCH_PROPERTYPUT, args, &value);
}

void SetProperty(const Variant& obj, std::string_view name, const Variant& value,
                 std::span<const Variant> args) {
    Ptr<Object> object = RequireObject(obj);
    InvokeCopied(*object, IdOf(*object, name), DISPATCH_PROPERTYPUTREF, args, &value);
}

Variant CallMethod(const Variant& obj, std::string_view name, std::span<Variant> args) {
    Ptr<Object> object = RequireObject(obj);
    return object->Invoke(IdOf(*object, name), kGet, args);
}

} // namespace ole

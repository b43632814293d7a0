#pragma once

// Declaring a class for automation, and a control's persisted properties, in one table.
//
// A control library declares a property once, with its id, accessors, type information and, when
// the container keeps it in a property bag, its default (key = the property's name):
//
//   .Property("BackColor", IdBackColor, &C::GetBackColor, &C::LetBackColor,
//             Typed("OLE_COLOR") | Persisted(static_cast<int32_t>(0x80000005)))
//
// The default is a Variant: a number, True/False, a text, Nothing; an enumeration as
// int32_t{ksFlat}. Other forms of the option:
//   Persisted("Backcolor", default)  stored under another key, which is also the name the
//                                    setter's PropertyChanged(IdBackColor) gives the container
//   Persisted(&C::DefaultFont)       a default the object gives each time (a member function
//                                    taking nothing: the ambient font, a length in scale units)
//   InitValue(true)                  given on InitProperties only, never stored
// The user control's handlers walk the table (PersistedProperties.h):
//   OnInitProperties:      ole::InitPersistedProperties(*this);
//   OnReadProperties(bag): ole::ReadPersistedProperties(*this, bag);
//   OnWriteProperties(bag): ole::WritePersistedProperties(*this, bag);
// in declaration order, unless the class states its stored form's own orders by id:
//   .ReadOrder({IdAlignToGrid, IdBackColor, ...})   given on InitProperties and ReadProperties
//   .WriteOrder({IdAlignToGrid, IdBackColor, ...})  stored on WriteProperties
// The read order names every persisted property once, the write order every stored one.
// and a setter notifies its container by id: PropertyChanged(IdBackColor).
// Build() checks the table and throws std::logic_error naming the class and the fault on a typo:
// an id with two names, a name with two ids, two accessors of one kind, more parameter names
// than the C++ signature has, a persisted property without its get and put, a key used twice,
// an order that misses a property or names one twice or one it cannot hold.

#include "platform/ole/dispatch/ArgConvert.h"
#include "platform/ole/dispatch/MemberInfo.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

namespace ole {

class ClassInfo;

// Name, optional flag and callee default of one parameter of a declared member, and the name of
// its type where the C++ signature cannot say it (an object parameter "As CProperty").
struct ParamDecl {
    std::string name;
    bool optional = false;
    Variant defaultValue = Variant::Missing();
    std::string typeName;
};
inline ParamDecl Arg(std::string name, std::string typeName = {}) {
    return ParamDecl{std::move(name), false, Variant::Missing(), std::move(typeName)};
}
// An optional parameter; without a default the callee receives Missing.
inline ParamDecl Opt(std::string name, Variant defaultValue = Variant::Missing()) {
    return ParamDecl{std::move(name), true, std::move(defaultValue), {}};
}

// What a C++ signature cannot say about a member. `typeName` names the type of a property's value
// or a method's result ("OLE_COLOR", an enumeration, "Font"); `params` follow the C++ parameters;
// `persist` keeps the property in a property bag when it has a default (its id is filled in, its
// key defaults to the member's name). Built from the small factories below joined with `|`:
// `Hidden() | Params({Arg("index")})`.
struct MemberOptions {
    uint32_t flags = 0;
    std::string help;
    std::string typeName;
    std::vector<ParamDecl> params;
    int32_t helpContext = 0;
    PersistedProperty persist;
};

MemberOptions operator|(MemberOptions a, MemberOptions b);
MemberOptions Flags(uint32_t flags);
MemberOptions Hidden();
MemberOptions Restricted();
MemberOptions Help(std::string help, int32_t helpContext = 0);
MemberOptions Typed(std::string typeName);
MemberOptions Params(std::vector<ParamDecl> params);
MemberOptions Persisted(Variant defaultValue);
MemberOptions Persisted(std::string key, Variant defaultValue);
// A default the object gives; not an overload of Persisted, which a 0 default would make ambiguous.
MemberOptions PersistedWith(PersistedProperty::DefaultOf defaultOf);
template <class C, class R>
MemberOptions Persisted(R (C::*defaultOf)() const) {
    return PersistedWith(PersistedProperty::DefaultOf(
        [defaultOf](Object& self) { return ToVariant((static_cast<C&>(self).*defaultOf)()); }));
}
template <class C, class R>
MemberOptions Persisted(R (C::*defaultOf)()) {
    return PersistedWith(PersistedProperty::DefaultOf(
        [defaultOf](Object& self) { return ToVariant((static_cast<C&>(self).*defaultOf)()); }));
}
MemberOptions InitValue(Variant value);

namespace detail {

template <class F>
struct MemberFn;
template <class R, class C, class... A>
struct MemberFnBase {
    using Ret = R;
    using Class = C;
    using Args = std::tuple<A...>;
    static constexpr size_t Arity = sizeof...(A);
};
template <class R, class C, class... A>
struct MemberFn<R (C::*)(A...)> : MemberFnBase<R, C, A...> {};
template <class R, class C, class... A>
struct MemberFn<R (C::*)(A...) const> : MemberFnBase<R, C, A...> {};
template <class R, class C, class... A>
struct MemberFn<R (C::*)(A...) noexcept> : MemberFnBase<R, C, A...> {};
template <class R, class C, class... A>
struct MemberFn<R (C::*)(A...) const noexcept> : MemberFnBase<R, C, A...> {};

// Holds one converted argument for the call and writes a by-reference parameter back afterwards.
template <class A>
class ArgHolder {
public:
    using Value = std::remove_cvref_t<A>;
    static constexpr bool WritesBack =
        std::is_lvalue_reference_v<A> && !std::is_const_v<std::remove_reference_t<A>>;

    explicit ArgHolder(Variant& arg) : m_arg(arg), m_value(FromVariant<Value>(arg)) {}
    decltype(auto) Get() {
        if constexpr (std::is_reference_v<A>)
            return static_cast<A>(m_value);
        else
            return Value(std::move(m_value));
    }
    void WriteBack() {
        if constexpr (WritesBack)
            m_arg.Deref() = ToVariant(m_value);
    }

private:
    Variant& m_arg;
    Value m_value;
};

// A Variant parameter sees the caller's variable itself, so by-reference writes need no copy.
template <>
class ArgHolder<Variant&> {
public:
    explicit ArgHolder(Variant& arg) : m_value(arg.Deref()) {}
    Variant& Get() { return m_value; }
    void WriteBack() {}

private:
    Variant& m_value;
};
template <>
class ArgHolder<const Variant&> {
public:
    explicit ArgHolder(Variant& arg) : m_value(arg.Deref()) {}
    const Variant& Get() { return m_value; }
    void WriteBack() {}

private:
    const Variant& m_value;
};

template <class F, class R, class C, class Tuple>
struct Caller;
template <class F, class R, class C, class... A>
struct Caller<F, R, C, std::tuple<A...>> {
    static Variant Call(F fn, C& self, [[maybe_unused]] std::span<Variant> args) {
        return Apply(fn, self, args, std::index_sequence_for<A...>{});
    }
    template <size_t... I>
    static Variant Apply(F fn, C& self, [[maybe_unused]] std::span<Variant> args,
                         std::index_sequence<I...>) {
        // Braced initialisation converts the arguments left to right.
        std::tuple<ArgHolder<A>...> holders{ArgHolder<A>(args[I])...};
        if constexpr (std::is_void_v<R>) {
            (self.*fn)(std::get<I>(holders).Get()...);
            (std::get<I>(holders).WriteBack(), ...);
            return Variant();
        } else {
            Variant result = ToVariant((self.*fn)(std::get<I>(holders).Get()...));
            (std::get<I>(holders).WriteBack(), ...);
            return result;
        }
    }
};

template <class Tuple, size_t... I>
std::vector<ParamInfo> ParamsOf(std::index_sequence<I...>) {
    std::vector<ParamInfo> params;
    (params.push_back(
         ParamInfo{{},
                   TypeRef{VarTypeOf<std::tuple_element_t<I, Tuple>>(), {}},
                   false,
                   Variant::Missing(),
                   std::is_lvalue_reference_v<std::tuple_element_t<I, Tuple>> &&
                       !std::is_const_v<std::remove_reference_t<std::tuple_element_t<I, Tuple>>>}),
     ...);
    return params;
}

// Fills names, optional flags and defaults from the options; the type name goes to the value.
// Returns false when the options name more parameters than the C++ signature has.
bool ApplyOptions(MemberInfo& member, MemberOptions& options, bool isPut);

// Throws std::logic_error naming the class and the first fault of its table.
void CheckTable(const std::string& className, std::span<const MemberInfo> members,
                std::span<const PersistedProperty> persisted, std::span<const DISPID> readOrder,
                std::span<const DISPID> writeOrder, std::span<const std::string> faults);

// The persisted properties in `order`, or in declaration order when it is empty; the write
// order keeps only the stored ones.
std::vector<PersistedProperty> InOrder(std::span<const PersistedProperty> persisted,
                                       std::span<const DISPID> order, bool storedOnly);

} // namespace detail

// Declares a class's members and events, one line each:
//
//   static const ClassInfo info = ClassBuilder<Widget>("Widget")
//       .Library("Attrgrid")
//       .Property("Caption", DISPID_VALUE, &Widget::Caption, &Widget::SetCaption)
//       .Get("Count", 2, &Widget::Count)
//       .Method("Resize", 3, &Widget::Resize, Params({Arg("width"), Opt("height", -1)}))
//       .Event("Changed", 1, {{"bCancel", VT_BOOL, true}})
//       .Build();
//
// Parameter and return types come from the C++ signature; a non-const reference parameter is
// by-reference. Property picks let or set from the setter's value type (a Ptr means set).
// Declaration order is kept: type information lists the members in it and the persisted
// properties are initialised, read and written in it.
template <class C>
class ClassBuilder {
public:
    explicit ClassBuilder(std::string name);

    ClassBuilder& Library(std::string library);
    ClassBuilder& ClassId(std::string_view clsid);
    ClassBuilder& Interface(std::string name, std::string_view iid, uint32_t typeFlags = 0);
    ClassBuilder& EventInterface(std::string name, std::string_view iid);
    ClassBuilder& Help(std::string help);

    template <class F>
    ClassBuilder& Get(std::string name, DISPID id, F getter, MemberOptions options = {}) {
        return Add(std::move(name), id, DISPATCH_PROPERTYGET, getter, std::move(options));
    }
    template <class F>
    ClassBuilder& Let(std::string name, DISPID id, F setter, MemberOptions options = {}) {
        return Add(std::move(name), id, DISPATCH_PROPERTYPUT, setter, std::move(options));
    }
    template <class F>
    ClassBuilder& Set(std::string name, DISPID id, F setter, MemberOptions options = {}) {
        return Add(std::move(name), id, DISPATCH_PROPERTYPUTREF, setter, std::move(options));
    }
    template <class F>
    ClassBuilder& Method(std::string name, DISPID id, F method, MemberOptions options = {}) {
        return Add(std::move(name), id, DISPATCH_METHOD, method, std::move(options));
    }
    template <class G, class S>
    ClassBuilder& Property(std::string name, DISPID id, G getter, S setter,
                           MemberOptions options = {}) {
        using Args = typename detail::MemberFn<S>::Args;
        using ValueType =
            std::remove_cvref_t<std::tuple_element_t<std::tuple_size_v<Args> - 1, Args>>;
        constexpr uint16_t putKind =
            IsPtr<ValueType>::value ? DISPATCH_PROPERTYPUTREF : DISPATCH_PROPERTYPUT;
        MemberOptions getOptions = options;
        getOptions.persist = {};
        Add(name, id, DISPATCH_PROPERTYGET, getter, std::move(getOptions));
        return Add(std::move(name), id, putKind, setter, std::move(options));
    }

    // Events of the source interface; without a position the declaration index is used.
    ClassBuilder& Event(std::string name, DISPID id, std::vector<EventParam> params = {});
    ClassBuilder& Event(std::string name, DISPID id, int32_t position,
                        std::vector<EventParam> params, std::string help = {});

    ClassBuilder& ReadOrder(std::vector<DISPID> ids);
    ClassBuilder& WriteOrder(std::vector<DISPID> ids);

    ClassInfo Build();

private:
    template <class F>
    ClassBuilder& Add(std::string name, DISPID id, uint16_t kind, F fn, MemberOptions options) {
        using Traits = detail::MemberFn<F>;
        using Class = typename Traits::Class;
        static_assert(std::is_base_of_v<Class, C> || std::is_same_v<Class, C>,
                      "member of another class");
        MemberInfo member;
        member.name = std::move(name);
        member.id = id;
        member.kind = kind;
        member.params =
            detail::ParamsOf<typename Traits::Args>(std::make_index_sequence<Traits::Arity>{});
        member.returnType = TypeRef{VarTypeOf<typename Traits::Ret>(), {}};
        member.call = [fn](Object& self, std::span<Variant> args) {
            return detail::Caller<F, typename Traits::Ret, Class, typename Traits::Args>::Call(
                fn, static_cast<Class&>(static_cast<C&>(self)), args);
        };
        const bool isPut = (kind & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
        if (!detail::ApplyOptions(member, options, isPut))
            m_faults.push_back(member.name + " names more parameters than its signature has");
        if (options.persist.defaultOf) {
            PersistedProperty& persisted = m_persisted.emplace_back(std::move(options.persist));
            persisted.id = id;
            if (persisted.key.empty())
                persisted.key = member.name;
        }
        m_members.push_back(std::move(member));
        return *this;
    }

    std::string m_name;
    std::string m_library;
    std::string m_clsid;
    std::string m_interfaceName;
    std::string m_iid;
    uint32_t m_typeFlags = 0;
    std::string m_eventInterfaceName;
    std::string m_eventIid;
    std::string m_help;
    std::vector<MemberInfo> m_members;
    std::vector<EventInfo> m_events;
    std::vector<PersistedProperty> m_persisted;
    std::vector<DISPID> m_readOrder;
    std::vector<DISPID> m_writeOrder;
    std::vector<std::string> m_faults;
};

} // namespace ole

#include "platform/ole/dispatch/ClassBuilderImpl.h"

#pragma once

#include <cstddef>
#include <functional>
#include <type_traits>
#include <utility>

namespace ole {

// A strong reference to a reference-counted automation object (ole::Object or a class derived from
// it). Wrapping a raw pointer adds a reference, so `Ptr<Object>(this)` inside a member is safe.
template <class T>
class Ptr {
public:
    Ptr() noexcept = default;
    Ptr(std::nullptr_t) noexcept {}
    explicit Ptr(T* object) noexcept : m_p(object) { AddRef(); }
    Ptr(const Ptr& other) noexcept : m_p(other.m_p) { AddRef(); }
    Ptr(Ptr&& other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
    template <class U>
    requires std::is_convertible_v<U*, T*> Ptr(const Ptr<U>& other)
    noexcept : m_p(other.Get()) { AddRef(); }
    template <class U>
    requires std::is_convertible_v<U*, T*> Ptr(Ptr<U>&& other)
    noexcept : m_p(other.Detach()) {}
    ~Ptr() { Release(); }

    Ptr& operator=(Ptr other) noexcept {
        std::swap(m_p, other.m_p);
        return *this;
    }

    T* Get() const noexcept { return m_p; }
    T* operator->() const noexcept { return m_p; }
    T& operator*() const noexcept { return *m_p; }
    explicit operator bool() const noexcept { return m_p != nullptr; }

    // Gives up the reference without releasing it; for transfers between Ptr types.
    T* Detach() noexcept { return std::exchange(m_p, nullptr); }
    void Reset() noexcept { Ptr().Swap(*this); }
    void Swap(Ptr& other) noexcept { std::swap(m_p, other.m_p); }

    template <class U>
    friend bool operator==(const Ptr& a, const Ptr<U>& b) noexcept {
        return a.Get() == b.Get();
    }
    friend bool operator==(const Ptr& a, std::nullptr_t) noexcept { return a.m_p == nullptr; }

private:
    void AddRef() const noexcept {
        if (m_p)
            m_p->AddRef();
    }
    void Release() noexcept {
        if (T* p = std::exchange(m_p, nullptr))
            p->Release();
    }

    T* m_p = nullptr;
};

// Creates an object holding its first reference.
template <class T, class... Args>
Ptr<T> MakeObject(Args&&... args) {
    return Ptr<T>(new T(std::forward<Args>(args)...));
}

// The C++-type interface query: null when the object is not a T.
template <class T, class U>
Ptr<T> PtrCast(const Ptr<U>& from) noexcept {
    return Ptr<T>(dynamic_cast<T*>(from.Get()));
}

} // namespace ole

template <class T>
struct std::hash<ole::Ptr<T>> {
    size_t operator()(const ole::Ptr<T>& p) const noexcept { return std::hash<T*>()(p.Get()); }
};

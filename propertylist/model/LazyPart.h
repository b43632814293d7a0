#pragma once

#include <memory>

namespace attrgrid {

// Fields most objects leave at their defaults, allocated on first write: reads of a part never
// written see a shared default. Lists of many thousands of rows and properties stay small.
template <class T>
class LazyPart {
public:
    const T& Get() const {
        static const T defaults{};
        return m_part ? *m_part : defaults;
    }
    T& Write() {
        if (!m_part)
            m_part = std::make_unique<T>();
        return *m_part;
    }

private:
    std::unique_ptr<T> m_part;
};

} // namespace attrgrid

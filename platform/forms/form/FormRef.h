#pragma once

#include "platform/forms/form/Form.h"
#include "platform/forms/form/FormSettings.h"
#include "platform/ole/object/Ptr.h"

#include <functional>
#include <utility>

namespace forms {

// A single-instance form created on first use and dropped once it was unloaded, so the next use
// gets a fresh object (fields included). During program shutdown it creates nothing and gives
// null.
template <class T>
class FormRef {
public:
    using Factory = std::function<ole::Ptr<T>()>;
    explicit FormRef(Factory factory) : m_factory(std::move(factory)) {}

    ole::Ptr<T> Get() {
        if (m_form && m_form->UnloadCount() != m_unloadCount)
            m_form.Reset();
        if (!m_form && !FormSettings::ShuttingDown()) {
            m_form = m_factory();
            if (m_form)
                m_unloadCount = m_form->UnloadCount();
        }
        return m_form;
    }
    T* operator->() { return Get().Get(); }
    // The current instance without creating one.
    ole::Ptr<T> Peek() const { return m_form; }
    void Reset() { m_form.Reset(); }

private:
    Factory m_factory;
    ole::Ptr<T> m_form;
    uint32_t m_unloadCount = 0;
};

} // namespace forms

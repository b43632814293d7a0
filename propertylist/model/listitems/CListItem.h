#pragma once

#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/object/Object.h"

#include <string>

namespace attrgrid {

// One choice of a list-edited property: the text shown and the value it stands for.
class CListItem : public ole::Object {
public:
    enum Id : ole::DISPID { IdText = 0x68030000, IdValue = 0x68030001 };

    static ole::Ptr<CListItem> Create();

    ole::Variant GetValue() const { return m_value; }
    // An object is kept by reference; anything else is copied.
    void LetValue(const ole::Variant& value);
    std::string GetText() const { return m_text; }
    void LetText(std::string text) { m_text = std::move(text); }

    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }
    // A put of an object keeps the object instead of reducing it to its default value.
    ole::Variant Invoke(ole::DISPID id, uint16_t kinds, std::span<ole::Variant> args) override;

private:
    CListItem() = default;
    template <class T, class... Args>
    friend ole::Ptr<T> ole::MakeObject(Args&&... args);

    ole::Variant m_value;
    std::string m_text;
};

} // namespace attrgrid

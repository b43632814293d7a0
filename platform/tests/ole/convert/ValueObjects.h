#pragma once

#include "platform/ole/dispatch/ClassBuilder.h"
#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/object/Object.h"

// A test object whose default member returns a settable value, and one without a default member.
class ValueHolder : public ole::Object {
public:
    explicit ValueHolder(ole::Variant value) : m_value(std::move(value)) {}

    ole::Variant Value() const { return m_value; }
    void SetValue(const ole::Variant& value) { m_value = value; }

    const ole::ClassInfo& GetClassInfo() const override {
        static const ole::ClassInfo info =
            ole::ClassBuilder<ValueHolder>("ValueHolder")
                .Property("Value", ole::DISPID_VALUE, &ValueHolder::Value, &ValueHolder::SetValue)
                .Build();
        return info;
    }

private:
    ole::Variant m_value;
};

class Opaque : public ole::Object {
public:
    int32_t Count() const { return 3; }

    const ole::ClassInfo& GetClassInfo() const override {
        static const ole::ClassInfo info =
            ole::ClassBuilder<Opaque>("Opaque").Get("Count", 1, &Opaque::Count).Build();
        return info;
    }
};

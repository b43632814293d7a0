#pragma once

// A source object whose properties the model mirrors; the owning list is ListStandIn.

#include "platform/ole/dispatch/ClassBuilder.h"
#include "platform/ole/error/Error.h"

#include <algorithm>
#include <functional>

namespace attrgrid::test {

// A source object: Width refuses negative numbers with 380 and clamps above 1000; Child is an
// object property counting its sets; Echo takes any value but fails when read.
class Sizer : public ole::Object {
public:
    static ole::Ptr<Sizer> Create() { return ole::MakeObject<Sizer>(); }

    int32_t GetWidth() const { return m_width; }
    void LetWidth(int32_t width) {
        if (onWidth)
            onWidth();
        if (width < 0)
            throw ole::Error(ole::ERR_INVALID_PROPERTY_VALUE, "Invalid property value", "Sizer");
        m_width = std::min(width, 1000);
    }
    ole::Ptr<ole::Object> GetChild() const { return m_child; }
    void SetChild(ole::Ptr<ole::Object> child) {
        ++childSets;
        m_child = std::move(child);
    }
    ole::Variant GetEcho() const { ole::RaiseError(ole::ERR_INVALID_CALL); }
    void LetEcho(const ole::Variant&) {}

    static const ole::ClassInfo& Info() {
        static const ole::ClassInfo info =
            ole::ClassBuilder<Sizer>("Sizer")
                .Property("Width", 1, &Sizer::GetWidth, &Sizer::LetWidth)
                .Property("Child", 2, &Sizer::GetChild, &Sizer::SetChild)
                .Property("Echo", 3, &Sizer::GetEcho, &Sizer::LetEcho)
                .Build();
        return info;
    }
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }

    int childSets = 0;
    std::function<void()> onWidth;

private:
    int32_t m_width = 100;
    ole::Ptr<ole::Object> m_child;
};

} // namespace attrgrid::test

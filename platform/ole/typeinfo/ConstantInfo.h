#pragma once

#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/typeinfo/TypeLibrary.h"

namespace ole {

// One enumeration constant: Name (default member) and Value.
class ConstantInfo : public Object {
public:
    explicit ConstantInfo(EnumConstant constant) : m_constant(std::move(constant)) {}

    std::string Name() const { return m_constant.name; }
    int32_t Value() const { return m_constant.value; }

    static const ClassInfo& Info();
    const ClassInfo& GetClassInfo() const override { return Info(); }

private:
    EnumConstant m_constant;
};

} // namespace ole

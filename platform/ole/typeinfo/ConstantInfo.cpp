#include "platform/ole/typeinfo/ConstantInfo.h"

#include "platform/ole/typeinfo/InfoList.h"

namespace ole {

const ClassInfo& ConstantInfo::Info() {
    static const ClassInfo info = ClassBuilder<ConstantInfo>("ConstantInfo")
                                      .Library(kTypeInfoLibrary)
                                      .Get("Name", DISPID_VALUE, &ConstantInfo::Name)
                                      .Get("Value", 1, &ConstantInfo::Value)
                                      .Build();
    return info;
}

} // namespace ole

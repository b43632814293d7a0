#include "platform/ole/typeinfo/ICategorizeProperties.h"

namespace ole {

ICategorizeProperties* QueryCategorizeProperties(Object& object) {
    if (Ptr<Object> answered = object.QueryInterface(IID_ICategorizeProperties))
        return dynamic_cast<ICategorizeProperties*>(answered.Get());
    return nullptr;
}

} // namespace ole

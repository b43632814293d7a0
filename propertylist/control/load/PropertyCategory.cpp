#include "propertylist/control/load/PropertyCategory.h"

#include "platform/ole/error/Error.h"
#include "platform/ole/typeinfo/ICategorizeProperties.h"

#include <array>

namespace attrgrid::load {

std::string_view StandardCategoryName(int32_t number) {
    static constexpr std::array<std::string_view, 11> kNames{
        "Nil",  "Misc", "Font", "Position", "Appearance", "Behavior",
        "Data", "List", "Text", "Scale",    "DDE"};
    if (number > -1 || number < -static_cast<int32_t>(kNames.size()))
        return {};
    return kNames[static_cast<size_t>(-number - 1)];
}

PropertyCategory CategoryNameFromId(ole::Object& object, ole::DISPID getterId, uint32_t lcid) {
    PropertyCategory category;
    ole::ICategorizeProperties* categories = ole::QueryCategorizeProperties(object);
    if (!categories)
        return category;
    try {
        category.number = categories->MapPropertyToCategory(getterId);
        const std::string_view standard = StandardCategoryName(category.number);
        category.name = standard.empty() ? categories->GetCategoryName(category.number, lcid)
                                         : std::string(standard);
    } catch (const ole::Error&) {
    }
    return category;
}

} // namespace attrgrid::load

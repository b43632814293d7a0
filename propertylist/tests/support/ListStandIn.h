#pragma once

// The list as its rows and properties see it, for tests and benchmarks of the model and the
// painter: a real property collection and both row trees, the settings the painter reads (the
// properties' default colours among them), and logs of the changes rows and properties report.
// Rows a test builds by hand find their property in `loose` first, under whatever key the test
// chose.

#include "propertylist/control/GridSettings.h"
#include "propertylist/model/property/CProperties.h"
#include "propertylist/model/property/CPropertyListener.h"
#include "propertylist/model/property/CPropertyOwner.h"
#include "propertylist/model/rows/CRowTrees.h"

#include "platform/ole/dispatch/ClassBuilder.h"
#include "platform/ole/error/Error.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace attrgrid::test {

class ListStandIn : public ole::Object,
                    public CNodesOwner,
                    public CPropertyOwner,
                    public CPropertyListener {
public:
    static ole::Ptr<ListStandIn> Create() {
        auto list = ole::MakeObject<ListStandIn>();
        list->properties->SetOwner(list);
        list->trees.InitTrees(ole::PtrOfObject(list));
        return list;
    }

    const ole::ClassInfo& GetClassInfo() const override {
        static const ole::ClassInfo info = ole::ClassBuilder<ListStandIn>("ListStandIn").Build();
        return info;
    }

    ole::Ptr<CProperty> NodeProperty(std::string_view key) override {
        if (const auto it = loose.find(key); it != loose.end())
            return it->second;
        try {
            return properties->ItemByInternalKey(key);
        } catch (const ole::Error&) {
            return nullptr;
        }
    }
    void NodePropertyChanged(std::string_view key, std::string_view name) override {
        calls.push_back(std::string(key) + ":" + std::string(name));
        if (onChanged)
            onChanged();
    }
    int32_t PropertyBackColor() const override { return settings.propertyBackColor; }
    int32_t PropertyForeColor() const override { return settings.propertyForeColor; }
    void PropertyChanged(CProperty& aProperty) override {
        changed.push_back(aProperty.GetName());
        if (onPropertyChanged)
            onPropertyChanged(aProperty);
    }

    // Adds a property to the collection and its rows to both trees, as the list does.
    ole::Ptr<CProperty> Add(const std::string& name, const ole::Variant& value,
                            const std::string& category = "Misc",
                            int32_t editorType = shared::ksTextEditor,
                            const CategoryLook& look = {}) {
        auto property = properties->Add(name, value, category, editorType);
        trees.AddProperty(property, "|", "Misc", look);
        return property;
    }
    // The category look the settings give.
    CategoryLook SettingsLook() const {
        return {settings.categoryBold, settings.categoryForeColor, settings.categoryBackColor,
                settings.categoryAppearance};
    }

    GridSettings settings;
    ole::Ptr<CProperties> properties = CProperties::Create();
    CRowTrees trees;
    std::map<std::string, ole::Ptr<CProperty>, std::less<>> loose;
    std::vector<std::string> calls;
    std::function<void()> onChanged;
    // The names of the properties that told the list of a change.
    std::vector<std::string> changed;
    std::function<void(CProperty&)> onPropertyChanged;
};

} // namespace attrgrid::test

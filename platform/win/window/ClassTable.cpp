#include "platform/win/window/ClassTable.h"

#include "platform/base/TextCase.h"

#include <map>
#include <string>

namespace win::detail {

namespace {

using Map = std::map<std::string, std::shared_ptr<WindowClass>, base::LessNoCase>;

Map& Classes() {
    thread_local Map classes;
    thread_local bool initialised = false;
    if (!initialised) {
        initialised = true;
        RegisterSystemClasses();
    }
    return classes;
}

} // namespace

std::shared_ptr<const WindowClass> ClassTable::Find(std::string_view name) {
    Map& classes = Classes();
    const auto it = classes.find(name);
    return it == classes.end() ? nullptr : it->second;
}

bool ClassTable::Add(std::shared_ptr<WindowClass> windowClass) {
    Map& classes = Classes();
    std::string name = windowClass->name;
    return classes.emplace(std::move(name), std::move(windowClass)).second;
}

bool ClassTable::Remove(std::string_view name) {
    Map& classes = Classes();
    const auto it = classes.find(name);
    if (it == classes.end()) {
        return false;
    }
    classes.erase(it);
    return true;
}

void ClassTable::Reset() {
    std::erase_if(Classes(), [](const auto& entry) { return !entry.second->system; });
}

} // namespace win::detail

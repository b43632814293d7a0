#pragma once

#include "platform/win/detail/WindowRecord.h"

#include <memory>
#include <string_view>

namespace win::detail {

// The registered window classes.
class ClassTable {
public:
    static std::shared_ptr<const WindowClass> Find(std::string_view name);
    // False when a class of that name exists.
    static bool Add(std::shared_ptr<WindowClass> windowClass);
    static bool Remove(std::string_view name);
    // Back to the system classes only.
    static void Reset();
};

// Registers the classes every process starts with.
void RegisterSystemClasses();

} // namespace win::detail

#pragma once

#include <cstdint>
#include <string_view>

namespace attrgrid {

// What a row reports to its control when its own state changes (today only "Expanded").
class CNodeListener {
public:
    static constexpr int32_t NodePropertyChangedId = 0x60030000;

    virtual ~CNodeListener() = default;
    virtual void NodePropertyChanged(std::string_view key, std::string_view propName) {
        (void)key;
        (void)propName;
    }
};

} // namespace attrgrid

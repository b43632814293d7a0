#pragma once

#include "platform/ole/error/Error.h"

#include <cstdint>
#include <string>

namespace ole {

// The error object of "resume next" regions: the last caught error's fields, Raise and Clear.
class ErrObject {
public:
    int32_t Number() const { return m_number; }
    const std::string& Description() const { return m_description; }
    const std::string& Source() const { return m_source; }
    const std::string& HelpFile() const { return m_helpFile; }
    int32_t HelpContext() const { return m_helpContext; }

    void Capture(const Error& error);
    void Clear();
    // Throws an Error built from the arguments; an empty description takes the standard text.
    [[noreturn]] void Raise(int32_t number, std::string source = {}, std::string description = {},
                            std::string helpFile = {}, int32_t helpContext = 0);
    // Throws the captured error again.
    [[noreturn]] void Rethrow() const;

private:
    int32_t m_number = 0;
    std::string m_description;
    std::string m_source;
    std::string m_helpFile;
    int32_t m_helpContext = 0;
};

} // namespace ole

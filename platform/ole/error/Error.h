#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

namespace ole {

// The automation error: the one exception type of the automation layer. Run-time errors carry
// their small number (5, 13, 438, ...); object-defined errors carry 0x8004xxxx.
class Error : public std::exception {
public:
    Error(int32_t number, std::string description, std::string source = {},
          std::string helpFile = {}, int32_t helpContext = 0);

    int32_t Number() const noexcept { return m_number; }
    const std::string& Description() const noexcept { return m_description; }
    const std::string& Source() const noexcept { return m_source; }
    const std::string& HelpFile() const noexcept { return m_helpFile; }
    int32_t HelpContext() const noexcept { return m_helpContext; }

    void SetSource(std::string source) { m_source = std::move(source); }

    const char* what() const noexcept override { return m_description.c_str(); }

private:
    int32_t m_number;
    std::string m_description;
    std::string m_source;
    std::string m_helpFile;
    int32_t m_helpContext;
};

// Throws Error. An empty description of a run-time error number takes the standard text.
[[noreturn]] void RaiseError(int32_t number, std::string description = {}, std::string source = {});

// An error a library defines: its number (ObjectError(n) for 0x80040000 + n) and its text, declared
// once in the library's table of errors.
struct DefinedError {
    int32_t number;
    const char* text;
};
constexpr int32_t ObjectError(int32_t offset) {
    return static_cast<int32_t>(0x80040000U + static_cast<uint32_t>(offset));
}
// Throws the defined error from `source`; `prefix` goes before its text.
[[noreturn]] void RaiseError(const DefinedError& error, std::string source,
                             std::string_view prefix = {});

// Inside a catch block: the automation error for what is being handled: an Error as it is, 7 for
// running out of memory, 440 with the C++ message for anything else.
Error CurrentExceptionAsError();

// The standard description of a run-time error number; "Application-defined or object-defined
// error" for numbers without one.
std::string RuntimeErrorText(int32_t number);

// Run-time error numbers; their texts are in one table in Error.cpp.
inline constexpr int32_t ERR_INVALID_CALL = 5;
inline constexpr int32_t ERR_OVERFLOW = 6;
inline constexpr int32_t ERR_OUT_OF_MEMORY = 7;
inline constexpr int32_t ERR_SUBSCRIPT = 9;
inline constexpr int32_t ERR_DIVISION_BY_ZERO = 11;
inline constexpr int32_t ERR_TYPE_MISMATCH = 13;
inline constexpr int32_t ERR_INTERNAL = 51;
inline constexpr int32_t ERR_BAD_FILE_NAME = 52;
inline constexpr int32_t ERR_FILE_NOT_FOUND = 53;
inline constexpr int32_t ERR_PATH_ACCESS = 75;
inline constexpr int32_t ERR_PATH_NOT_FOUND = 76;
inline constexpr int32_t ERR_OBJECT_NOT_SET = 91;
inline constexpr int32_t ERR_INVALID_NULL = 94;
inline constexpr int32_t ERR_NOT_AN_ARRAY = 343;
inline constexpr int32_t ERR_NO_MDI_FORM = 366;
inline constexpr int32_t ERR_NOT_IN_COMPONENT = 369;
inline constexpr int32_t ERR_INVALID_PROPERTY_VALUE = 380;
inline constexpr int32_t ERR_READ_ONLY = 383;
inline constexpr int32_t ERR_MODELESS_UNDER_MODAL = 401;
inline constexpr int32_t ERR_MODELESS_NOT_ALLOWED = 406;
inline constexpr int32_t ERR_NO_MEMBER = 438;
inline constexpr int32_t ERR_AUTOMATION = 440;
inline constexpr int32_t ERR_ARGUMENT_COUNT = 450;
inline constexpr int32_t ERR_DUPLICATE_KEY = 457;
inline constexpr int32_t ERR_UNSUPPORTED_TYPE = 458;
inline constexpr int32_t ERR_INVALID_PICTURE = 481;
inline constexpr int32_t ERR_INVALID_CLASS_STRING = 711;
inline constexpr int32_t ERR_DUPLICATE_CONTROL_NAME = 727;

} // namespace ole

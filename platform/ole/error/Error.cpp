#include "platform/ole/error/Error.h"

#include <array>
#include <utility>

namespace ole {

namespace {

struct RuntimeError {
    int32_t number;
    const char* text;
};

constexpr std::array kRuntimeErrors{
    RuntimeError{5, "Invalid procedure call or argument"},
    RuntimeError{6, "Overflow"},
    RuntimeError{7, "Out of memory"},
    RuntimeError{9, "Subscript out of range"},
    RuntimeError{13, "Type mismatch"},
    RuntimeError{52, "Bad file name or number"},
    RuntimeError{53, "File not found"},
    RuntimeError{75, "Path/File access error"},
    RuntimeError{76, "Path not found"},
    RuntimeError{91, "Object variable or With block variable not set"},
    RuntimeError{94, "Invalid use of Null"},
    RuntimeError{343, "Object not an array"},
    RuntimeError{369, "Operation not valid in a component library"},
    RuntimeError{380, "Invalid property value"},
    RuntimeError{383, "Property is read-only"},
    // The host refusing a modeless form; the texts are our own.
    RuntimeError{401, "A modeless form cannot be shown while a modal form is open"},
    RuntimeError{406, "The host does not allow modeless forms"},
    RuntimeError{438, "Object doesn't support this property or method"},
    RuntimeError{440, "Automation error"},
    RuntimeError{450, "Wrong number of arguments or invalid property assignment"},
    RuntimeError{457, "This key is already associated with an element of this collection"},
    RuntimeError{458, "Variable uses an Automation type not supported"},
    RuntimeError{481, "Invalid picture"},
    RuntimeError{711, "Invalid class string"},
    RuntimeError{727, "There is already a control with the name"},
};

} // namespace

Error::Error(int32_t number, std::string description, std::string source, std::string helpFile,
             int32_t helpContext)
    : m_number(number), m_description(std::move(description)), m_source(std::move(source)),
      m_helpFile(std::move(helpFile)), m_helpContext(helpContext) {}

std::string RuntimeErrorText(int32_t number) {
    for (const RuntimeError& error : kRuntimeErrors) {
        if (error.number == number)
            return error.text;
    }
    return "Application-defined or object-defined error";
}

void RaiseError(int32_t number, std::string description, std::string source) {
    if (description.empty())
        description = RuntimeErrorText(number);
    throw Error(number, std::move(description), std::move(source));
}

} // namespace ole

#include "platform/ole/error/Error.h"

#include <array>
#include <new>
#include <utility>

namespace ole {

namespace {

struct RuntimeError {
    int32_t number;
    const char* text;
};

constexpr std::array kRuntimeErrors{
    RuntimeError{ERR_INVALID_CALL, "Invalid procedure call or argument"},
    RuntimeError{ERR_OVERFLOW, "Overflow"},
    RuntimeError{ERR_OUT_OF_MEMORY, "Out of memory"},
    RuntimeError{ERR_SUBSCRIPT, "Subscript out of range"},
    RuntimeError{ERR_DIVISION_BY_ZERO, "Division by zero"},
    RuntimeError{ERR_TYPE_MISMATCH, "Type mismatch"},
    RuntimeError{ERR_INTERNAL, "Internal error"},
    RuntimeError{ERR_BAD_FILE_NAME, "Bad file name or number"},
    RuntimeError{ERR_FILE_NOT_FOUND, "File not found"},
    RuntimeError{ERR_PATH_ACCESS, "Path/File access error"},
    RuntimeError{ERR_PATH_NOT_FOUND, "Path not found"},
    RuntimeError{ERR_OBJECT_NOT_SET, "Object variable or With block variable not set"},
    RuntimeError{ERR_INVALID_NULL, "Invalid use of Null"},
    RuntimeError{ERR_NOT_AN_ARRAY, "Object not an array"},
    RuntimeError{ERR_NO_MDI_FORM, "No MDI form available to load"},
    RuntimeError{ERR_NOT_IN_COMPONENT, "Operation not valid in a component library"},
    RuntimeError{ERR_INVALID_PROPERTY_VALUE, "Invalid property value"},
    RuntimeError{ERR_READ_ONLY, "Property is read-only"},
    // The host refusing a modeless form; the texts are our own.
    RuntimeError{ERR_MODELESS_UNDER_MODAL,
                 "A modeless form cannot be shown while a modal form is open"},
    RuntimeError{ERR_MODELESS_NOT_ALLOWED, "The host does not allow modeless forms"},
    RuntimeError{ERR_NO_MEMBER, "Object doesn't support this property or method"},
    RuntimeError{ERR_AUTOMATION, "Automation error"},
    RuntimeError{ERR_ARGUMENT_COUNT, "Wrong number of arguments or invalid property assignment"},
    RuntimeError{ERR_DUPLICATE_KEY,
                 "This key is already associated with an element of this collection"},
    RuntimeError{ERR_UNSUPPORTED_TYPE, "Variable uses an Automation type not supported"},
    RuntimeError{ERR_INVALID_PICTURE, "Invalid picture"},
    RuntimeError{ERR_INVALID_CLASS_STRING, "Invalid class string"},
    RuntimeError{ERR_DUPLICATE_CONTROL_NAME, "There is already a control with the name"},
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

void RaiseError(const DefinedError& error, std::string source, std::string_view prefix) {
    throw Error(error.number, std::string(prefix) + error.text, std::move(source));
}

Error CurrentExceptionAsError() {
    try {
        throw;
    } catch (const Error& error) {
        return error;
    } catch (const std::bad_alloc&) {
        return Error(ERR_OUT_OF_MEMORY, RuntimeErrorText(ERR_OUT_OF_MEMORY));
    } catch (const std::exception& e) {
        return Error(ERR_AUTOMATION, e.what());
    } catch (...) {
        return Error(ERR_AUTOMATION, RuntimeErrorText(ERR_AUTOMATION));
    }
}

} // namespace ole

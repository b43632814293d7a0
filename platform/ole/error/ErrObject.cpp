#include "platform/ole/error/ErrObject.h"

namespace ole {

void ErrObject::Capture(const Error& error) {
    m_number = error.Number();
    m_description = error.Description();
    m_source = error.Source();
    m_helpFile = error.HelpFile();
    m_helpContext = error.HelpContext();
}

void ErrObject::Clear() {
    *this = ErrObject();
}

void ErrObject::Raise(int32_t number, std::string source, std::string description,
                      std::string helpFile, int32_t helpContext) {
    if (description.empty())
        description = RuntimeErrorText(number);
    Error error(number, std::move(description), std::move(source), std::move(helpFile),
                helpContext);
    Capture(error);
    throw error;
}

void ErrObject::Rethrow() const {
    throw Error(m_number, m_description, m_source, m_helpFile, m_helpContext);
}

} // namespace ole

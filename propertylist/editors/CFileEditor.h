#pragma once

#include "propertylist/editors/PathEditor.h"

#include <string>

namespace attrgrid {

// The file editor: "..." opens the open-file dialog set up from the row's parameters.
class CFileEditor final : public PathEditor {
public:
    static ole::Ptr<CFileEditor> Create();

    void Reset(const ole::Ptr<CProperty>& aProperty,
               const ole::Ptr<CEditorListener>& anEditorListener) override;

private:
    CFileEditor() = default;
    template <class T, class... Args>
    friend ole::Ptr<T> ole::MakeObject(Args&&... args);

    void Browse() override;

    std::string m_Filter;
    std::string m_InitialDir;
    std::string m_FileFlags;
    std::string m_DefaultExt;
};

} // namespace attrgrid

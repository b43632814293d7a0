#pragma once

#include "propertylist/editors/PathEditor.h"

namespace attrgrid {

// The directory editor: "..." opens the folder browser. Its flags carry over from one edit to the
// next when a row gives none.
class CDirectoryEditor final : public PathEditor {
public:
    static ole::Ptr<CDirectoryEditor> Create();

    void Reset(const ole::Ptr<CProperty>& aProperty,
               const ole::Ptr<CEditorListener>& anEditorListener) override;

private:
    CDirectoryEditor() = default;
    template <class T, class... Args>
    friend ole::Ptr<T> ole::MakeObject(Args&&... args);

    // A folder without a file-system path changes nothing and commits nothing, as a cancel.
    void Browse() override;

    int32_t m_FolderFlags = 0;
};

} // namespace attrgrid

// The control's methods: the editor registry seen from the host, the selected property and
// Refresh.

#include "propertylist/control/ZAVeravuvuDudu.h"
#include "propertylist/editors/HostEditor.h"
#include "propertylist/library/AttrgridErrors.h"

#include "platform/win/Win.h"

namespace attrgrid {

namespace {

constexpr const char* kCustomPrefix = "CUSTOM_";
constexpr const char* kRegisterSource = "ZAVeravuvuDudu.RegisterEditor";

} // namespace

// The panels are nested, so redrawing children as well would paint the grid once per enclosing
// panel.
void ZAVeravuvuDudu::RedrawPanel(const ole::Ptr<forms::PictureBox>& panel) {
    if (!panel || !panel->IsAlive())
        return;
    win::RedrawWindow(panel->Window(), nullptr, {},
                      win::RDW_INVALIDATE | win::RDW_ERASE | win::RDW_UPDATENOW);
}

ole::Ptr<CProperty> ZAVeravuvuDudu::GetSelectedProperty() const {
    if (m_released || !m_CProperties)
        return nullptr;
    const ole::Ptr<CNode> row = m_SelectedNode;
    if (!row || row->NodeType() != NodeKind::Property)
        return nullptr;
    try {
        return m_CProperties->ItemByInternalKey(row->Key());
    } catch (const ole::Error&) {
        // A row whose property has gone shows no property rather than failing the host.
        return nullptr;
    }
}

void ZAVeravuvuDudu::SetSelectedProperty(const ole::Ptr<CProperty>& value) {
    if (m_released || !value)
        return;
    ole::Ptr<ZAVeravuvuDudu> self(this);
    const std::string key = value->GetInternalKey();
    ole::Ptr<CProperty> own;
    try {
        if (m_CProperties)
            own = m_CProperties->ItemByInternalKey(key);
    } catch (const ole::Error&) {
    }
    if (own.Get() != value.Get())
        ole::RaiseError(errors::AlienProperty, kLibraryName);
    if (!m_ActiveNodes)
        return;
    if (auto row = m_ActiveNodes->ItemByKey(key))
        SelectNode(row);
}

// Repaints every panel now, in the order the surface is layered: grid, headers, description,
// the tab strip (cleared first, its frame is drawn on it), the background last.
void ZAVeravuvuDudu::Refresh() {
    if (m_released || m_settings.lockRefresh)
        return;
    ole::Ptr<ZAVeravuvuDudu> self(this);
    RedrawPanel(m_picTreeContainer);
    RedrawPanel(m_picHeaderContainer);
    RedrawPanel(m_picNameHeader);
    RedrawPanel(m_picValueHeader);
    RedrawPanel(m_picDescPane);
    if (m_picTabContainer && m_picTabContainer->IsAlive()) {
        m_picTabContainer->DoCls();
        RedrawPanel(m_picTabContainer);
    }
    RedrawPanel(m_picBG);
}

bool ZAVeravuvuDudu::RegisterEditor(const std::string& sKey,
                                    const ole::Ptr<ole::Object>& anEditor) {
    if (m_released)
        return false;
    if (sKey.empty())
        ole::RaiseError(errors::InvalidKey, kRegisterSource);
    // A host object that implements the interface by automation only gets an adapter.
    const ole::Ptr<CEditor> editor = HostEditor::Wrap(anEditor);
    if (!editor)
        return false;
    if (!m_Editors)
        m_Editors = ole::Collection::Create();
    const std::string key = kCustomPrefix + sKey;
    auto raiseIfTaken = [&] {
        if (m_Editors->ContainsKey(key))
            ole::RaiseError(errors::EditorKeyInUse, kRegisterSource);
    };
    raiseIfTaken();
    ole::Ptr<ZAVeravuvuDudu> self(this);
    editor->init(static_cast<int32_t>(m_GridWnd.Value()));
    // A host editor's init may have unloaded the control or registered the key meanwhile.
    if (m_released || !m_Editors)
        return false;
    raiseIfTaken();
    m_Editors->Append(ole::Variant(ole::Ptr<ole::Object>(editor)), key);
    editor->LetVisible(false);
    return true;
}

void ZAVeravuvuDudu::UnRegisterEditor(const std::string& sKey) {
    if (m_released)
        return;
    ole::Ptr<ZAVeravuvuDudu> self(this);
    CommitActiveEditor();
    if (m_released || !m_Editors)
        return;
    try {
        m_Editors->RemoveByKey(kCustomPrefix + sKey);
    } catch (const ole::Error&) {
    }
}

} // namespace attrgrid

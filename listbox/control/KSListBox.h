#pragma once

#include "shared/subclass/SubclassWnd.h"
#include "shared/subclass/cSubclassListener.h"

#include "platform/forms/controls/lists/ComboBox.h"
#include "platform/forms/host/UserControl.h"
#include "platform/ole/collection/Collection.h"
#include "platform/ole/font/Font.h"

#include <cstdint>
#include <string>

namespace rowbox {

enum ksAppearance : int32_t { ksFlat = 0, ks3d = 1 };
enum ksBorderStyle : int32_t { ksNone = 0, ksFixedSingle = 1 };

// A drop-down list that fills any size: one drop-down-list combo box covers the surface, its
// selection field stretched to the control's height, its own border cut off when the control is
// flat or borderless, and its dropped list right-aligned with it. Each item may carry item data,
// kept by the item's text (case-insensitive, so equal texts share one slot).
//
// In user mode the combo window is subclassed for three messages:
//   WM_CTLCOLORLISTBOX  the dropped list is painting: move it so its right edge meets the combo's
//   WM_COMMAND          LBN_SELCHANGE from the list, a user's pick: raise Change (ListIndex is
//                       already the new one; a ListIndex let sends no notification, so no Change)
//   WM_DESTROY          let go of the window
class KSListBox : public forms::UserControl, public shared::cSubclassListener {
public:
    static constexpr const char* kProgId = "Rowbox.KSListBox";
    static constexpr const char* kLibraryName = "Rowbox";
    static constexpr int32_t kDefaultBackColor = static_cast<int32_t>(0x80000005);
    static constexpr int32_t kDefaultForeColor = static_cast<int32_t>(0x80000008);

    enum Id : ole::DISPID {
        IdAppearance = 0x68030015,
        IdBackColor = 0x68030014,
        IdBorderStyle = 0x68030013,
        IdFont = 0x68030012,
        IdForeColor = 0x68030011,
        IdAddItem = 0x6003001F,
        IdAddItemEx = 0x60030020,
        IdRemoveItem = 0x60030021,
        IdClear = 0x60030022,
        IdListCount = 0x68030010,
        IdListIndex = 0x6803000F,
        IdItemData = 0x6803000E,
        IdList = 0x6803000D,
        IdHwnd = 0x6803000C,
        IdScaleMode = 0x6803000B,
    };
    enum EventId : ole::DISPID { EvChange = 1 };

    static ole::Ptr<KSListBox> Create();
    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }
    // Registers the class with the class registry (static linking and tests; the shared library
    // registers through its exports).
    static void Register();
    // This library's subclassing registry.
    static shared::SubclassWnd& Subclassing();

    int32_t GetAppearance() const { return m_Appearance; }
    void LetAppearance(int32_t value);
    int32_t GetBackColor() const;
    void LetBackColor(int32_t value);
    int32_t GetBorderStyle() const { return m_BorderStyle; }
    void LetBorderStyle(int32_t value);
    ole::Ptr<ole::Font> GetFont() const;
    void SetFont(const ole::Ptr<ole::Font>& value);
    // The default font: the container's.
    ole::Ptr<ole::Font> DefaultFont();
    int32_t GetForeColor() const;
    void LetForeColor(int32_t value);

    void AddItem(const std::string& sText, int32_t Index);
    void AddItemEx(const std::string& sText, const ole::Variant& anItemData, int32_t Index);
    void RemoveItem(int32_t Index);
    void Clear();
    int32_t GetListCount() const;
    int32_t GetListIndex() const;
    void LetListIndex(int32_t value);
    ole::Variant GetItemData(int32_t Index) const;
    void LetItemData(int32_t Index, const ole::Variant& value);
    std::string GetList(int32_t Index) const;
    int32_t GetHwnd() const;
    int32_t GetScaleMode() const { return ScaleMode(); }

    win::LRESULT WindowMsgListener(win::HWND hwnd, win::UINT Msg, win::WPARAM wParam,
                                   win::LPARAM lParam, bool& bRouteToOriginal) override;

    // The constituent, for tests that look at the window.
    const ole::Ptr<forms::ComboBox>& ComboBox() const { return m_ComboBox; }

protected:
    KSListBox() = default;
    template <class T, class... Args>
    friend ole::Ptr<T> ole::MakeObject(Args&&... args);

    void OnInitialize() override;
    void OnInitProperties() override;
    void OnReadProperties(ole::PropertyBag& bag) override;
    void OnWriteProperties(ole::PropertyBag& bag) override;
    void OnResize() override;
    void OnTerminate() override;

private:
    void AttachCombo();
    void SubclassCombo();
    void DetachCombo();
    bool ComboAlive() const;
    // 91 before the combo box exists.
    forms::ComboBox& Combo() const;
    void RedrawCombo();
    void ApplyBorder();
    void LetLook(int32_t& field, int32_t value, ole::DISPID id);
    void ResizeCombo();
    void AlignDroppedList(win::HWND list);
    std::string GetListText(int16_t Index) const;
    bool NamesItem(int16_t Index) const;
    // The item-data key of the item at Index; 5 when no item is there.
    std::string ItemKey(int32_t Index) const;

    ole::Ptr<ole::Collection> m_ItemData = ole::Collection::Create();
    int32_t m_Appearance = ksFlat;
    int32_t m_BorderStyle = ksNone;
    win::HWND m_hWndCombo;
    ole::Ptr<forms::ComboBox> m_ComboBox;
};

} // namespace rowbox

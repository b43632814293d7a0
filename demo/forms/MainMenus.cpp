#include "MainMenus.h"

#include "platform/win/WinConstants.h"
#include "platform/win/menu/MenuConstants.h"

namespace sampledesk {

namespace {

using forms::MenuDescription;

constexpr win::BYTE kCtrl = win::FVIRTKEY | win::FCONTROL;

MenuDescription Item(const char* name, const char* caption) {
    return {name, caption};
}
MenuDescription Item(const char* name, const char* caption, win::BYTE modifiers, win::WORD key) {
    return {.name = name, .caption = caption, .shortcutModifiers = modifiers, .shortcutKey = key};
}
MenuDescription Menu(const char* name, const char* caption, std::vector<MenuDescription> items) {
    return {.name = name, .caption = caption, .children = std::move(items)};
}

} // namespace

const std::vector<forms::MenuDescription>& MainMenus() {
    static const std::vector<MenuDescription> menus{
        Menu("mnuFile", "&File",
             {Item("mnuFileNew", "&New"), Item("mnuOpen", "&Open", kCtrl, 'O'),
              Item("mnuClose", "&Close"), Item("mnuFileSep1", "-"),
              Item("mnuFileSave", "&Save", kCtrl, 'S'), Item("mnuFileSep2", "-"),
              Item("mnuFileExit", "E&xit")}),
        Menu("mnuView", "&View",
             {Item("mnuViewDesigner", "&Designer window"),
              Item("mnuViewPropWindow", "&Properties Window", win::FVIRTKEY, win::VK_F4),
              Item("mnuViewToolbox", "&Toolbox"), Item("mnuViewSep1", "-"),
              Menu("mnuPropMode", "&Mode",
                   {Item("mnuModeRun", "&Run"), Item("mnuModeDraw", "&Draw"),
                    Item("mnuModeSelect", "&Select")}),
              Item("mnuViewSep2", "-"), Item("mnuPropShowGrid", "Show &Grid")}),
        Menu("mnuFormat", "For&mat",
             {Menu("mnuAlign", "&Align",
                   {Item("mnuAlignLeft", "&Left"), Item("mnuAlignTop", "&Top"),
                    Item("mnuAlignRight", "&Right"), Item("mnuAlignBottom", "&Bottom"),
                    Item("mnuAlignSep1", "-"), Item("mnuAlignGrid", "&Grid")}),
              Menu("mnuResize", "&Resize",
                   {Item("mnuResizeHorzShrink", "Horz Shrink "),
                    Item("mnuResizeHorzExpand", "Horz Expand"),
                    Item("mnuResizeVertShrink", "Vert Shrink"),
                    Item("mnuResizeVertExpand", "Vert Expand")}),
              Item("mnuFormatSep1", "-"),
              Menu("mnuLock", "&Lock",
                   {Item("mnuLockControl", "&Lock Control"),
                    Item("mnuUnlockControl", "&Unlock Control"), Item("mnuLockSep1", "-"),
                    Item("mnuLockSelectedControls", "Lock &Selected Controls"),
                    Item("mnuUnlockSelectedControls", "Unlo&ck Selected Controls"),
                    Item("mnuLockSep2", "-"), Item("mnuLockAllControls", "Lock &All Controls"),
                    Item("mnuUnlockAllControls", "Unl&ock All Controls")})}),
    };
    return menus;
}

} // namespace sampledesk

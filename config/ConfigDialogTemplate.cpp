#include "config/ConfigDialogTemplate.h"

#include "config/ConfigResources.h"
#include "platform/WinValues.h"

namespace {

using namespace config;

constexpr uint32_t ListStyle = win::LvsReport | win::LvsShowSelAlways | win::WsBorder;
constexpr uint32_t BitmapButton = win::BsOwnerDraw;
constexpr uint32_t Separator = 0;

MenuItemTemplate Item(const char* text, int id) { return MenuItemTemplate{text, id, {}}; }
MenuItemTemplate Line() { return MenuItemTemplate{"", Separator, {}}; }

}  // namespace

const MenuTemplate& ConfigMenuBar() {
    static const MenuTemplate menu{
        IdrMainMenu,
        {
            {"&File", 0, {Item("&New Shortcut", IdFileNew), Item("&Restore", IdFileRestore), Line(), Item("E&xit", IdAppExit)}},
            {"&View", 0, {Item("&Explore", IdViewExplore), Item("&Refresh\tF5", IdViewRefresh), Item("&Last Start-up...", IdViewLastStartup), Line(),
                        Item("&Options...", IdViewOptions)}},
            {"&Help", 0, {Item("&Contents\tF1", IdHelpContents), Item("&About Orvane...", IdHelpAbout)}},
        }};
    return menu;
}

const MenuTemplate& ConfigPopupMenu() {
    static const MenuTemplate menu{
        IdrPopupMenu,
        {
            {"IDR_POPUP_MENU", 0,
             {Item("&Explore", IdPopupExplore), Item("&Refresh", IdPopupRefresh), Item("&Properties", IdPopupProperties), Line(),
              Item("&Delete", IdPopupDelete)}},
        }};
    return menu;
}

const DialogTemplate& ConfigDialogTemplate() {
    static const DialogTemplate dialog = [] {
        DialogTemplate t;
        t.resourceId = IddConfig;
        t.caption = "Orvane Configuration";
        t.style = win::WsPopup | win::WsVisible | win::WsCaption | win::WsSysMenu | win::WsMinimizeBox | win::DsModalFrame |
                  win::DsSetFont;
        t.exStyle = win::WsExAppWindow;
        t.cx = 502;
        t.cy = 221;
        t.menuBar = &ConfigMenuBar();
        t.popupMenus = {&ConfigPopupMenu()};
        // In the order the eye reads the window, which is the order Tab
        // goes: the manager, its moves, the Windows Startup folder, Close;
        // then the registry side. Tab passes over the hidden ones.
        t.controls = {
            {ui::IdStatic, ui::StaticClass, "Startup Manager", win::SsLeft, 15, 5, 55, 10},
            // The bitmap buttons' texts are what a screen reader says of them.
            {IdcManagerUp, ui::ButtonClass, "Move &up", BitmapButton | win::WsTabStop, 2, 35, 10, 14},
            {IdcManagerDown, ui::ButtonClass, "Move dow&n", BitmapButton | win::WsTabStop, 2, 53, 10, 14},
            {IdcManagerList, ui::ListViewClass, "", ListStyle | win::WsTabStop, 15, 15, 205, 65},
            {IdcAdd, ui::ButtonClass, "&Add", BitmapButton | win::WsTabStop, 25, 90, 45, 15},
            {IdcRemove, ui::ButtonClass, "&Remove", BitmapButton | win::WsTabStop, 81, 90, 45, 15},
            {IdcAdvanced, ui::ButtonClass, "Advanc&ed >>", win::BsPushButton | win::WsTabStop, 171, 90, 50, 15},
            {ui::IdStatic, ui::StaticClass, "Windows' Startup Folder", win::SsLeft, 15, 114, 80, 10},
            {IdcStartupUp, ui::ButtonClass, "Move u&p", BitmapButton | win::WsTabStop, 2, 142, 10, 14},
            {IdcStartupDown, ui::ButtonClass, "Move do&wn", BitmapButton | win::WsTabStop, 2, 160, 10, 14},
            {IdcStartupList, ui::ListViewClass, "", ListStyle | win::LvsNoColumnHeader | win::WsTabStop, 15, 125, 205, 65},
            {IdcClose, ui::ButtonClass, "Cl&ose", win::BsDefPushButton | win::WsTabStop, 174, 200, 50, 14},
            {IdcRegistryAdd, ui::ButtonClass, "<-- A&dd", win::BsPushButton | win::WsTabStop, 230, 30, 50, 15},
            {IdcRegistryRemove, ui::ButtonClass, "Re&move -->", win::BsPushButton | win::WsTabStop, 230, 50, 50, 15},
            {IdcBasic, ui::ButtonClass, "<< Advan&ced", win::BsPushButton | win::WsTabStop, 230, 90, 50, 15},
            {ui::IdStatic, ui::StaticClass, "Registry's Run/Services", win::SsLeft, 291, 5, 79, 10},
            // Each list's label comes just before it, where a screen reader
            // looks for its name.
            {ui::IdStatic, ui::StaticClass, "Run", win::SsLeft, 291, 15, 79, 9},
            {IdcRunList, ui::ListViewClass, "", ListStyle | win::LvsNoColumnHeader | win::WsTabStop, 290, 25, 205, 55},
            {ui::IdStatic, ui::StaticClass, "RunServices", win::SsLeft, 291, 82, 79, 9},
            {IdcRunServicesList, ui::ListViewClass, "", ListStyle | win::LvsNoColumnHeader | win::WsTabStop, 290, 92, 205, 53},
            {IdcCloseAdvanced, ui::ButtonClass, "Clo&se", win::BsDefPushButton | win::WsTabStop, 445, 200, 50, 14},
        };
        return t;
    }();
    return dialog;
}

// Every value of platform/WinValues.h is the system header's own.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include "platform/WinValues.h"

static_assert(win::MbOk == MB_OK, "MB_OK");
static_assert(win::MbYesNoCancel == MB_YESNOCANCEL, "MB_YESNOCANCEL");
static_assert(win::MbYesNo == MB_YESNO, "MB_YESNO");
static_assert(win::MbIconStop == MB_ICONSTOP, "MB_ICONSTOP");
static_assert(win::MbIconQuestion == MB_ICONQUESTION, "MB_ICONQUESTION");
static_assert(win::MbIconExclamation == MB_ICONEXCLAMATION, "MB_ICONEXCLAMATION");
static_assert(win::MbSetForeground == MB_SETFOREGROUND, "MB_SETFOREGROUND");
static_assert(win::IdOk == IDOK, "IDOK");
static_assert(win::IdCancel == IDCANCEL, "IDCANCEL");
static_assert(win::IdYes == IDYES, "IDYES");
static_assert(win::IdNo == IDNO, "IDNO");

static_assert(win::RegSz == REG_SZ, "REG_SZ");
static_assert(win::RegExpandSz == REG_EXPAND_SZ, "REG_EXPAND_SZ");
static_assert(win::RegBinary == REG_BINARY, "REG_BINARY");
static_assert(win::RegDword == REG_DWORD, "REG_DWORD");

static_assert(win::FileAttributeReadOnly == FILE_ATTRIBUTE_READONLY, "FILE_ATTRIBUTE_READONLY");
static_assert(win::FileAttributeHidden == FILE_ATTRIBUTE_HIDDEN, "FILE_ATTRIBUTE_HIDDEN");
static_assert(win::FileAttributeSystem == FILE_ATTRIBUTE_SYSTEM, "FILE_ATTRIBUTE_SYSTEM");
static_assert(win::FileAttributeDirectory == FILE_ATTRIBUTE_DIRECTORY, "FILE_ATTRIBUTE_DIRECTORY");
static_assert(win::FileAttributeArchive == FILE_ATTRIBUTE_ARCHIVE, "FILE_ATTRIBUTE_ARCHIVE");
static_assert(win::FileAttributeNormal == FILE_ATTRIBUTE_NORMAL, "FILE_ATTRIBUTE_NORMAL");

static_assert(win::VkReturn == VK_RETURN, "VK_RETURN");
static_assert(win::VkSpace == VK_SPACE, "VK_SPACE");
static_assert(win::VkEscape == VK_ESCAPE, "VK_ESCAPE");
static_assert(win::VkCapital == VK_CAPITAL, "VK_CAPITAL");
static_assert(win::VkScroll == VK_SCROLL, "VK_SCROLL");
static_assert(win::VkDelete == VK_DELETE, "VK_DELETE");
static_assert(win::VkF1 == VK_F1, "VK_F1");
static_assert(win::VkF5 == VK_F5, "VK_F5");

static_assert(win::SwHide == SW_HIDE, "SW_HIDE");
static_assert(win::SwShowNormal == SW_SHOWNORMAL, "SW_SHOWNORMAL");
static_assert(win::SwMinimize == SW_MINIMIZE, "SW_MINIMIZE");
static_assert(win::SwShow == SW_SHOW, "SW_SHOW");
static_assert(win::SwShowMinNoActive == SW_SHOWMINNOACTIVE, "SW_SHOWMINNOACTIVE");

static_assert(win::ShellExecuteFailureLimit == HINSTANCE_ERROR, "HINSTANCE_ERROR");
static_assert(win::SeErrFileNotFound == SE_ERR_FNF, "SE_ERR_FNF");

static_assert(win::WsPopup == WS_POPUP, "WS_POPUP");
static_assert(win::WsChild == WS_CHILD, "WS_CHILD");
static_assert(win::WsMinimizeBox == WS_MINIMIZEBOX, "WS_MINIMIZEBOX");
static_assert(win::WsVisible == WS_VISIBLE, "WS_VISIBLE");
static_assert(win::WsDisabled == WS_DISABLED, "WS_DISABLED");
static_assert(win::WsCaption == WS_CAPTION, "WS_CAPTION");
static_assert(win::WsBorder == WS_BORDER, "WS_BORDER");
static_assert(win::WsVScroll == WS_VSCROLL, "WS_VSCROLL");
static_assert(win::WsHScroll == WS_HSCROLL, "WS_HSCROLL");
static_assert(win::WsSysMenu == WS_SYSMENU, "WS_SYSMENU");
static_assert(win::WsGroup == WS_GROUP, "WS_GROUP");
static_assert(win::WsTabStop == WS_TABSTOP, "WS_TABSTOP");
static_assert(win::WsExAppWindow == WS_EX_APPWINDOW, "WS_EX_APPWINDOW");
static_assert(win::WsExClientEdge == WS_EX_CLIENTEDGE, "WS_EX_CLIENTEDGE");
static_assert(win::DsSetFont == DS_SETFONT, "DS_SETFONT");
static_assert(win::DsModalFrame == DS_MODALFRAME, "DS_MODALFRAME");
static_assert(win::DsSetForeground == DS_SETFOREGROUND, "DS_SETFOREGROUND");
static_assert(win::DsCenter == DS_CENTER, "DS_CENTER");

static_assert(win::BsPushButton == BS_PUSHBUTTON, "BS_PUSHBUTTON");
static_assert(win::BsDefPushButton == BS_DEFPUSHBUTTON, "BS_DEFPUSHBUTTON");
static_assert(win::BsAutoCheckBox == BS_AUTOCHECKBOX, "BS_AUTOCHECKBOX");
static_assert(win::BsAutoRadioButton == BS_AUTORADIOBUTTON, "BS_AUTORADIOBUTTON");
static_assert(win::BsGroupBox == BS_GROUPBOX, "BS_GROUPBOX");
static_assert(win::BsOwnerDraw == BS_OWNERDRAW, "BS_OWNERDRAW");

static_assert(win::SsLeft == SS_LEFT, "SS_LEFT");
static_assert(win::SsBitmap == SS_BITMAP, "SS_BITMAP");
static_assert(win::SsIcon == SS_ICON, "SS_ICON");
static_assert(win::SsEtchedHorz == SS_ETCHEDHORZ, "SS_ETCHEDHORZ");
static_assert(win::SsOwnerDraw == SS_OWNERDRAW, "SS_OWNERDRAW");

static_assert(win::LbsNotify == LBS_NOTIFY, "LBS_NOTIFY");
static_assert(win::LbsNoIntegralHeight == LBS_NOINTEGRALHEIGHT, "LBS_NOINTEGRALHEIGHT");

static_assert(win::LvsReport == LVS_REPORT, "LVS_REPORT");
static_assert(win::LvsShowSelAlways == LVS_SHOWSELALWAYS, "LVS_SHOWSELALWAYS");
static_assert(win::LvsNoColumnHeader == LVS_NOCOLUMNHEADER, "LVS_NOCOLUMNHEADER");

static_assert(win::EsAutoHScroll == ES_AUTOHSCROLL, "ES_AUTOHSCROLL");
static_assert(win::EsNumber == ES_NUMBER, "ES_NUMBER");
static_assert(win::EsReadOnly == ES_READONLY, "ES_READONLY");

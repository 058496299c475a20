#pragma once
// Resource, control and command ids of the configuration program.

namespace config {

constexpr int IddConfig = 102;
constexpr int IdrMainMenu = 129;
constexpr int IdrPopupMenu = 160;
constexpr int IdiConfig = 128;

// Controls of dialog 102.
constexpr int IdcClose = 1;          // IDOK
constexpr int IdcCloseAdvanced = 3;
constexpr int IdcRemove = 1004;
constexpr int IdcAdvanced = 1006;
constexpr int IdcBasic = 1007;
constexpr int IdcAdd = 1008;
constexpr int IdcRegistryAdd = 1009;
constexpr int IdcRegistryRemove = 1010;
constexpr int IdcManagerList = 1012;
constexpr int IdcStartupList = 1013;
constexpr int IdcRunServicesList = 1014;
constexpr int IdcRunList = 1015;
constexpr int IdcManagerUp = 1016;
constexpr int IdcManagerDown = 1017;
constexpr int IdcStartupUp = 1018;
constexpr int IdcStartupDown = 1019;

// Commands of menu 129 and popup menu 160.
constexpr int IdPopupDelete = 32793;
constexpr int IdPopupProperties = 32794;
constexpr int IdPopupExplore = 32797;
constexpr int IdPopupRefresh = 32798;
constexpr int IdViewRefresh = 32799;
constexpr int IdViewOptions = 32800;
constexpr int IdFileRestore = 32802;
constexpr int IdViewExplore = 32806;
constexpr int IdHelpAbout = 32807;
constexpr int IdHelpContents = 32808;
constexpr int IdViewLastStartup = 32809;
constexpr int IdFileNew = 57600;     // ID_FILE_NEW
constexpr int IdAppExit = 57665;     // ID_APP_EXIT

// The window timer of the manager-directory polling.
constexpr unsigned RefreshTimerId = 1;
constexpr unsigned RefreshTimerPeriod = 3000;

}  // namespace config

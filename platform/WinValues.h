#pragma once
// The Win32 values that behaviour depends on, under names of our own so that
// code above the seam never needs <windows.h>. The win32 side checks each one
// against the real header at compile time.
#include <cstdint>

namespace win {

// Message-box styles and answers.
constexpr unsigned MbOk = 0x0;
constexpr unsigned MbYesNoCancel = 0x3;
constexpr unsigned MbYesNo = 0x4;
constexpr unsigned MbIconStop = 0x10;
constexpr unsigned MbIconQuestion = 0x20;
constexpr unsigned MbIconExclamation = 0x30;
constexpr unsigned MbIconInformation = 0x40;
constexpr unsigned MbSetForeground = 0x10000;
constexpr int IdOk = 1;
constexpr int IdCancel = 2;
constexpr int IdYes = 6;
constexpr int IdNo = 7;

// Registry value types.
constexpr uint32_t RegSz = 1;
constexpr uint32_t RegExpandSz = 2;
constexpr uint32_t RegBinary = 3;
constexpr uint32_t RegDword = 4;

// File attributes.
constexpr uint32_t FileAttributeReadOnly = 0x01;
constexpr uint32_t FileAttributeHidden = 0x02;
constexpr uint32_t FileAttributeSystem = 0x04;
constexpr uint32_t FileAttributeDirectory = 0x10;
constexpr uint32_t FileAttributeArchive = 0x20;
constexpr uint32_t FileAttributeNormal = 0x80;

// Virtual keys.
constexpr int VkReturn = 0x0D;
constexpr int VkEscape = 0x1B;
constexpr int VkCapital = 0x14;
constexpr int VkScroll = 0x91;
constexpr int VkDelete = 0x2E;
constexpr int VkEnd = 0x23;
constexpr int VkHome = 0x24;
constexpr int VkUp = 0x26;
constexpr int VkDown = 0x28;
constexpr int VkSpace = 0x20;
constexpr int VkF1 = 0x70;
constexpr int VkF5 = 0x74;

// Show commands.
constexpr int SwHide = 0;
constexpr int SwShowNormal = 1;
constexpr int SwMinimize = 6;
constexpr int SwShow = 5;
constexpr int SwShowMinNoActive = 7;

// ShellExecute results at or below this value are failures.
constexpr intptr_t ShellExecuteFailureLimit = 32;
constexpr intptr_t SeErrFileNotFound = 2;

// Window and control styles used by the dialog templates.
constexpr uint32_t WsPopup = 0x80000000u;
constexpr uint32_t WsChild = 0x40000000u;
constexpr uint32_t WsMinimizeBox = 0x00020000u;
constexpr uint32_t WsVisible = 0x10000000u;
constexpr uint32_t WsDisabled = 0x08000000u;
constexpr uint32_t WsCaption = 0x00C00000u;
constexpr uint32_t WsBorder = 0x00800000u;
constexpr uint32_t WsVScroll = 0x00200000u;
constexpr uint32_t WsHScroll = 0x00100000u;
constexpr uint32_t WsSysMenu = 0x00080000u;
constexpr uint32_t WsGroup = 0x00020000u;
constexpr uint32_t WsTabStop = 0x00010000u;
constexpr uint32_t WsExAppWindow = 0x00040000u;
constexpr uint32_t WsExClientEdge = 0x00000200u;
constexpr uint32_t DsSetFont = 0x40u;
constexpr uint32_t DsModalFrame = 0x80u;
constexpr uint32_t DsSetForeground = 0x200u;
constexpr uint32_t DsCenter = 0x800u;

constexpr uint32_t BsPushButton = 0x0;
constexpr uint32_t BsDefPushButton = 0x1;
constexpr uint32_t BsAutoCheckBox = 0x3;
constexpr uint32_t BsAutoRadioButton = 0x9;
constexpr uint32_t BsGroupBox = 0x7;
constexpr uint32_t BsOwnerDraw = 0xB;

constexpr uint32_t SsLeft = 0x0;
constexpr uint32_t SsBitmap = 0xE;
constexpr uint32_t SsIcon = 0x3;
constexpr uint32_t SsEtchedHorz = 0x10;
constexpr uint32_t SsOwnerDraw = 0xD;

constexpr uint32_t LbsNotify = 0x1;
constexpr uint32_t LbsNoIntegralHeight = 0x100;

constexpr uint32_t LvsReport = 0x1;
constexpr uint32_t LvsShowSelAlways = 0x8;
constexpr uint32_t LvsNoColumnHeader = 0x4000;

constexpr uint32_t EsAutoHScroll = 0x80;
constexpr uint32_t EsNumber = 0x2000;
constexpr uint32_t EsReadOnly = 0x800;

}  // namespace win

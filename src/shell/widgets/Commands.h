// SPDX-License-Identifier: GPL-3.0-or-later
// The command ids of the main window's menus, toolbar and accelerators. They are
// also the help context of each command.
#pragma once

namespace radio::gui::cmd {

inline constexpr int kFileNew = 57600;
inline constexpr int kFileOpen = 57601;
inline constexpr int kFileClose = 57602;
inline constexpr int kFileSave = 57603;
inline constexpr int kFileSaveAs = 57604;
inline constexpr int kPrintSetup = 57606;
inline constexpr int kPrint = 57607;
inline constexpr int kPrintPreview = 57609;
inline constexpr int kFirstRecentFile = 57616;
inline constexpr int kAbout = 57664;
inline constexpr int kExit = 57665;
inline constexpr int kControlBar = 32772;
inline constexpr int kRead = 32773;
inline constexpr int kWrite = 32774;
inline constexpr int kComSetup = 32777;
inline constexpr int kProductInformation = 32786;
inline constexpr int kChannelInformation = 32787;
inline constexpr int kOptionalFeatures = 32788;
inline constexpr int kDtmf = 32789;
inline constexpr int kMsk = 32790;
inline constexpr int kTwoTone = 32791;
inline constexpr int kHelpTopics = 32793;
inline constexpr int kLanguage = 32799;
inline constexpr int kKeyAssignment = 32800;
inline constexpr int kSquelchTuning = 32801;
inline constexpr int kImportChannels = 32820;
inline constexpr int kExportChannels = 32821;
inline constexpr int kVerify = 32830;
inline constexpr int kIdentifyRadio = 32831;
inline constexpr int kVerifyAfterWrite = 32832;
inline constexpr int kCompareWith = 32833;
inline constexpr int kOpenBackup = 32834;
inline constexpr int kProgramFleet = 32835;
inline constexpr int kToolbar = 59392;
inline constexpr int kStatusBar = 59393;

}  // namespace radio::gui::cmd

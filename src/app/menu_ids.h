// Menu identifiers, as the command handlers know the menus.
#pragma once

#include <array>

namespace larkspan::menu {

inline constexpr int kApplication = 0;
inline constexpr int kFile = 1;
inline constexpr int kEdit = 2;
inline constexpr int kResponse = 6;
inline constexpr int kChannel = 8;
inline constexpr int kOrder = 9;
inline constexpr int kFilterOdd = 10;
inline constexpr int kFilterEven = 11;
inline constexpr int kCorrection2Way = 12;
inline constexpr int kCorrection3Way = 13;
inline constexpr int kImpedanceIncrease2Way = 16;
inline constexpr int kImpedanceIncrease3Way = 17;
inline constexpr int kAttenuator3Way = 18;
inline constexpr int kNotch3Way = 19;
inline constexpr int kBuild = 20;
inline constexpr int kStandardValues = 21;
inline constexpr int kWindow = 100;
inline constexpr int kHelp = 50;

// Items of the application menu.
inline constexpr int kAbout = 1;
inline constexpr int kCheckForUpdates = 2;
inline constexpr int kPreferences = 4;
inline constexpr int kQuit = 5;

// The view key (`s_Resp`) of each Response menu item; "" for separators and
// the snapshot item.
inline constexpr std::array<const char*, 14> kResponseViews{"", "amp",    "imp", "ph",         "gd",         "nq", "st",
                                                            "", "schema", "",    "HigCorrImp", "MidCorrImp", "",   ""};

}  // namespace larkspan::menu

#include "app/menu_table.h"

#include <array>

#include "app/menu_ids.h"

namespace larkspan::menu {

namespace {

using C = Command;

constexpr Item sep(int number)
{
    return {number, nullptr};
}
constexpr Item check(int number, const char* text, const char* keys, Command command)
{
    return {number, text, keys, command, true};
}
constexpr Item sub(int number, const char* text, int submenu)
{
    return {number, text, nullptr, C::None, false, submenu};
}
constexpr Item radio(int number, const char* text, Command command)
{
    return {number, text, nullptr, command, true, 0, Ready::Yes, true};
}
constexpr Item later(int number, const char* text, const char* keys, Command command = C::None)
{
    return {number, text, keys, command, false, 0, Ready::Later};
}

constexpr std::array kApplicationItems{
    Item{kAbout, "About Larkspan", nullptr, C::About},
    Item{kCheckForUpdates, "Check for Updates...", nullptr, C::CheckForUpdates},
    sep(3),
    Item{kPreferences, "Preferences...", "Ctrl+,", C::Preferences},
    sep(0),
    Item{kQuit, "Quit", "Ctrl+Q", C::Quit},
};
constexpr std::array kFileItems{
    Item{1, "New Filter Design...", "Ctrl+N", C::New},
    Item{2, "Open...", "Ctrl+O", C::Open},
    Item{3, "Close", "Ctrl+W", C::Close},
    sep(4),
    Item{5, "Save", "Ctrl+S", C::Save},
    Item{6, "Save As...", "Ctrl+Shift+S", C::SaveAs},
    Item{7, "Save As Stationery...", nullptr, C::SaveAsStationery},
    sep(8),
    Item{9, "Page Setup...", "Ctrl+Shift+P", C::PageSetup},
    Item{10, "Print...", "Ctrl+P", C::Print},
};
// Edit commands reach no editable text in the response window: they are
// offered for the sheets' fields and otherwise do nothing.
constexpr std::array kEditItems{
    Item{1, "Undo", "Ctrl+Z"}, Item{2, "Redo", "Ctrl+Shift+Z"}, sep(3),
    Item{4, "Cut", "Ctrl+X"},  Item{5, "Copy", "Ctrl+C"},       Item{6, "Paste", "Ctrl+V"},
    Item{7, "Delete"},         Item{8, "Select All", "Ctrl+A"},
};
constexpr std::array kResponseItems{
    check(1, "Amplitude", "Ctrl+Alt+A", C::Response),
    check(2, "Input Impedance", nullptr, C::Response),
    check(3, "Phase", nullptr, C::Response),
    check(4, "Group Delay", nullptr, C::Response),
    check(5, "Nyquist Diagram", nullptr, C::Response),
    check(6, "Step Response", nullptr, C::Response),
    sep(7),
    check(8, "Schematics", "Ctrl+Alt+C", C::Response),
    sep(9),
    check(10, "High Imp. Correct", nullptr, C::Response),
    check(11, "Mid Imp. Correct", nullptr, C::Response),
    sep(12),
    Item{13, "Snapshot Response...", "Ctrl+Alt+S", C::Snapshot},
};
constexpr std::array kChannelItems{
    check(1, "2wey", "Ctrl+Alt+2", C::Channel),
    check(2, "3wey", "Ctrl+Alt+3", C::Channel),
};
constexpr std::array kOrderItems{
    check(1, "1st", "Ctrl+1", C::Order),
    check(2, "2nd", "Ctrl+2", C::Order),
    check(3, "3rd", "Ctrl+3", C::Order),
    check(4, "4th", "Ctrl+4", C::Order),
};
constexpr std::array kFilterOddItems{
    check(1, "Butterworth", nullptr, C::Filter),
    check(2, "Bessel", nullptr, C::Filter),
    check(3, "Chebychev", nullptr, C::Filter),
};
constexpr std::array kFilterEvenItems{
    check(1, "Linkwitz-Riley", nullptr, C::Filter),
    check(2, "Butterworth", nullptr, C::Filter),
    check(3, "Butterworth Asymmetry", nullptr, C::Filter),
    check(4, "Bessel", nullptr, C::Filter),
    check(5, "Chebychev", nullptr, C::Filter),
};
constexpr std::array kCorrection2WayItems{
    Item{1, "Crossover Frequency...", "Ctrl+F", C::FrequencySheet},
    sep(2),
    Item{3, "SPL Enter...", "Ctrl+L", C::SplSheet},
    sep(4),
    sub(5, "Impedance Increase", kImpedanceIncrease2Way),
    sep(6),
    Item{7, "Attenuator High...", nullptr, C::AttenuatorHigh},
    sep(8),
    Item{9, "Notch High...", nullptr, C::NotchHigh},
};
constexpr std::array kCorrection3WayItems{
    Item{1, "Crossover Frequency...", "Ctrl+F", C::FrequencySheet},
    sep(2),
    Item{3, "SPL Enter...", "Ctrl+L", C::SplSheet},
    sep(4),
    sub(5, "Impedance Increase", kImpedanceIncrease3Way),
    sep(6),
    sub(7, "Attenuator", kAttenuator3Way),
    sep(8),
    sub(9, "Notch", kNotch3Way),
};
constexpr std::array kBuildItems{
    sub(1, "Standard Values", kStandardValues),
    sep(2),
    check(3, "Show As Built", nullptr, C::ShowAsBuilt),
    sep(4),
    Item{5, "Parts List...", nullptr, C::PartsList},
    Item{6, "Export Parts List...", nullptr, C::ExportPartsList},
    Item{7, "Export SPICE Netlist...", nullptr, C::ExportNetlist},
};
constexpr std::array kWindowItems{Item{1, "Minimize", "Ctrl+M", C::Minimize}};
// The second manual's item is its file name (help_documents.h) without
// ".pdf". The maker's web and mail items stay off while the build has not set
// the addresses.
constexpr std::array kHelpItems{
    Item{1, "Larkspan's Manual", "Ctrl+/", C::Manual},
    Item{2, "Larkspan Command-Line Manual", nullptr, C::ManualJapanese},
    Item{3, "Release Notes", nullptr, C::ReleaseNotes},
    sep(0),
    Item{4, "Tallowby Web Site", nullptr, C::WebSite},
    Item{5, "Mail to Tallowby", nullptr, C::MailTo},
};

constexpr std::array kImpedance2WayItems{
    Item{1, "High...", nullptr, C::ImpedanceHigh},
    Item{2, "Low...", nullptr, C::ImpedanceLow},
};
constexpr std::array kImpedance3WayItems{
    Item{1, "High...", nullptr, C::ImpedanceHigh},
    Item{2, "Mid...", nullptr, C::ImpedanceMid},
    Item{3, "Low...", nullptr, C::ImpedanceLow},
};
constexpr std::array kAttenuatorItems{
    Item{1, "High...", nullptr, C::AttenuatorHigh},
    Item{2, "Mid...", nullptr, C::AttenuatorMid},
};
constexpr std::array kNotchItems{
    Item{1, "High...", nullptr, C::NotchHigh},
    Item{2, "Mid...", nullptr, C::NotchMid},
};

constexpr std::array kStandardValuesItems{
    radio(1, "Ideal", C::StandardValues),       radio(2, "E6", C::StandardValues),
    radio(3, "E12", C::StandardValues),         radio(4, "E24", C::StandardValues),
    radio(5, "Own List...", C::StandardValues), sep(6),
    check(7, "Pairs", nullptr, C::Pairs),
};

constexpr std::array kBar{
    Menu{kApplication, "Larkspan", kApplicationItems},
    Menu{kFile, "File", kFileItems},
    Menu{kEdit, "Edit", kEditItems},
    Menu{kResponse, "Response", kResponseItems},
    Menu{kChannel, "Channel", kChannelItems},
    Menu{kOrder, "Order", kOrderItems},
    Menu{kFilterOdd, "Filter", kFilterOddItems},
    Menu{kFilterEven, "Filter", kFilterEvenItems},
    Menu{kCorrection2Way, "Correction", kCorrection2WayItems},
    Menu{kCorrection3Way, "Correction", kCorrection3WayItems},
    Menu{kBuild, "Build", kBuildItems},
    Menu{kWindow, "Window", kWindowItems},
    Menu{kHelp, "Help", kHelpItems},
};
constexpr std::array kSubmenus{
    Menu{kImpedanceIncrease2Way, "Impedance Increase", kImpedance2WayItems},
    Menu{kImpedanceIncrease3Way, "Impedance Increase", kImpedance3WayItems},
    Menu{kAttenuator3Way, "Attenuator", kAttenuatorItems},
    Menu{kNotch3Way, "Notch", kNotchItems},
    Menu{kStandardValues, "Standard Values", kStandardValuesItems},
};

}  // namespace

std::span<const Menu> barMenus()
{
    return kBar;
}
std::span<const Menu> submenus()
{
    return kSubmenus;
}

}  // namespace larkspan::menu

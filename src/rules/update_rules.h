// The update check's decisions: the addresses' paths, the flags the two result
// timers read, what the update window shows in each case, and the plain file
// name a download is stored under.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/colour.h"

namespace larkspan {

inline constexpr std::string_view kVersionPath = "/versions/Larkspan_version.txt";
inline constexpr std::string_view kDownloadPath = "/downloads/apps/Larkspan.zip";
inline constexpr std::string_view downFileZip = "Larkspan.zip";
inline constexpr std::string_view downFileName = "Larkspan.pkg";

// A longer version answer is a failed check; a larger download is a failed
// download.
inline constexpr std::int64_t kVersionTextCap = 4 * 1024;
inline constexpr std::int64_t kDownloadCap = std::int64_t{256} * 1024 * 1024;
inline constexpr int kVersionTimeoutMillis = 10000;
inline constexpr int kDownloadTimeoutMillis = 60000;

// The result timers' delays, and the pauses around the download and the
// hand-over to the installer.
inline constexpr int kCheckResultMillis = 1000;
inline constexpr int kDownloadResultMillis = 600;
inline constexpr int kTrashPauseMillis = 100;
inline constexpr int kArchiveToPackageMillis = 2000;
inline constexpr int kPackageToQuitMillis = 900;

struct UpdateFlags {
    std::uint8_t NetConnectFlag = 0;   // the network was found down, or the request failed
    std::uint8_t UpdateOkFlag = 0;     // the server's version is newer than ours
    std::uint8_t DownLoadOkFlag = 0;   // the download reported a failure
    std::uint8_t CheckByMenuFlag = 0;  // the check was asked for from the menu
};

void InitUpdateFlag(UpdateFlags& flags);

// The server's text as `availStr` keeps it: at most 255 bytes, without the
// line end that ends a text file.
std::string availStrFrom(std::string_view answer);

// True when the version number of `availStr` is greater than that of
// `bundleStr`.
bool updateOffered(std::string_view availStr, std::string_view bundleStr);

// The check timer opens the update window for a menu check, or when an update
// is offered; an automatic check that finds nothing stays silent.
bool showsUpdateWindow(const UpdateFlags& flags);

// The automatic check runs once per run, after the first design is shown.
bool startsLaunchCheck(std::int32_t UpdateForCheck, std::uint8_t CheckForUpFlag, std::uint8_t FastOpenFlag);

struct UpdateButton {
    int control = 0;
    std::string title;
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const UpdateButton&) const = default;
};

// What window 11 shows: the status line (606), the detail line (607) and the
// buttons; `checkUpdateBtn` is the default button's control number.
struct UpdateWindowContent {
    std::string status;
    Colour statusColour;
    std::string detail;
    std::vector<UpdateButton> buttons;
    int checkUpdateBtn = 0;
    bool operator==(const UpdateWindowContent&) const = default;
};

inline constexpr Colour kStatusBlack{0.0f, 0.0f, 0.0f};
inline constexpr Colour kStatusGreen{0.0f, 0.6f, 0.0f};
inline constexpr Colour kDetailGrey{0.45f, 0.45f, 0.45f};

// The window after a check (`CheckForUpdateWnd`).
UpdateWindowContent CheckForUpdateWnd(const UpdateFlags& flags, std::string_view availStr, std::string_view bundleStr);
// The window after the download timer (`ShowDownLoadFinished`).
UpdateWindowContent ShowDownLoadFinished(const UpdateFlags& flags);

// The file name a server suggests in its Content-Disposition header, made a
// plain name of the Downloads folder: no folders, no control characters, no
// leading dots; without a usable name, `downFileZip`.
std::string downloadFileName(std::string_view contentDisposition);

// `name`, or "stem (2).ext", "stem (3).ext" ... when a file of that name is
// already there, so that a download never replaces a file of the user's.
std::string unusedFileName(const std::string& name, const std::function<bool(const std::string&)>& exists);

}  // namespace larkspan

// Saving into every kind of path the file system offers: what is written
// where, what is refused and why, and what the old file keeps.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <functional>

#include "model/safe_write.h"
#include "support/scratch_folder.h"

namespace larkspan {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::ScratchFolder;
using test::writeBytes;

constexpr uid_t kNobody = 65534;
const std::vector<std::uint8_t> kOld(7, 'o');
const std::vector<std::uint8_t> kNew(450, 'n');

struct SaveCase {
    const char* name;
    // Prepares the folder and gives the path to save to, relative to it.
    std::function<std::string(const fs::path&)> setup;
    // The refusal expected ("@" stands for the folder), or "" for a save.
    std::string refusal;
    // What must hold afterwards.
    std::function<bool(const fs::path&)> after;
    bool asNobody = false;  // run by an ordinary user, where root may do anything

    friend void PrintTo(const SaveCase& c, std::ostream* os) { *os << c.name; }
};

// Saves as the user nobody in a child process when we are root; the reason
// of a refusal comes back through a pipe. Nothing when it cannot be done.
std::optional<std::string> saveAsNobody(const fs::path& file)
{
    int channel[2];
    if (::pipe(channel) != 0) return std::nullopt;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(3);
        const auto error = writeFileSafely(file, kNew);
        const std::string reason = error ? fileErrorReason(*error) : "";
        ::_exit(::write(channel[1], reason.data(), reason.size()) < 0 ? 4 : 0);
    }
    ::close(channel[1]);
    std::string reason;
    char buf[256];
    for (ssize_t n; (n = ::read(channel[0], buf, sizeof buf)) > 0;) reason.append(buf, static_cast<std::size_t>(n));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
    return reason;
}

bool holds(const fs::path& file, const std::vector<std::uint8_t>& bytes)
{
    return readBytes(file) == bytes;
}

class SafeWrite : public testing::TestWithParam<SaveCase> {};

TEST_P(SafeWrite, LandsWhereItShouldOrSaysWhyNot)
{
    const SaveCase& c = GetParam();
    ScratchFolder scratch;
    const fs::path& dir = scratch.path();
    const fs::path file = dir / c.setup(dir);
    std::string reason;
    if (c.asNobody && ::geteuid() == 0) {
        fs::permissions(dir, fs::perms::all);
        const auto got = saveAsNobody(file);
        if (!got) GTEST_SKIP() << "cannot act as the user nobody here";
        reason = *got;
    } else {
        const auto error = writeFileSafely(file, kNew);
        reason = error ? fileErrorReason(*error) : "";
    }
    std::string expected = c.refusal;
    if (const auto at = expected.find('@'); at != std::string::npos) expected.replace(at, 1, dir.string());
    EXPECT_EQ(reason, expected);
    EXPECT_TRUE(c.after(dir));
    // No temporary file is left behind.
    for (const auto& e : fs::recursive_directory_iterator(dir)) EXPECT_NE(e.path().extension(), ".tmp");
}

std::string existing(const fs::path& dir, const char* name, fs::perms mode = fs::perms(0644))
{
    writeBytes(dir / name, kOld);
    fs::permissions(dir / name, mode);
    return name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SafeWrite,
    testing::Values(SaveCase{"link_keeps_link_and_fills_target",
                             [](auto& d) {
                                 fs::create_symlink(existing(d, "real"), d / "link");
                                 return "link";
                             },
                             "", [](auto& d) { return fs::is_symlink(d / "link") && holds(d / "real", kNew); }},
                    SaveCase{"dangling_link_creates_its_target",
                             [](auto& d) {
                                 fs::create_directory(d / "sub");
                                 fs::create_symlink("sub/made", d / "link");
                                 return "link";
                             },
                             "", [](auto& d) { return fs::is_symlink(d / "link") && holds(d / "sub/made", kNew); }},
                    SaveCase{"link_loop",
                             [](auto& d) {
                                 fs::create_symlink("b", d / "a");
                                 fs::create_symlink("a", d / "b");
                                 return "a";
                             },
                             "Too many levels of symbolic links", [](auto& d) { return fs::is_symlink(d / "a"); }},
                    SaveCase{"named_pipe",
                             [](auto& d) {
                                 ::mkfifo((d / "pipe").c_str(), 0644);
                                 return "pipe";
                             },
                             "Is a named pipe", [](auto& d) { return fs::is_fifo(d / "pipe"); }},
                    SaveCase{"device",
                             [](auto& d) {
                                 // A device node of our own where we may make one.
                                 if (::mknod((d / "dev").c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0)
                                     fs::create_symlink("/dev/null", d / "dev");
                                 return "dev";
                             },
                             "Is a device", [](auto& d) { return fs::is_character_file(d / "dev"); }},
                    SaveCase{"folder",
                             [](auto& d) {
                                 fs::create_directory(d / "sub");
                                 return "sub";
                             },
                             "Is a directory", [](auto& d) { return fs::is_directory(d / "sub"); }},
                    SaveCase{"trailing_slash", [](auto&) { return "doc/"; }, "not a file name",
                             [](auto& d) { return fs::is_empty(d); }},
                    SaveCase{"missing_folder", [](auto&) { return "none/a"; },
                             "cannot create a file in '@/none': No such file or directory",
                             [](auto& d) { return fs::is_empty(d); }},
                    SaveCase{"mode_and_owner_kept",
                             [](auto& d) {
                                 const std::string name = existing(d, "doc", fs::perms(0640));
                                 if (::geteuid() == 0 && ::chown((d / name).c_str(), kNobody, kNobody) != 0)
                                     ADD_FAILURE();
                                 return name;
                             },
                             "",
                             [](auto& d) {
                                 struct stat info {};
                                 ::stat((d / "doc").c_str(), &info);
                                 const bool owner =
                                     ::geteuid() != 0 || (info.st_uid == kNobody && info.st_gid == kNobody);
                                 return holds(d / "doc", kNew) && (info.st_mode & 07777) == 0640 && owner;
                             }},
                    SaveCase{"hard_links_all_see_it",
                             [](auto& d) {
                                 fs::create_hard_link(d / existing(d, "a"), d / "b");
                                 return "a";
                             },
                             "", [](auto& d) { return holds(d / "b", kNew) && fs::hard_link_count(d / "a") == 2; }},
                    SaveCase{"locked_by_another",
                             [](auto& d) {
                                 // Deliberately left open: the lock lasts the test.
                                 const int fd = ::open((d / existing(d, "doc")).c_str(), O_RDONLY | O_CLOEXEC);
                                 ::flock(fd, LOCK_EX);
                                 return "doc";
                             },
                             "Locked by another program", [](auto& d) { return holds(d / "doc", kOld); }},
                    SaveCase{"read_only_file", [](auto& d) { return existing(d, "doc", fs::perms(0444)); },
                             "Permission denied", [](auto& d) { return holds(d / "doc", kOld); }, true},
                    SaveCase{"folder_refuses",
                             [](auto& d) {
                                 fs::create_directory(d / "ro");
                                 fs::permissions(d / "ro", fs::perms(0555));
                                 return "ro/doc";
                             },
                             "cannot create a file in '@/ro': Permission denied",
                             [](auto& d) { return fs::is_empty(d / "ro"); }, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace larkspan

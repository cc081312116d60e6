// Saving into every kind of path the file system offers: what is written
// where, what is refused and why, and what the old file keeps.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "model/safe_write.h"
#include "support/run_tool.h"
#include "support/scratch_folder.h"

namespace larkspan {
namespace {

constexpr uid_t kNobody = 65534;

struct SaveCase {
    const char* name;
    const char* setup;      // shell commands run in the scratch folder first
    const char* file;       // the path saved to, inside it
    const char* refusal;    // "" for a save; "@" stands for the folder
    const char* after;      // a shell test that must hold afterwards
    bool asNobody = false;  // run by an ordinary user, where root may do anything

    friend void PrintTo(const SaveCase& c, std::ostream* os) { *os << c.name; }
};

bool shell(const std::string& dir, const std::string& commands)
{
    return std::system(("cd " + test::shellQuote(dir) + " && { " + commands + "; }").c_str()) == 0;
}

// The reason of a refusal, or "", from a save of 450 'n' bytes; as the user
// nobody in a child process when asked. Nothing when that cannot be done.
std::optional<std::string> save(const std::filesystem::path& file, bool asNobody)
{
    const std::vector<std::uint8_t> bytes(450, 'n');
    const auto reasonOf = [&] {
        const auto error = writeFileSafely(file, bytes);
        return error ? fileErrorReason(*error) : std::string();
    };
    if (!asNobody) return reasonOf();
    int channel[2];
    if (::pipe(channel) != 0) return std::nullopt;
    if (::fork() == 0) {
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(3);
        const std::string reason = reasonOf();
        ::_exit(::write(channel[1], reason.data(), reason.size()) < 0 ? 4 : 0);
    }
    ::close(channel[1]);
    std::string reason;
    char buf[256];
    for (ssize_t n; (n = ::read(channel[0], buf, sizeof buf)) > 0;) reason.append(buf, static_cast<std::size_t>(n));
    ::close(channel[0]);
    int status = 0;
    ::wait(&status);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
    return reason;
}

class SafeWrite : public testing::TestWithParam<SaveCase> {};

TEST_P(SafeWrite, LandsWhereItShouldOrSaysWhyNot)
{
    const SaveCase& c = GetParam();
    test::ScratchFolder scratch;
    const std::string dir = scratch.path().string();
    ASSERT_TRUE(shell(dir, c.setup));
    const bool asNobody = c.asNobody && ::geteuid() == 0;
    if (asNobody) std::filesystem::permissions(dir, std::filesystem::perms::all);
    const auto reason = save(scratch.path() / c.file, asNobody);
    if (!reason) GTEST_SKIP() << "cannot act as the user nobody here";
    std::string expected = c.refusal;
    if (const auto at = expected.find('@'); at != std::string::npos) expected.replace(at, 1, dir);
    EXPECT_EQ(*reason, expected);
    EXPECT_TRUE(shell(dir, c.after)) << c.after;
    EXPECT_TRUE(shell(dir, "! find . -name '*.tmp' | grep -q .")) << "a temporary file was left";
}

// "old" is 4 bytes with its line break, a save 450: `wc -c` tells which a file holds.
INSTANTIATE_TEST_SUITE_P(
    Cases, SafeWrite,
    testing::Values(
        SaveCase{"link_followed", "echo old >real; ln -s real link", "link", "",
                 "[ -L link ] && test $(wc -c <real) = 450"},
        SaveCase{"dangling_link_creates_target", "mkdir sub; ln -s sub/made link", "link", "",
                 "[ -L link ] && test $(wc -c <sub/made) = 450"},
        SaveCase{"link_loop", "ln -s b a; ln -s a b", "a", "Too many levels of symbolic links", "[ -L a ]"},
        SaveCase{"named_pipe", "mkfifo pipe", "pipe", "Is a named pipe", "[ -p pipe ]"},
        SaveCase{"device", "mknod dev c 1 3 2>/dev/null || ln -s /dev/null dev", "dev", "Is a device", "[ -c dev ]"},
        SaveCase{"folder", "mkdir sub", "sub", "Is a directory", "[ -d sub ]"},
        SaveCase{"parent_is_a_file", "echo old >plain", "plain/a", "Not a directory", "test $(wc -c <plain) = 4"},
        SaveCase{"trailing_slash", "true", "doc/", "not a file name", "[ -z \"$(ls -A)\" ]"},
        SaveCase{"missing_folder", "true", "none/a", "cannot create a file in '@/none': No such file or directory",
                 "[ ! -e none ]"},
        SaveCase{
            "mode_and_owner_kept", "echo old >doc; chmod 640 doc; [ $(id -u) != 0 ] || chown 65534:65534 doc", "doc",
            "",
            "test $(stat -c %a:%s doc) = 640:450 && { [ $(id -u) != 0 ] || test $(stat -c %u:%g doc) = 65534:65534; }"},
        SaveCase{"hard_links_all_see_it", "echo old >a; ln a b", "a", "", "test $(stat -c %h:%s b) = 2:450"},
        SaveCase{"read_only_file", "echo old >doc; chmod 444 doc", "doc", "Permission denied", "test $(wc -c <doc) = 4",
                 true},
        SaveCase{"folder_refuses", "mkdir ro; chmod 555 ro", "ro/doc",
                 "cannot create a file in '@/ro': Permission denied", "[ -z \"$(ls -A ro)\" ]", true}),
    [](const auto& info) { return std::string(info.param.name); });

// A program that holds an advisory lock on the file keeps it from being replaced.
TEST(SafeWrite, LockedFileIsLeftAlone)
{
    test::ScratchFolder scratch;
    const std::string dir = scratch.path().string();
    ASSERT_TRUE(shell(dir, "echo old >doc"));
    const int other = ::open((scratch.path() / "doc").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(other, LOCK_EX), 0);
    EXPECT_EQ(save(scratch.path() / "doc", false), "Locked by another program");
    ::close(other);
    EXPECT_TRUE(shell(dir, "test $(wc -c <doc) = 4"));
}

}  // namespace
}  // namespace larkspan

// Saving into every kind of path the file system offers: what is written
// where, what is refused and why, and what the old file keeps.
#include <unistd.h>

#include <gtest/gtest.h>

#include "support/run_tool.h"
#include "support/scratch_folder.h"

namespace larkspan {
namespace {

struct SaveCase {
    const char* name;
    const char* setup;        // shell commands run in the scratch folder first
    const char* file;         // the path saved to, inside it
    const char* refusal;      // what standard error names, "" for a save
    const char* after;        // a shell test that must hold afterwards
    const char* runner = "";  // "nobody": as an ordinary user, where root may do anything; else a command prefix

    friend void PrintTo(const SaveCase& c, std::ostream* os) { *os << c.name; }
};

class SafeSave : public testing::TestWithParam<SaveCase> {};

TEST_P(SafeSave, LandsWhereItShouldOrSaysWhyNot)
{
    const SaveCase& c = GetParam();
    test::ScratchFolder scratch;
    const std::string dir = scratch.path().string();
    std::string runner = c.runner;
    if (runner == "nobody") {
        if (::geteuid() != 0)
            runner.clear();
        else if (std::system("setpriv --reuid=65534 --regid=65534 --clear-groups true") != 0)
            GTEST_SKIP() << "cannot act as the user nobody here";
        else
            runner = "chmod 777 . && setpriv --reuid=65534 --regid=65534 --clear-groups";
    }
    const std::string script = "cd " + test::shellQuote(dir) + " && { " + c.setup + "; } && " + runner + " " +
                               test::shellQuote(LARKSPAN_CLI) + " save " + c.file + "; s=$?; " + c.after +
                               " || echo AFTER FAILED; ! find . -name '*.tmp' | grep . ; exit $s";
    const auto r = test::runTool("sh", {"-c", script});
    const std::string expected = c.refusal;
    EXPECT_EQ(r.status, expected.empty() ? 0 : 1) << r.err;
    EXPECT_NE(r.err.find(expected), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "") << "the check afterwards failed, or a temporary file was left";
}

// "old" is 4 bytes with its line break, a design 450: `wc -c` tells which a file holds.
INSTANTIATE_TEST_SUITE_P(
    Cases, SafeSave,
    testing::Values(
        SaveCase{"link_followed", "echo old >real; ln -s real link", "link", "",
                 "[ -L link ] && test $(wc -c <real) = 450"},
        SaveCase{"dangling_link_creates_target", "mkdir sub; ln -s sub/made link", "link", "",
                 "[ -L link ] && test $(wc -c <sub/made) = 450"},
        SaveCase{"link_loop", "ln -s b a; ln -s a b", "a", "Too many levels of symbolic links", "[ -L a ]"},
        SaveCase{"named_pipe", "mkfifo pipe", "pipe", "Is a named pipe", "[ -p pipe ]"},
        SaveCase{"device", "mknod dev c 1 3 2>/dev/null || ln -s /dev/null dev", "dev", "Is a device", "[ -c dev ]"},
        SaveCase{"folder", "mkdir sub", "sub", "Is a directory", "[ -d sub ]"},
        SaveCase{"trailing_slash", "true", "doc/", "not a file name", "[ -z \"$(ls -A)\" ]"},
        SaveCase{"missing_folder", "true", "none/a", "cannot create a file in 'none': No such file or directory",
                 "[ ! -e none ]"},
        SaveCase{
            "mode_and_owner_kept", "echo old >doc; chmod 640 doc; [ $(id -u) != 0 ] || chown 65534:65534 doc", "doc",
            "",
            "test $(stat -c %a:%s doc) = 640:450 && { [ $(id -u) != 0 ] || test $(stat -c %u:%g doc) = 65534:65534; }"},
        SaveCase{"hard_links_all_see_it", "echo old >a; ln a b", "a", "", "test $(stat -c %h:%s b) = 2:450"},
        SaveCase{"locked_by_another", "echo old >doc", "doc", "Locked by another program", "test $(wc -c <doc) = 4",
                 "flock -x doc"},
        SaveCase{"read_only_file", "echo old >doc; chmod 444 doc", "doc", "Permission denied", "test $(wc -c <doc) = 4",
                 "nobody"},
        SaveCase{"folder_refuses", "mkdir ro; chmod 555 ro", "ro/doc",
                 "cannot create a file in 'ro': Permission denied", "[ -z \"$(ls -A ro)\" ]", "nobody"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace larkspan

#include "model/document_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cmath>
#include <iostream>
#include <limits>

#include "model/raw_record.h"
#include "support/scratch_folder.h"

namespace larkspan {
namespace {

namespace fs = std::filesystem;
using test::Bytes;
using test::readBytes;
using test::ScratchFolder;
using test::writeBytes;

TEST(WriteFile, ReplacesALongerFileWhollyAndLeavesNothingElse)
{
    ScratchFolder folder;
    writeBytes(folder / "a.xvrdoc", Bytes(1000, 'x'));
    Design d;
    ASSERT_EQ(WriteFile(d, folder / "a.xvrdoc"), std::nullopt);
    const Bytes expected = test::defaultRecordByHand().bytes;
    const Bytes written = readBytes(folder / "a.xvrdoc");
    EXPECT_EQ(written, expected) << test::firstDifference(written, expected);
    EXPECT_EQ(folder.entries(), std::set<std::string>{"a.xvrdoc"}) << "a temporary file was left behind";
}

// A replaced file keeps its permissions; a new one gets 0666 less the mask.
TEST(WriteFile, Permissions)
{
    ScratchFolder folder;
    const auto kept = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    writeBytes(folder / "old.xvrdoc", Bytes(10, 'x'));
    fs::permissions(folder / "old.xvrdoc", kept);
    const mode_t mask = ::umask(022);
    Design d;
    const auto replaced = WriteFile(d, folder / "old.xvrdoc");
    const auto created = WriteFile(d, folder / "new.xvrdoc");
    ::umask(mask);
    ASSERT_EQ(replaced, std::nullopt);
    ASSERT_EQ(created, std::nullopt);
    EXPECT_EQ(fs::status(folder / "old.xvrdoc").permissions(), kept);
    EXPECT_EQ(fs::status(folder / "new.xvrdoc").permissions(), kept | fs::perms::others_read);
}

TEST(WriteFile, TextFieldsInMemoryEndAsTheyWillReadBack)
{
    ScratchFolder folder;
    Design d;
    d.s_SPE = "Woofer  Pro";
    d.s_SPH = std::string(70, 'h');
    ASSERT_EQ(WriteFile(d, folder / "a.xvrdoc"), std::nullopt);
    EXPECT_EQ(d.s_SPE, "Woofer");
    EXPECT_EQ(d.s_SPH, std::string(61, 'h'));
    // The file keeps the name whole up to its marker.
    const Bytes bytes = readBytes(folder / "a.xvrdoc");
    EXPECT_EQ(std::string(bytes.begin() + 129, bytes.begin() + 140), "Woofer  Pro");
}

// In a child process: limits the size of any file written to 100 bytes, so
// that the 450-byte record fails part way, and checks that the old document
// came through untouched and no partial file remains. Returns the exit status.
int saveUnderASizeLimit(const ScratchFolder& folder, const Bytes& old)
{
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{100, 100};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    Design d;
    const auto error = WriteFile(d, folder / "a.xvrdoc");
    const bool ok = error && error->reason == "File too large" && readBytes(folder / "a.xvrdoc") == old &&
                    folder.entries() == std::set<std::string>{"a.xvrdoc"};
    if (!ok) std::cerr << (error ? error->reason : std::string("no error")) << "\n";
    return ok ? 0 : 1;
}

// The child keeps the limit away from the test runner's own files.
TEST(WriteFileDeathTest, FailingHalfWayKeepsTheOldFile)
{
    ScratchFolder folder;
    const Bytes old(450, 'o');
    writeBytes(folder / "a.xvrdoc", old);
    EXPECT_EXIT(std::exit(saveUnderASizeLimit(folder, old)), testing::ExitedWithCode(0), "");
    EXPECT_EQ(readBytes(folder / "a.xvrdoc"), old);
}

TEST(ReadFile, RoundTripOfUnusualNumbersThroughADisk)
{
    ScratchFolder folder;
    Design d;
    d.RE = -0.0F;
    d.LE = std::numeric_limits<float>::denorm_min();
    d.HigQA = std::numeric_limits<float>::max();
    d.channel = std::numeric_limits<std::int16_t>::min();
    d.order = std::numeric_limits<std::int16_t>::max();
    ASSERT_EQ(WriteFile(d, folder / "a.xvrdoc"), std::nullopt);

    Design read;
    ASSERT_EQ(ReadFile(read, folder / "a.xvrdoc"), std::nullopt);
    EXPECT_TRUE(read.RE == 0.0F && std::signbit(read.RE));
    EXPECT_EQ(read.LE, std::numeric_limits<float>::denorm_min());
    EXPECT_EQ(read.HigQA, std::numeric_limits<float>::max());
    EXPECT_EQ(read.channel, -32768);
    EXPECT_EQ(read.order, 32767);
}

// Files that cannot be read at all: the design stays as it was.
struct UnreadableRow {
    const char* name;
    const char* file;
    FileError::Action action;
    const char* reason;

    friend void PrintTo(const UnreadableRow& r, std::ostream* os) { *os << r.name; }
};

class ReadFileRefused : public testing::TestWithParam<UnreadableRow> {};

TEST_P(ReadFileRefused, ReportsAndKeepsTheDesign)
{
    ScratchFolder folder;
    fs::create_directory(folder / "folder.xvrdoc");
    ASSERT_EQ(::mkfifo((folder / "pipe.xvrdoc").c_str(), 0600), 0);
    Design d;
    d.FX = 900;
    d.s_SPM = "Kept";
    const fs::path file = folder / GetParam().file;
    const auto error = ReadFile(d, file);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(*error, (FileError{GetParam().action, file.string(), GetParam().reason}));
    EXPECT_EQ(d.FX, 900.0F);
    EXPECT_EQ(d.s_SPM, "Kept");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ReadFileRefused,
    testing::Values(UnreadableRow{"missing", "none.xvrdoc", FileError::Action::Open, "No such file or directory"},
                    UnreadableRow{"folder", "folder.xvrdoc", FileError::Action::Read, "Is a directory"},
                    // A named pipe with no writer would block a plain read.
                    UnreadableRow{"named_pipe", "pipe.xvrdoc", FileError::Action::Open, "Not a regular file"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FileError, AlertLines)
{
    const FileError e{FileError::Action::Write, "/x/a.xvrdoc", "Permission denied"};
    EXPECT_EQ(fileErrorAlertLines(e),
              (std::array<std::string, 3>{"The program returned a file error.", "File ref: 1", "Permission denied"}));
}

}  // namespace
}  // namespace larkspan

// The update check's pure rules: version numbers, the window's contents and
// the name a download is stored under.
#include "rules/update_rules.h"

#include <gtest/gtest.h>

#include <string>

#include "model/version_number.h"

namespace larkspan {
namespace {

// Expected numbers read off by hand: dots out, blanks skipped, digits up to
// the first other character.
TEST(StringToNumerical, ReadsTheDotFreeDigits)
{
    const std::string forty = "1234567890123456789012345678901234567890";
    const struct {
        std::string text;
        std::string digits;
    } rows[] = {
        {"1.2.3", "123"},
        {"1.10", "110"},
        {"2.0", "20"},
        {"  1.9.9", "199"},
        {"\t7", "7"},
        {"2.1\n", "21"},
        {"1.2b3", "12"},
        {"v2.0", "0"},
        {"", "0"},
        {"...", "0"},
        {"-3", "0"},
        {"1 .2", "1"},
        {"007", "7"},
        {"0.0.0", "0"},
        {". 5", "5"},
        {forty, forty},
        {forty + ".9", forty + "9"},
    };
    for (const auto& r : rows) EXPECT_EQ(StringToNumerical(r.text).digits, r.digits) << '"' << r.text << '"';
}

TEST(StringToNumerical, ComparesWholeNumbersOfAnyLength)
{
    const std::string long1 = std::string(30, '9') + "1";
    const std::string long2 = std::string(30, '9') + "2";
    const struct {
        std::string server, bundle;
        bool offered;
    } rows[] = {
        {"1.0.1", "1.0.0", true}, {"1.0.0", "1.0.0", false}, {"0.9.9", "1.0.0", false},
        {"2.0", "1.9.9", false},  // 20 < 199: the numbers, not the parts, are compared
        {"none", "1.0.0", false}, {"1.0.0", "", true},       {"010", "9", true},
        {long2, long1, true},     {long1, long2, false},     {long1, "1" + long1, false},
    };
    for (const auto& r : rows)
        EXPECT_EQ(updateOffered(r.server, r.bundle), r.offered) << r.server << " vs " << r.bundle;
}

// The window's tests against a server see the texts of each case; here the
// whole content of the cases they cannot reach.
TEST(UpdateRules, WindowContentInEachCase)
{
    UpdateFlags down;
    down.NetConnectFlag = 1;
    down.UpdateOkFlag = 1;  // a failed network wins over an answer, but the download is offered
    EXPECT_EQ(CheckForUpdateWnd(down, "2.0", "1.0"),
              (UpdateWindowContent{"Network Connection Failed.",
                                   kStatusBlack,
                                   "Please confirm the network connection.",
                                   {{602, "Download...", 275, 110, 400, 130}, {603, "OK", 130, 110, 255, 130}},
                                   602}));
    EXPECT_EQ(CheckForUpdateWnd(UpdateFlags{}, "0.9", "1.0.0").buttons,
              (std::vector<UpdateButton>{{601, "OK", 320, 110, 400, 130}}));
    EXPECT_EQ(ShowDownLoadFinished(UpdateFlags{}).buttons,
              (std::vector<UpdateButton>{{605, "Launch Installer and Quit", 130, 110, 310, 130},
                                         {604, "OK", 330, 110, 400, 130}}));
    UpdateFlags failed;
    failed.DownLoadOkFlag = 1;
    EXPECT_EQ(
        ShowDownLoadFinished(failed),
        (UpdateWindowContent{
            "Download is Failed.", kStatusBlack, "Please try again later.", {{604, "OK", 330, 110, 400, 130}}, 604}));
}

TEST(UpdateRules, DownloadNameIsAPlainNameOfTheFolder)
{
    const struct {
        const char* header;
        const char* name;
    } rows[] = {
        {"", "Larkspan.zip"},
        {"attachment", "Larkspan.zip"},
        {"attachment; filename=Larkspan-2.1.zip", "Larkspan-2.1.zip"},
        {"attachment; FILENAME=\"a; b.zip\"", "a; b.zip"},
        {"attachment; filename=\"q\\\"uote.zip\"", "q\"uote.zip"},
        {"attachment; filename=\"../../.bashrc\"", "bashrc"},
        {"attachment; filename=\"/etc/passwd\"", "passwd"},
        {"attachment; filename=\"..\\\\..\\\\evil.zip\"", "evil.zip"},
        {"attachment; filename=\"..\"", "Larkspan.zip"},
        {"attachment; filename=\"dir/\"", "Larkspan.zip"},
        {"attachment; filename=\"a\x01\x1b b.zip\"", "a b.zip"},
        {"attachment; filename=\"   \"", "Larkspan.zip"},
        {"attachment; filename=plain.zip; filename*=UTF-8''%C3%A9t%C3%A9.zip", "\xC3\xA9t\xC3\xA9.zip"},
        {"attachment; filename*=iso-8859-1'en'%E9.zip", "\xC3\xA9.zip"},
        {"attachment; filename*=UTF-8''..%2F..%2Fx.zip", "x.zip"},
        {"attachment; filename*=UTF-8''%00", "Larkspan.zip"},
    };
    for (const auto& r : rows) EXPECT_EQ(downloadFileName(r.header), r.name) << r.header;
    EXPECT_EQ(downloadFileName("attachment; filename=" + std::string(201, 'a')), "Larkspan.zip");
}

}  // namespace
}  // namespace larkspan

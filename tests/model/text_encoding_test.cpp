// Texts in documents are Mac Roman bytes: every byte must come back from a
// read and a write as it was, and what is shown or echoed must be safe.
#include <gtest/gtest.h>

#include "model/document_record.h"
#include "model/raw_record.h"
#include "model/text_encoding.h"

namespace larkspan {
namespace {

TEST(MacRoman, EveryByteValueSurvivesReadingAndWritingADocument)
{
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
        // In a model name between two letters, so no blank meets the marker.
        const std::string name{'A', static_cast<char>(b), 'Z'};
        const test::Bytes bytes = test::defaultRecordByHand().text(255, name + "  ").bytes;
        Design d;
        decodeRecord(bytes, d);
        const Record again = encodeRecord(d);
        EXPECT_EQ(test::Bytes(again.begin(), again.end()), bytes) << "byte " << b;
    }
    EXPECT_EQ(utf8ToMacRoman(macRomanToUtf8(all)), all);
    EXPECT_EQ(macRomanToUtf8("\x8E\xA5\xDB"), "\xC3\xA9\xE2\x80\xA2\xE2\x82\xAC");  // é • €
}

TEST(MacRoman, ShownAndEchoedSafely)
{
    const struct {
        std::string given, printable, escaped;
    } rows[] = {
        {"Caf\xC3\xA9", "Caf\xC3\xA9", "Caf\xC3\xA9"},
        {"a\x01z", "a\xE2\x90\x81z", "a\\x01z"},
        {"\x1B[31m", "\xE2\x90\x9B[31m", "\\x1B[31m"},
        {"\x7F", "\xE2\x90\xA1", "\\x7F"},
        {"\xC2\x9B", "\xEF\xBF\xBD", "\\xC2\\x9B"},  // the 8-bit CSI
        {"\xFF\xC3", "\xEF\xBF\xBD\xEF\xBF\xBD", "\\xFF\\xC3"},
        {"\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD", "\\xC0\\xAF"},  // overlong "/"
        {"a\nb",
         "a\xE2\x90\x8A"
         "b",
         "a\nb"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(printableText(row.given), row.printable) << row.given;
        EXPECT_EQ(escapedForTerminal(row.given), row.escaped) << row.given;
    }
}

}  // namespace
}  // namespace larkspan

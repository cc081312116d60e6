// Texts in documents are Mac Roman bytes: every byte must come back from a
// read and a write as it was.
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

}  // namespace
}  // namespace larkspan

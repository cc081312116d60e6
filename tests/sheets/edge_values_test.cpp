// Entries that a float cannot hold, refused by every sheet as text that is
// not a number is, and a notch that cannot come out NaN.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "model/document_record.h"
#include "sheets/attenuator_sheets.h"
#include "sheets/frequency_sheets.h"
#include "sheets/impedance_correction_sheet.h"
#include "sheets/notch_sheet.h"

namespace larkspan {
namespace {

// Types a text into one field of a sheet whose other fields hold valid
// entries and presses OK; true when the sheet closed.
using Entry = std::function<bool(Design&, const std::string&)>;

template <typename Sheet, typename... Args>
Entry into(std::string Sheet::*field, Args... args)
{
    return [=](Design& d, const std::string& text) {
        Sheet sheet(d, args...);
        sheet.*field = text;
        return sheet.ok().closed;
    };
}

const std::string kClosedBox = "DUMMY%  Tweeter  90  60  10  0.4  0.5  3  1  6  0.5  5  0  0  12  ";

Entry intoNotch(std::string NotchSheet::*field)
{
    return [=](Design& d, const std::string& text) {
        openNotchSheet(d, 1);
        NotchSheet sheet(d);
        sheet.pasteParameters(kClosedBox, 0);
        sheet.*field = text;
        return sheet.ok().closed;
    };
}

struct FieldRow {
    const char* name;
    Entry entry;
    const char* valid;

    friend void PrintTo(const FieldRow& r, std::ostream* os) { *os << r.name; }
};

class SheetFields : public testing::TestWithParam<FieldRow> {};

TEST_P(SheetFields, RefuseNumbersAFloatCannotHold)
{
    for (const char* text : {"1e39", "-1e39", "1e-45", "-1e-40"}) {
        Design d;
        d.channel = 3;
        const Record before = encodeRecord(d);
        EXPECT_FALSE(GetParam().entry(d, text)) << text;
        EXPECT_EQ(encodeRecord(d), before) << text << " changed the design";
    }
    Design d;
    d.channel = 3;
    EXPECT_TRUE(GetParam().entry(d, GetParam().valid));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SheetFields,
    testing::Values(FieldRow{"FX", into(&FrequencySheet2Way::field10), "2"},
                    FieldRow{"FXL", into(&FrequencySheet3Way::field10), "300"},
                    FieldRow{"FXH", into(&FrequencySheet3Way::field11), "3000"},
                    FieldRow{"RH", into(&ImpedanceCorrectionSheet::field10, CorrectedDriver::High), "4"},
                    FieldRow{"LM", into(&ImpedanceCorrectionSheet::field11, CorrectedDriver::Mid), "0.3"},
                    FieldRow{"HigSPL", into(&SplSheet::field10), "95"},
                    FieldRow{"AttH", into(&AttenuatorSheet::field10, AttenuatedDriver::High), "2"},
                    FieldRow{"PinM", into(&AttenuatorSheet::field11, AttenuatedDriver::Mid), "2"},
                    FieldRow{"notch_Fs", intoNotch(&NotchSheet::field53), "60"},
                    FieldRow{"notch_Le", intoNotch(&NotchSheet::field59), "0.5"},
                    FieldRow{"notch_Vb", intoNotch(&NotchSheet::field60), "5"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Notch, PastedClosedBoxWithAnyLossFactorIsFinite)
{
    Design d;
    openNotchSheet(d, 1);
    NotchSheet sheet(d);
    ASSERT_FALSE(sheet.pasteParameters(kClosedBox, 0).alert);
    ASSERT_TRUE(sheet.ok().closed);
    EXPECT_TRUE(std::isfinite(d.RNTH) && std::isfinite(d.LNTH) && std::isfinite(d.CNTH))
        << d.RNTH << " " << d.LNTH << " " << d.CNTH;
}

}  // namespace
}  // namespace larkspan

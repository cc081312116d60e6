#include "model/document_record.h"

#include <bit>
#include <cmath>
#include <string_view>

#include "model/text_encoding.h"

namespace larkspan {

namespace {

constexpr std::string_view kMarker = "  ";

// Every stored field in file order, for a visitor with text(), i16() and f32(),
// each given the field's name. The same list drives writing, reading and
// checking, so they cannot drift apart.
template <typename Visitor, typename D>
void visitRecord(Visitor& v, D& d)
{
    v.text("s_Type", d.s_Type);
    v.i16("channel", d.channel);
    v.i16("order", d.order);
    v.f32("FX", d.FX);
    v.f32("FXL", d.FXL);
    v.f32("FXH", d.FXH);
    v.f32("RE", d.RE);
    v.f32("RM", d.RM);
    v.f32("RH", d.RH);
    v.f32("LE", d.LE);
    v.f32("LM", d.LM);
    v.f32("LH", d.LH);
    v.f32("PinH", d.PinH);
    v.f32("PinM", d.PinM);
    v.f32("LowSPL", d.LowSPL);
    v.f32("MidSPL", d.MidSPL);
    v.f32("HigSPL", d.HigSPL);
    v.i16("orderID", d.orderID);
    v.i16("chnelID", d.chnelID);
    v.i16("filtrID", d.filtrID);
    v.text("s_SPE", d.s_SPE);
    v.text("s_SPM", d.s_SPM);
    v.text("s_SPH", d.s_SPH);
    v.f32("HigSPL", d.HigSPL);
    v.f32("HigFS", d.HigFS);
    v.f32("HigVAS", d.HigVAS);
    v.f32("HigQTS", d.HigQTS);
    v.f32("HigQES", d.HigQES);
    v.f32("HigQMS", d.HigQMS);
    v.f32("HigEFI", d.HigEFI);
    v.f32("HigVB", d.HigVB);
    v.f32("HigFC", d.HigFC);
    v.f32("HigQTC", d.HigQTC);
    v.f32("HigQA", d.HigQA);
    v.f32("MidSPL", d.MidSPL);
    v.f32("MidFS", d.MidFS);
    v.f32("MidVAS", d.MidVAS);
    v.f32("MidQTS", d.MidQTS);
    v.f32("MidQES", d.MidQES);
    v.f32("MidQMS", d.MidQMS);
    v.f32("MifnI", d.MifnI);
    v.f32("MidVB", d.MidVB);
    v.f32("MidFC", d.MidFC);
    v.f32("MidQTC", d.MidQTC);
    v.f32("MidQA", d.MidQA);
    v.i16("HigNotchAorG", d.HigNotchAorG);
    v.i16("MidNotchAorG", d.MidNotchAorG);
    v.i16("HigNotchGrp", d.HigNotchGrp);
    v.i16("MidNotchGrp", d.MidNotchGrp);
    v.i16("HigQAPopItem", d.HigQAPopItem);
    v.i16("MidQAPopItem", d.MidQAPopItem);
    v.i16("HigCorrDisp", d.HigCorrDisp);
    v.i16("MidCorrDisp", d.MidCorrDisp);
    v.i16("HigRemvImpInc", d.HigRemvImpInc);
    v.i16("MidRemvImpInc", d.MidRemvImpInc);
    v.f32("RNTH", d.RNTH);
    v.f32("LNTH", d.LNTH);
    v.f32("CNTH", d.CNTH);
    v.f32("RNTM", d.RNTM);
    v.f32("LNTM", d.LNTM);
    v.f32("CNTM", d.CNTM);
}

// The Mac Roman bytes of a text as the file holds them: at most
// kMaxTextLength, one per character.
std::string storedBytes(std::string_view utf8)
{
    std::string bytes = utf8ToMacRoman(utf8);
    if (bytes.size() > kMaxTextLength) bytes.resize(kMaxTextLength);
    return bytes;
}

void cutAtMarker(std::string& s)
{
    const auto at = s.find(kMarker);
    s.resize(at == std::string::npos ? 0 : at);
}

class FieldWriter {
public:
    explicit FieldWriter(Record& out) : out_(out) {}

    void text(const char*, const std::string& s)
    {
        const std::string chars = storedBytes(s);
        std::size_t i = 0;
        for (; i < chars.size(); ++i) put(static_cast<std::uint8_t>(chars[i]));
        // The marker and the padding are both blanks.
        for (; i < kTextFieldSize; ++i) put(' ');
    }
    void i16(const char*, std::int16_t v)
    {
        const auto u = static_cast<std::uint16_t>(v);
        put(static_cast<std::uint8_t>(u >> 8));
        put(static_cast<std::uint8_t>(u));
    }
    void f32(const char*, float v)
    {
        const auto u = std::bit_cast<std::uint32_t>(v);
        for (int shift = 24; shift >= 0; shift -= 8) put(static_cast<std::uint8_t>(u >> shift));
    }

private:
    void put(std::uint8_t b)
    {
        if (at_ < out_.size()) out_[at_] = b;
        ++at_;
    }
    Record& out_;
    std::size_t at_ = 0;
};

// Reads each field that the bytes hold entirely and skips the rest.
class FieldReader {
public:
    explicit FieldReader(std::span<const std::uint8_t> in) : in_(in) {}

    void text(const char*, std::string& s)
    {
        if (const auto* p = take(kTextFieldSize))
            s = macRomanToUtf8(std::string_view(reinterpret_cast<const char*>(p), kTextFieldSize));
    }
    void i16(const char*, std::int16_t& v)
    {
        if (const auto* p = take(2)) v = static_cast<std::int16_t>(static_cast<std::uint16_t>((p[0] << 8U) | p[1]));
    }
    void f32(const char*, float& v)
    {
        if (const auto* p = take(4)) {
            std::uint32_t u = 0;
            for (int i = 0; i < 4; ++i) u = (u << 8U) | p[i];
            v = std::bit_cast<float>(u);
        }
    }

private:
    const std::uint8_t* take(std::size_t n)
    {
        const std::size_t from = at_;
        at_ += n;
        return at_ <= in_.size() ? in_.data() + from : nullptr;
    }
    std::span<const std::uint8_t> in_;
    std::size_t at_ = 0;
};

// Finds the first number field that holds NaN or an infinity.
class NonFiniteFinder {
public:
    void text(const char*, const std::string&) {}
    void i16(const char*, std::int16_t) {}
    void f32(const char* name, float v)
    {
        if (!found && !std::isfinite(v)) found = name;
    }
    std::optional<std::string> found;
};

const Record& defaultRecord()
{
    static const Record record = encodeRecord(Design{});
    return record;
}

}  // namespace

Record encodeRecord(const Design& d)
{
    Record out{};
    FieldWriter w(out);
    visitRecord(w, d);
    return out;
}

void decodeRecord(std::span<const std::uint8_t> bytes, Design& d)
{
    // Start every stored field from its default so that a short file leaves
    // defined values, not those of the design opened before.
    FieldReader defaults(defaultRecord());
    visitRecord(defaults, d);
    FieldReader reader(bytes);
    visitRecord(reader, d);
    ExtractionText(d);
}

void ExtractionText(Design& d)
{
    cutAtMarker(d.s_Type);
    cutAtMarker(d.s_SPE);
    cutAtMarker(d.s_SPM);
    cutAtMarker(d.s_SPH);
}

void leaveTextFieldsAsWritten(Design& d)
{
    for (std::string* s : {&d.s_Type, &d.s_SPE, &d.s_SPM, &d.s_SPH}) {
        *s = macRomanToUtf8(storedBytes(*s) + std::string(kMarker));
        cutAtMarker(*s);
    }
}

std::optional<std::string> firstNonFiniteField(const Design& d)
{
    NonFiniteFinder finder;
    visitRecord(finder, d);
    return finder.found;
}

}  // namespace larkspan

#include "model/document_record.h"

#include <bit>
#include <string_view>

namespace larkspan {

namespace {

constexpr std::string_view kMarker = "  ";

// Every stored field in file order, for a visitor with text(), i16() and f32().
// The same list drives writing and reading, so the two cannot drift apart.
template <typename Visitor, typename D>
void visitRecord(Visitor& v, D& d)
{
    v.text(d.s_Type);
    v.i16(d.channel);
    v.i16(d.order);
    v.f32(d.FX);
    v.f32(d.FXL);
    v.f32(d.FXH);
    v.f32(d.RE);
    v.f32(d.RM);
    v.f32(d.RH);
    v.f32(d.LE);
    v.f32(d.LM);
    v.f32(d.LH);
    v.f32(d.PinH);
    v.f32(d.PinM);
    v.f32(d.LowSPL);
    v.f32(d.MidSPL);
    v.f32(d.HigSPL);
    v.i16(d.orderID);
    v.i16(d.chnelID);
    v.i16(d.filtrID);
    v.text(d.s_SPE);
    v.text(d.s_SPM);
    v.text(d.s_SPH);
    v.f32(d.HigSPL);
    v.f32(d.HigFS);
    v.f32(d.HigVAS);
    v.f32(d.HigQTS);
    v.f32(d.HigQES);
    v.f32(d.HigQMS);
    v.f32(d.HigEFI);
    v.f32(d.HigVB);
    v.f32(d.HigFC);
    v.f32(d.HigQTC);
    v.f32(d.HigQA);
    v.f32(d.MidSPL);
    v.f32(d.MidFS);
    v.f32(d.MidVAS);
    v.f32(d.MidQTS);
    v.f32(d.MidQES);
    v.f32(d.MidQMS);
    v.f32(d.MifnI);
    v.f32(d.MidVB);
    v.f32(d.MidFC);
    v.f32(d.MidQTC);
    v.f32(d.MidQA);
    v.i16(d.HigNotchAorG);
    v.i16(d.MidNotchAorG);
    v.i16(d.HigNotchGrp);
    v.i16(d.MidNotchGrp);
    v.i16(d.HigQAPopItem);
    v.i16(d.MidQAPopItem);
    v.i16(d.HigCorrDisp);
    v.i16(d.MidCorrDisp);
    v.i16(d.HigRemvImpInc);
    v.i16(d.MidRemvImpInc);
    v.f32(d.RNTH);
    v.f32(d.LNTH);
    v.f32(d.CNTH);
    v.f32(d.RNTM);
    v.f32(d.LNTM);
    v.f32(d.CNTM);
}

// At most kMaxTextLength bytes; the cut steps back over at most three UTF-8
// continuation bytes so that a character is never split.
std::string_view shortened(std::string_view s)
{
    if (s.size() <= kMaxTextLength) return s;
    std::size_t n = kMaxTextLength;
    for (int back = 0; back < 3 && n > 0 && (static_cast<unsigned char>(s[n]) & 0xC0U) == 0x80U; ++back) --n;
    return s.substr(0, n);
}

void cutAtMarker(std::string& s)
{
    const auto at = s.find(kMarker);
    s.resize(at == std::string::npos ? 0 : at);
}

class FieldWriter {
public:
    explicit FieldWriter(Record& out) : out_(out) {}

    void text(const std::string& s)
    {
        const std::string_view chars = shortened(s);
        std::size_t i = 0;
        for (; i < chars.size(); ++i) put(static_cast<std::uint8_t>(chars[i]));
        // The marker and the padding are both blanks.
        for (; i < kTextFieldSize; ++i) put(' ');
    }
    void i16(std::int16_t v)
    {
        const auto u = static_cast<std::uint16_t>(v);
        put(static_cast<std::uint8_t>(u >> 8));
        put(static_cast<std::uint8_t>(u));
    }
    void f32(float v)
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

    void text(std::string& s)
    {
        if (const auto* p = take(kTextFieldSize)) s.assign(reinterpret_cast<const char*>(p), kTextFieldSize);
    }
    void i16(std::int16_t& v)
    {
        if (const auto* p = take(2)) v = static_cast<std::int16_t>(static_cast<std::uint16_t>((p[0] << 8U) | p[1]));
    }
    void f32(float& v)
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
        *s = std::string(shortened(*s)) + std::string(kMarker);
        cutAtMarker(*s);
    }
}

}  // namespace larkspan

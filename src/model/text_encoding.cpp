#include "model/text_encoding.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>

namespace larkspan {

namespace {

// The characters of bytes 0x80 to 0xFF.
constexpr std::array<char16_t, 128> kHighHalf{
    0x00C4, 0x00C5, 0x00C7, 0x00C9, 0x00D1, 0x00D6, 0x00DC, 0x00E1, 0x00E0, 0x00E2, 0x00E4, 0x00E3, 0x00E5,
    0x00E7, 0x00E9, 0x00E8, 0x00EA, 0x00EB, 0x00ED, 0x00EC, 0x00EE, 0x00EF, 0x00F1, 0x00F3, 0x00F2, 0x00F4,
    0x00F6, 0x00F5, 0x00FA, 0x00F9, 0x00FB, 0x00FC, 0x2020, 0x00B0, 0x00A2, 0x00A3, 0x00A7, 0x2022, 0x00B6,
    0x00DF, 0x00AE, 0x00A9, 0x2122, 0x00B4, 0x00A8, 0x2260, 0x00C6, 0x00D8, 0x221E, 0x00B1, 0x2264, 0x2265,
    0x00A5, 0x00B5, 0x2202, 0x2211, 0x220F, 0x03C0, 0x222B, 0x00AA, 0x00BA, 0x03A9, 0x00E6, 0x00F8, 0x00BF,
    0x00A1, 0x00AC, 0x221A, 0x0192, 0x2248, 0x2206, 0x00AB, 0x00BB, 0x2026, 0x00A0, 0x00C0, 0x00C3, 0x00D5,
    0x0152, 0x0153, 0x2013, 0x2014, 0x201C, 0x201D, 0x2018, 0x2019, 0x00F7, 0x25CA, 0x00FF, 0x0178, 0x2044,
    0x20AC, 0x2039, 0x203A, 0xFB01, 0xFB02, 0x2021, 0x00B7, 0x201A, 0x201E, 0x2030, 0x00C2, 0x00CA, 0x00C1,
    0x00CB, 0x00C8, 0x00CD, 0x00CE, 0x00CF, 0x00CC, 0x00D3, 0x00D4, 0xF8FF, 0x00D2, 0x00DA, 0x00DB, 0x00D9,
    0x0131, 0x02C6, 0x02DC, 0x00AF, 0x02D8, 0x02D9, 0x02DA, 0x00B8, 0x02DD, 0x02DB, 0x02C7,
};

constexpr char32_t kReplacement = 0xFFFD;

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The well-formed UTF-8 character at `at` and its length in bytes, or
// nothing when the bytes there are not one (overlong forms and surrogates
// included).
std::optional<std::pair<char32_t, std::size_t>> utf8At(std::string_view s, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(s[i]); };
    const std::uint8_t lead = byte(at);
    if (lead < 0x80) return std::pair{char32_t{lead}, std::size_t{1}};
    std::size_t length = 0;
    char32_t c = 0;
    char32_t least = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, c = lead & 0x1FU, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, c = lead & 0x0FU, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, c = lead & 0x07U, least = 0x10000;
    } else {
        return std::nullopt;
    }
    if (at + length > s.size()) return std::nullopt;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) return std::nullopt;
        c = (c << 6) | (byte(at + i) & 0x3FU);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    return std::pair{c, length};
}

bool isControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

}  // namespace

std::string macRomanToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto b = static_cast<std::uint8_t>(ch);
        appendUtf8(out, b < 0x80 ? char32_t{b} : char32_t{kHighHalf[b - 0x80U]});
    }
    return out;
}

std::string utf8ToMacRoman(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const auto c = utf8At(utf8, at);
        if (!c) {
            out += '?';
            ++at;
            continue;
        }
        at += c->second;
        if (c->first < 0x80) {
            out += static_cast<char>(c->first);
            continue;
        }
        char byte = '?';
        for (std::size_t i = 0; i < kHighHalf.size(); ++i)
            if (kHighHalf[i] == c->first) byte = static_cast<char>(0x80 + i);
        out += byte;
    }
    return out;
}

std::string printableText(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const auto c = utf8At(utf8, at);
        at += c ? c->second : 1;
        if (!c) {
            appendUtf8(out, kReplacement);
        } else if (c->first < 0x20) {
            appendUtf8(out, 0x2400 + c->first);  // the control pictures block
        } else if (c->first == 0x7F) {
            appendUtf8(out, 0x2421);
        } else if (isControl(c->first)) {
            appendUtf8(out, kReplacement);
        } else {
            appendUtf8(out, c->first);
        }
    }
    return out;
}

std::string wellFormedUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const auto c = utf8At(text, at);
        at += c ? c->second : 1;
        appendUtf8(out, c ? c->first : kReplacement);
    }
    return out;
}

std::string escapedForTerminal(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    const auto escape = [&](std::string_view bytes) {
        for (const char b : bytes) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", static_cast<unsigned>(static_cast<std::uint8_t>(b)));
            out += buf;
        }
    };
    for (std::size_t at = 0; at < text.size();) {
        const auto c = utf8At(text, at);
        const std::size_t length = c ? c->second : 1;
        const std::string_view bytes = text.substr(at, length);
        at += length;
        if (c && (c->first == '\n' || !isControl(c->first)))
            out += bytes;
        else
            escape(bytes);
    }
    return out;
}

}  // namespace larkspan

// A design document record put together byte by byte in a test, from the
// file layout's offsets, independently of the writer.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace larkspan::test {

using Bytes = std::vector<std::uint8_t>;

// A record put together byte by byte at the offsets of the file layout. Float
// bit patterns are written out as hex; each was taken from an IEEE-754 single
// conversion outside this program (Python's struct.pack('>f', v)).
struct RawRecord {
    Bytes bytes = Bytes(450, 0);

    RawRecord& text(std::size_t at, std::string_view chars)
    {
        for (std::size_t i = 0; i < 63; ++i) bytes.at(at + i) = i < chars.size() ? chars[i] : ' ';
        return *this;
    }
    RawRecord& u16(std::size_t at, std::uint16_t v)
    {
        bytes.at(at) = static_cast<std::uint8_t>(v >> 8);
        bytes.at(at + 1) = static_cast<std::uint8_t>(v & 0xFF);
        return *this;
    }
    RawRecord& u32(std::size_t at, std::uint32_t bits)
    {
        for (std::size_t i = 0; i < 4; ++i) bytes.at(at + i) = static_cast<std::uint8_t>(bits >> (24 - 8 * i));
        return *this;
    }
};

// The first offset where two byte strings differ, for a readable failure.
inline std::string firstDifference(const Bytes& a, const Bytes& b)
{
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i)
        if (a[i] != b[i])
            return "offset " + std::to_string(i) + ": " + std::to_string(a[i]) + " vs " + std::to_string(b[i]);
    return a.size() == b.size() ? "none" : "lengths " + std::to_string(a.size()) + " vs " + std::to_string(b.size());
}

// The new design's record, assembled from the layout by hand.
inline RawRecord defaultRecordByHand()
{
    RawRecord r;
    r.text(0, "Butter")
        .u16(63, 2)
        .u16(65, 1)
        .u32(67, 0x44228000)   // FX 650
        .u32(71, 0x43480000)   // FXL 200
        .u32(75, 0x44FA0000)   // FXH 2000
        .u32(79, 0x40C00000)   // RE 6
        .u32(83, 0x40C00000)   // RM 6
        .u32(87, 0x40C00000)   // RH 6
        .u32(91, 0x3F000000)   // LE 0.5
        .u32(95, 0x3E800000)   // LM 0.25
        .u32(99, 0x3E000000)   // LH 0.125
        .u32(103, 0x41200000)  // PinH 10
        .u32(107, 0x41200000)  // PinM 10
        .u32(111, 0x42B40000)  // LowSPL 90
        .u32(115, 0x42C00000)  // MidSPL 96
        .u32(119, 0x42C80000)  // HigSPL 100
        .u16(123, 1)
        .u16(125, 1)
        .u16(127, 1)
        .text(129, "Default Low")
        .text(192, "Default Mid")
        .text(255, "Default High")
        .u32(318, 0x42C80000)  // HigSPL again
        .u32(358, 0x41200000)  // HigQA 10
        .u32(362, 0x42C00000)  // MidSPL again
        .u32(402, 0x41200000)  // MidQA 10
        .u16(406, 1)           // HigNotchAorG
        .u16(408, 1)           // MidNotchAorG
        .u16(410, 1)           // HigNotchGrp
        .u16(412, 1)           // MidNotchGrp
        .u16(414, 3)           // HigQAPopItem
        .u16(416, 3);          // MidQAPopItem
    return r;                  // every other field is 0
}

}  // namespace larkspan::test

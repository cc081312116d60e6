// What the fuzz targets check after each input: every view of the design
// drawn as the window shows it, into SVG that must be well-formed with every
// coordinate finite. Any finding aborts, for libFuzzer to report.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "corrections/notch.h"
#include "drawing/response_view.h"
#include "drawing/svg_canvas.h"

namespace larkspan::fuzz {

// Why `s` is not text that XML and JSON admit (UTF-8 without control
// characters other than tab and line breaks), or "" when it is.
inline std::string textProblem(std::string_view s)
{
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<std::uint8_t>(s[i]);
        const std::size_t n = b < 0x80             ? 1
                              : (b & 0xE0) == 0xC0 ? 2
                              : (b & 0xF0) == 0xE0 ? 3
                              : (b & 0xF8) == 0xF0 ? 4
                                                   : 0;
        if (n == 0 || i + n > s.size() || (b < 0x20 && b != '\t' && b != '\n' && b != '\r') || b == 0x7F)
            return "bad byte at " + std::to_string(i);
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<std::uint8_t>(s[i + k]) & 0xC0) != 0x80) return "bad UTF-8 at " + std::to_string(i);
        if (n == 2 && b == 0xC2 && static_cast<std::uint8_t>(s[i + 1]) < 0xA0)
            return "C1 control at " + std::to_string(i);
        i += n;
    }
    return "";
}

// Why `s` is not a well-formed XML document with finite attributes, or ""
// when it is one.
inline std::string xmlProblem(std::string_view s)
{
    if (auto problem = textProblem(s); !problem.empty()) return problem;
    const auto entityOk = [&](std::size_t at) {
        const auto end = s.find(';', at);
        if (end == std::string_view::npos) return false;
        const std::string_view name = s.substr(at + 1, end - at - 1);
        return name == "amp" || name == "lt" || name == "gt" || name == "quot" || name == "apos" ||
               (name.size() > 1 && name[0] == '#');
    };
    std::vector<std::string_view> open;
    int roots = 0;
    for (std::size_t i = 0; i < s.size();) {
        if (s[i] == '&' && !entityOk(i)) return "bad entity at " + std::to_string(i);
        if (s[i] != '<') {
            ++i;
            continue;
        }
        if (s.substr(i, 2) == "<?" || s.substr(i, 4) == "<!--") {
            const auto end = s.find(s[i + 1] == '?' ? "?>" : "-->", i);
            if (end == std::string_view::npos) return "unclosed declaration";
            i = end + 2;
            continue;
        }
        const bool closing = s.substr(i, 2) == "</";
        std::size_t j = i + (closing ? 2 : 1);
        const std::size_t nameStart = j;
        while (j < s.size() && s[j] != ' ' && s[j] != '>' && s[j] != '/' && s[j] != '\n') ++j;
        const std::string_view name = s.substr(nameStart, j - nameStart);
        if (name.empty()) return "empty tag name at " + std::to_string(i);
        // Attributes: name="value", values without '<' and finite.
        while (j < s.size() && s[j] != '>' && s[j] != '/') {
            const auto quote = s.find_first_of("\"'>", j);
            if (quote == std::string_view::npos || s[quote] == '>') break;
            const auto end = s.find(s[quote], quote + 1);
            if (end == std::string_view::npos) return "unclosed attribute in " + std::string(name);
            const std::string_view value = s.substr(quote + 1, end - quote - 1);
            if (value.find('<') != std::string_view::npos) return "'<' in an attribute of " + std::string(name);
            const bool numbers = !value.starts_with("data:");  // not an embedded picture
            if (numbers && (value.find("nan") != std::string_view::npos || value.find("inf") != std::string_view::npos))
                return "non-finite attribute in " + std::string(name);
            j = end + 1;
        }
        const bool selfClosing = s.substr(j, 2) == "/>";
        const auto end = s.find('>', j);
        if (end == std::string_view::npos) return "unclosed tag " + std::string(name);
        if (closing) {
            if (open.empty() || open.back() != name) return "mismatched </" + std::string(name) + ">";
            open.pop_back();
        } else {
            if (open.empty()) ++roots;
            if (!selfClosing) open.push_back(name);
        }
        i = end + 1;
    }
    if (!open.empty()) return "unclosed <" + std::string(open.back()) + ">";
    return roots == 1 ? "" : "not one root element";
}

inline void check(bool ok, const std::string& what)
{
    if (ok) return;
    std::cerr << "finding: " << what << "\n";
    std::abort();
}

// Every view, the corrected-impedance ones where a notch is in force.
inline void drawEveryView(const Design& design)
{
    for (const char* view : {"amp", "imp", "ph", "gd", "nq", "st", "schema", "HigCorrImp", "MidCorrImp"}) {
        Design d = design;
        const std::string key = view;
        if (key == "HigCorrImp" || key == "MidCorrImp") {
            const int notch = key == "HigCorrImp" ? 1 : 2;
            if (!corrImpViewEnabled(d, notch)) continue;
            selectCorrImpView(d, notch);
        }
        d.s_Resp = key;
        const ViewSize size = viewSize(key);
        SvgCanvas svg(size.width, size.height);
        DrawTarget target{svg, {}, {}};
        ViewState state;
        ResponsePlot(target, d, state);
        drawStaticTexts(svg, target.controls, Overflow::Elide);
        const std::string problem = xmlProblem(svg.document());
        check(problem.empty(), key + ": " + problem);
    }
}

}  // namespace larkspan::fuzz

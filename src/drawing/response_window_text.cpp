#include "drawing/response_window_text.h"

#include <array>
#include <cstdio>
#include <string_view>
#include <utility>

namespace larkspan {

std::string SetResponseTitle(const std::string& s_Resp)
{
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 9> kTitles{{
        {"amp", "Amplitude"},
        {"imp", "Impedance"},
        {"ph", "Phase"},
        {"gd", "Group-Delay"},
        {"nq", "Nyquist-Diagram"},
        {"st", "Step-Response"},
        {"schema", "Schematics"},
        {"HigCorrImp", "High-Imp-Correct"},
        {"MidCorrImp", "Mid-Imp-Correct"},
    }};
    for (const auto& [key, title] : kTitles)
        if (key == s_Resp) return std::string(title);
    return {};
}

std::string dateTimeText(const DateTime& when)
{
    static constexpr std::array<const char*, 12> kMonths{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    // The date as "MM/dd/yy" and the time as "HH:mm:ss", then the month's
    // digits replaced by its name and the century written out.
    char date[16];
    char time[16];
    std::snprintf(date, sizeof date, "%02d/%02d/%02d", when.month % 100, when.day % 100, when.year % 100);
    std::snprintf(time, sizeof time, "%02d:%02d:%02d", when.hour % 100, when.minute % 100, when.second % 100);
    const std::string d(date);
    const std::string month =
        when.month >= 1 && when.month <= 12 ? kMonths[static_cast<std::size_t>(when.month - 1)] : d.substr(0, 2);
    return "Larkspan  " + month + d.substr(2, 4) + "20" + d.substr(6, 2) + " " + time;
}

void DrawDateTime(Canvas& canvas, const Design& d, const DateTime& when)
{
    const bool schema = d.s_Resp == "schema";
    canvas.text(schema ? 30.0F : 25.0F, schema ? 555.0F : 775.0F, dateTimeText(when), 13, Colour{});
}

}  // namespace larkspan

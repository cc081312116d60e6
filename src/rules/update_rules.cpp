#include "rules/update_rules.h"

#include <cctype>

#include "model/version_number.h"

namespace larkspan {

void InitUpdateFlag(UpdateFlags& flags)
{
    flags = UpdateFlags{};
}

std::string availStrFrom(std::string_view answer)
{
    std::string text(answer.substr(0, 255));
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return text;
}

bool updateOffered(std::string_view availStr, std::string_view bundleStr)
{
    return StringToNumerical(availStr) > StringToNumerical(bundleStr);
}

bool showsUpdateWindow(const UpdateFlags& flags)
{
    return flags.UpdateOkFlag == 1 || flags.CheckByMenuFlag == 1;
}

bool startsLaunchCheck(std::int32_t UpdateForCheck, std::uint8_t CheckForUpFlag, std::uint8_t FastOpenFlag)
{
    return UpdateForCheck == 1 && CheckForUpFlag == 0 && FastOpenFlag == 0;
}

UpdateWindowContent CheckForUpdateWnd(const UpdateFlags& flags, std::string_view availStr, std::string_view bundleStr)
{
    UpdateWindowContent c;
    c.statusColour = kStatusBlack;
    if (flags.NetConnectFlag == 1) {
        c.status = "Network Connection Failed.";
        c.detail = "Please confirm the network connection.";
    } else if (flags.UpdateOkFlag == 1) {
        c.status = "Newer Version is Available.";
        c.statusColour = kStatusGreen;
        c.detail = "Newer Version : " + std::string(availStr);
    } else {
        c.status = "This Version is Currently.";
        c.detail = "Current Version : " + std::string(bundleStr);
    }
    if (flags.UpdateOkFlag == 1) {
        c.buttons = {{602, "Download...", 275, 110, 400, 130}, {603, "OK", 130, 110, 255, 130}};
        c.checkUpdateBtn = 602;
    } else {
        c.buttons = {{601, "OK", 320, 110, 400, 130}};
        c.checkUpdateBtn = 601;
    }
    return c;
}

UpdateWindowContent ShowDownLoadFinished(const UpdateFlags& flags)
{
    UpdateWindowContent c;
    c.statusColour = kStatusBlack;
    if (flags.DownLoadOkFlag == 0) {
        c.status = "Download is Successful.";
        c.detail = "Download file is in the downloads folder.";
        c.buttons.push_back({605, "Launch Installer and Quit", 130, 110, 310, 130});
    } else {
        c.status = "Download is Failed.";
        c.detail = "Please try again later.";
    }
    c.buttons.push_back({604, "OK", 330, 110, 400, 130});
    c.checkUpdateBtn = 604;
    return c;
}

namespace {

std::string lower(std::string_view s)
{
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// The header's parameters split at ";" outside quotes.
std::vector<std::string_view> parameters(std::string_view header)
{
    std::vector<std::string_view> parts;
    bool quoted = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i < header.size(); ++i) {
        if (header[i] == '\\' && quoted) {
            ++i;
        } else if (header[i] == '"') {
            quoted = !quoted;
        } else if (header[i] == ';' && !quoted) {
            parts.push_back(header.substr(start, i - start));
            start = i + 1;
        }
    }
    parts.push_back(header.substr(start));
    return parts;
}

std::string unquoted(std::string_view value)
{
    if (value.size() < 2 || value.front() != '"') return std::string(value);
    std::string out;
    for (std::size_t i = 1; i < value.size() && value[i] != '"'; ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) ++i;
        out += value[i];
    }
    return out;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// charset'language'percent-encoded, as an extended parameter carries it; the
// result is UTF-8.
std::string extendedValue(std::string_view value)
{
    const auto first = value.find('\'');
    const auto second = first == std::string_view::npos ? first : value.find('\'', first + 1);
    if (second == std::string_view::npos) return {};
    const bool latin1 = lower(value.substr(0, first)) == "iso-8859-1";
    std::string out;
    for (std::size_t i = second + 1; i < value.size(); ++i) {
        unsigned char byte = static_cast<unsigned char>(value[i]);
        if (value[i] == '%' && i + 2 < value.size() && hexValue(value[i + 1]) >= 0 && hexValue(value[i + 2]) >= 0) {
            byte = static_cast<unsigned char>(hexValue(value[i + 1]) * 16 + hexValue(value[i + 2]));
            i += 2;
        }
        if (latin1 && byte >= 0x80) {
            out += static_cast<char>(0xC0 | (byte >> 6));
            out += static_cast<char>(0x80 | (byte & 0x3F));
        } else {
            out += static_cast<char>(byte);
        }
    }
    return out;
}

std::string plainName(std::string name)
{
    if (const auto slash = name.find_last_of("/\\"); slash != std::string::npos) name.erase(0, slash + 1);
    std::string kept;
    for (const char c : name)
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7f) kept += c;
    std::string_view s = trimmed(kept);
    while (!s.empty() && s.front() == '.') s.remove_prefix(1);
    s = trimmed(s);
    if (s.empty() || s.size() > 200) return std::string(downFileZip);
    return std::string(s);
}

}  // namespace

std::string downloadFileName(std::string_view contentDisposition)
{
    std::string plain, extended;
    for (const std::string_view part : parameters(contentDisposition)) {
        const auto eq = part.find('=');
        if (eq == std::string_view::npos) continue;
        const std::string name = lower(trimmed(part.substr(0, eq)));
        const std::string_view value = trimmed(part.substr(eq + 1));
        if (name == "filename") plain = unquoted(value);
        if (name == "filename*") extended = extendedValue(unquoted(value));
    }
    return plainName(extended.empty() ? plain : extended);
}

std::string unusedFileName(const std::string& name, const std::function<bool(const std::string&)>& exists)
{
    if (!exists(name)) return name;
    const auto dot = name.rfind('.');
    const bool hasExtension = dot != std::string::npos && dot > 0;
    const std::string stem = hasExtension ? name.substr(0, dot) : name;
    const std::string extension = hasExtension ? name.substr(dot) : std::string();
    for (int n = 2; n < 1000; ++n) {
        const std::string candidate = stem + " (" + std::to_string(n) + ")" + extension;
        if (!exists(candidate)) return candidate;
    }
    return {};
}

}  // namespace larkspan

#include "cli/json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "model/text_encoding.h"

namespace larkspan::cli {

namespace {

template <typename T>
std::string shortest(T v)
{
    if (!std::isfinite(v)) return "null";
    char buf[64];
    const auto result = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, result.ptr);
}

}  // namespace

std::string jsonNumber(float v)
{
    return shortest(v);
}
std::string jsonNumber(double v)
{
    return shortest(v);
}

std::string jsonString(std::string_view s)
{
    std::string out = "\"";
    // JSON text is UTF-8: a byte that is not part of it cannot stand.
    for (const char c : wellFormedUtf8(s)) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c));
                    out += buf;
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

JsonObject& JsonObject::add(std::string_view key, std::string renderedValue)
{
    members_.emplace_back(std::string(key), std::move(renderedValue));
    return *this;
}

std::string JsonObject::str() const
{
    std::string out = "{";
    for (std::size_t i = 0; i < members_.size(); ++i) {
        if (i) out += ", ";
        out += jsonString(members_[i].first) + ": " + members_[i].second;
    }
    return out + "}";
}

std::string jsonArray(const std::vector<std::string>& renderedValues)
{
    std::string out = "[";
    for (std::size_t i = 0; i < renderedValues.size(); ++i) {
        if (i) out += ", ";
        out += renderedValues[i];
    }
    return out + "]";
}

}  // namespace larkspan::cli

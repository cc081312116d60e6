// A small JSON writer for the command-line tool's output.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace larkspan::cli {

// Shortest text that reads back to the same float or double; non-finite
// values become null, as JSON has no NaN or infinity.
std::string jsonNumber(float v);
std::string jsonNumber(double v);
// A JSON string: control characters escaped, bytes that are not UTF-8
// replaced by U+FFFD.
std::string jsonString(std::string_view s);

// Writes `{"key": value, ...}` with the values already rendered as JSON.
class JsonObject {
public:
    JsonObject& add(std::string_view key, std::string renderedValue);
    JsonObject& add(std::string_view key, float v) { return add(key, jsonNumber(v)); }
    JsonObject& add(std::string_view key, double v) { return add(key, jsonNumber(v)); }
    JsonObject& add(std::string_view key, int v) { return add(key, std::to_string(v)); }
    JsonObject& addString(std::string_view key, std::string_view v) { return add(key, jsonString(v)); }
    JsonObject& addBool(std::string_view key, bool v) { return add(key, v ? "true" : "false"); }
    std::string str() const;

private:
    std::vector<std::pair<std::string, std::string>> members_;
};

std::string jsonArray(const std::vector<std::string>& renderedValues);

}  // namespace larkspan::cli

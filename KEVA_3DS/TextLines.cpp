#include "KEVA_3DS/TextLines.h"

#include "kestrova/FileBytes.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

bool isSeparator(char c) { return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\v' || c == '\f'; }

}  // namespace

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::vector<std::string_view> splitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isSeparator(line[i])) ++i;
        const std::size_t start = i;
        while (i < line.size() && !isSeparator(line[i])) ++i;
        if (i > start) fields.push_back(line.substr(start, i - start));
    }
    return fields;
}

std::string_view trimmed(std::string_view text) {
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; };
    while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
    return text;
}

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return lower;
}

float decimalNumber(std::string_view field) {
    if (field.starts_with('+')) field.remove_prefix(1);
    float value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error != std::errc() || end != field.data() + field.size() || !std::isfinite(value)) return 0;
    return value;
}

std::int64_t wholeNumber(std::string_view field) {
    field = trimmed(field);
    if (field.starts_with('+')) field.remove_prefix(1);
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error != std::errc() || end != field.data() + field.size()) return 0;
    return value;
}

std::string_view fieldAt(const std::vector<std::string_view>& fields, std::size_t index) {
    return index < fields.size() ? fields[index] : std::string_view();
}

bool readFileText(const std::string& fileName, std::string& text) {
    std::vector<std::uint8_t> bytes;
    if (!readFileBytes(fileName, bytes)) return false;
    text.assign(bytes.begin(), bytes.end());
    return true;
}

std::string unquoted(std::string_view text) {
    std::string out;
    for (const char c : trimmed(text))
        if (c != '"') out += c;
    return out;
}

bool startsSection(std::string_view line, std::string_view keyword, std::int64_t& number) {
    if (!line.starts_with(keyword)) return false;
    number = wholeNumber(line.substr(keyword.size()));
    return true;
}

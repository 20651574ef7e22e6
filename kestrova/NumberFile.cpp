#include "kestrova/NumberFile.h"

#include "kestrova/FileBytes.h"

#include <charconv>
#include <cmath>
#include <vector>

TTextFile FILEIN;
std::string FILELINE;
bool FILEFAILED = false;

namespace {

// The LENGHT characters from position X (1-based), fewer at the end of the text.
std::string_view columns(std::string_view text, std::int32_t X, std::int32_t LENGHT) {
    if (X < 1 || LENGHT < 0 || static_cast<std::size_t>(X - 1) >= text.size()) return {};
    return text.substr(static_cast<std::size_t>(X - 1), static_cast<std::size_t>(LENGHT));
}

bool nextLine(TTextFile& F, std::string& S) {
    if (F.POSITION >= F.TEXT.size()) return false;
    std::size_t end = F.TEXT.find('\n', F.POSITION);
    if (end == std::string::npos) end = F.TEXT.size();
    S.assign(F.TEXT, F.POSITION, end - F.POSITION);
    if (!S.empty() && S.back() == '\r') S.pop_back();
    F.POSITION = end + 1;
    return true;
}

std::string_view trimmed(std::string_view field) {
    const std::size_t first = field.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return field.substr(first, field.find_last_not_of(' ') - first + 1);
}

// The trimmed field of the current (or next) data line; empty, with FILEFAILED
// set, when there is none.
std::string_view field(std::int32_t X, std::int32_t LENGHT, bool VERTICAL) {
    if (FILEFAILED) return {};
    if (VERTICAL && !READSTR(2, 1, "[", FILEIN, FILELINE)) FILEFAILED = true;
    const std::string_view text = trimmed(columns(FILELINE, X, LENGHT));
    if (text.empty()) FILEFAILED = true;
    return FILEFAILED ? std::string_view{} : text;
}

// The whole of `text` as a number, or FILEFAILED set.
template <class Number>
Number parsed(std::string_view text) {
    if (text.size() > 1 && text[0] == '+' && text[1] != '-') text.remove_prefix(1);
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        FILEFAILED = true;
        return 0;
    }
    return value;
}

void begin() {
    FILEFAILED = false;
    FILELINE.clear();
    if (!READSTR(2, 1, "[", FILEIN, FILELINE)) FILEFAILED = true;
    FILELINE.erase(0, 11);
}

}  // namespace

bool READSTR(std::int32_t X, std::int32_t LENGHT, std::string_view CHAR, TTextFile& F, std::string& S) {
    while (nextLine(F, S))
        if (!S.empty() && columns(S, X, LENGHT) != CHAR) return true;
    S.clear();
    return false;
}

void LOADFILEBEGIN(const std::string& FILENAME) {
    std::vector<std::uint8_t> bytes;
    const bool opened = readFileBytes(FILENAME, bytes);
    LOADTEXTBEGIN(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    if (!opened) FILEFAILED = true;
}

void LOADTEXTBEGIN(std::string_view TEXT) {
    FILEIN = TTextFile{std::string(TEXT), 0};
    begin();
}

std::int32_t LOADFILEDATEI(std::int32_t X, std::int32_t LENGHT, bool VERTICAL) {
    const std::string_view text = field(X, LENGHT, VERTICAL);
    return FILEFAILED ? 0 : parsed<std::int32_t>(text);
}

float LOADFILEDATEF(std::int32_t X, std::int32_t LENGHT, bool VERTICAL) {
    const std::string_view text = field(X, LENGHT, VERTICAL);
    if (FILEFAILED) return 0;
    const float value = parsed<float>(text);
    if (std::isfinite(value)) return value;
    FILEFAILED = true;
    return 0;
}

void LOADFILEEND() { FILEIN = TTextFile{}; }

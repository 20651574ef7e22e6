#pragma once
// What the text readers (MilkShape, BVH) share: a file as lines, fields split
// at white space and commas, and numbers read the same in every locale.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The lines of a text, without their line ends ("\n" or "\r\n"); a final line
// end starts no further line.
std::vector<std::string_view> splitLines(std::string_view text);
// The fields of a line, separated by white space and commas.
std::vector<std::string_view> splitFields(std::string_view line);
std::string_view trimmed(std::string_view text);
std::string lowerCase(std::string_view text);
// A decimal number with a point; anything else (an empty field, a hexadecimal
// or non-finite number, trailing letters) reads as 0.
float decimalNumber(std::string_view field);
// A whole decimal number; anything else reads as 0.
std::int64_t wholeNumber(std::string_view field);
// Field `index`, or an empty field past the end.
std::string_view fieldAt(const std::vector<std::string_view>& fields, std::size_t index);
// The whole file as text; false when it cannot be opened.
bool readFileText(const std::string& fileName, std::string& text);

// The text without its double quotes, trimmed.
std::string unquoted(std::string_view text);
// When the line starts with the keyword: true, and the whole number that the
// rest of the line holds.
bool startsSection(std::string_view line, std::string_view keyword, std::int64_t& number);

// The lines of a MilkShape text, taken one after another by the readers.
class MsaLines {
public:
    explicit MsaLines(std::string_view text) : lines_(splitLines(text)) {}
    // Whether a section line is still to be looked at; the last line never is.
    bool sectionAhead() const { return next_ + 1 < lines_.size(); }
    // The next line, which is then taken; false past the last one.
    bool take(std::string_view& line) {
        if (next_ >= lines_.size()) return false;
        line = lines_[next_++];
        return true;
    }
    // The fields of the next line, which is then taken; false past the last one.
    bool takeFields(std::vector<std::string_view>& fields) {
        std::string_view line;
        if (!take(line)) return false;
        fields = splitFields(line);
        return true;
    }
    std::size_t remaining() const { return lines_.size() - next_; }
    // A count read from the file, limited to what `linesEach` lines apiece of
    // the rest can hold when `reserved` lines must still follow them.
    std::int64_t fitting(std::int64_t count, std::int64_t linesEach = 1, std::int64_t reserved = 0) const {
        const std::int64_t room = (static_cast<std::int64_t>(remaining()) - reserved) / linesEach;
        return std::max<std::int64_t>(0, std::min(count, room));
    }

private:
    std::vector<std::string_view> lines_;
    std::size_t next_ = 0;
};

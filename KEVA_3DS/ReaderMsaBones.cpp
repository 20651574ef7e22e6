// The frame and bone sections of a MilkShape text file: each bone's name, its
// parent's, its rest offset and rotation, and its position and rotation keys.
#include "KEVA_3DS/Skeleton.h"
#include "KEVA_3DS/TextLines.h"

#include <cmath>
#include <limits>

namespace {

// A frame number from the file: rounded, halves away from zero, within 32 bits.
std::int32_t roundedTime(std::string_view field) {
    constexpr float LIMIT = 2147483520.0f;  // the largest float below 2^31
    return static_cast<std::int32_t>(std::lround(std::clamp(decimalNumber(field), -LIMIT, LIMIT)));
}

std::int32_t clampedCount(std::int64_t count) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(count, std::numeric_limits<std::int32_t>::min(),
                                                             std::numeric_limits<std::int32_t>::max()));
}

// A count line and the key lines after it; false when the text ends before the count.
bool readKeys(MsaLines& lines, std::vector<TKeyFrame>& keys) {
    std::vector<std::string_view> f;
    if (!lines.takeFields(f)) return false;
    for (std::int64_t n = lines.fitting(wholeNumber(fieldAt(f, 0))); n > 0 && lines.takeFields(f); --n) {
        TKeyFrame key;
        key.TIME = roundedTime(fieldAt(f, 0));
        key.VALUE = {decimalNumber(fieldAt(f, 1)), decimalNumber(fieldAt(f, 2)), decimalNumber(fieldAt(f, 3))};
        keys.push_back(key);
    }
    return true;
}

// One bone block; false when the text ends inside it.
bool readBone(MsaLines& lines, TGLSkeleton& skeleton) {
    if (lines.remaining() < 5) return false;
    std::string_view name, parent;
    std::vector<std::string_view> f;
    lines.take(name);
    lines.take(parent);
    lines.takeFields(f);
    std::vector<TKeyFrame> moves, turns;
    if (!readKeys(lines, moves) || !readKeys(lines, turns)) return false;
    TGL3dsBone& bone = skeleton.ADDBONE(unquoted(name));
    bone.FPARENTNAME = unquoted(parent);
    bone.FTRANSLATE = {decimalNumber(fieldAt(f, 1)), decimalNumber(fieldAt(f, 2)), decimalNumber(fieldAt(f, 3))};
    bone.FROTATE = {decimalNumber(fieldAt(f, 4)), decimalNumber(fieldAt(f, 5)), decimalNumber(fieldAt(f, 6))};
    bone.FNUMTRANSLATEFRAMES = static_cast<std::int32_t>(moves.size());
    bone.FNUMROTATEFRAMES = static_cast<std::int32_t>(turns.size());
    bone.FTRANSLATEFRAME = std::move(moves);
    bone.FROTATEFRAME = std::move(turns);
    return true;
}

}  // namespace

void TGLSkeleton::LOADMSAFROMSTREAM(std::string_view text) {
    FBONE.clear();
    MsaLines lines(text);
    std::int64_t number = 0;
    std::string_view line;
    while (lines.sectionAhead() && lines.take(line)) {
        if (startsSection(line, "Frames:", number)) {
            FNUMFRAMES = clampedCount(number);
        } else if (startsSection(line, "Frame:", number)) {
            FCURRENTFRAME = clampedCount(number);
        } else if (startsSection(line, "Bones:", number)) {
            for (std::int64_t n = lines.fitting(number, 5); n > 0; --n)
                if (!readBone(lines, *this)) break;
        }
    }
    FNUMBONES = static_cast<std::int32_t>(FBONE.size());
    for (const auto& bone : FBONE) bone->INIT();
}

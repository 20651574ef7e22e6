#include "TerWriter.h"

namespace {

std::string field(const char* label, int value) { return std::string(label) + ": " + std::to_string(value) + "\n"; }

}  // namespace

std::string terText(const HeightMap& map, const std::string& title) {
    std::string text = "Kestrova terrain " + title + "\n";
    text += " [sample counts: digits of x, digits of y, x, y]\n";
    text += field("dX", static_cast<int>(std::to_string(map.samplesX).size()));
    text += field("dY", static_cast<int>(std::to_string(map.samplesY).size()));
    text += field("nX", map.samplesX);
    text += field("nY", map.samplesY);
    for (int x = 0; x < map.samplesX; ++x) {
        text += "\n [x ";
        text += std::to_string(x);
        text += "]\n";
        for (int y = 0; y < map.samplesY; ++y) {
            text += ' ';
            text += std::to_string(map.at(x, y));
            text += '\n';
        }
    }
    return text;
}

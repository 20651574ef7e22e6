#include "KEVA_Physics/TerrainFile.h"

#include "kestrova/NumberFile.h"

namespace {

bool within(std::int32_t value, std::int32_t low, std::int32_t high) { return value >= low && value <= high; }

// Reads what the number reader has open, from the line after the header.
std::optional<TerrainGrid> readOpenTerrain() {
    const std::int32_t dX = LOADFILEDATEI(5, 4, true);
    const std::int32_t dY = LOADFILEDATEI(5, 4, true);
    if (FILEFAILED || !within(dX, 1, 4) || !within(dY, 1, 4)) return std::nullopt;
    TerrainGrid grid;
    grid.nX = LOADFILEDATEI(5, dX, true);
    grid.nY = LOADFILEDATEI(5, dY, true);
    if (FILEFAILED || !within(grid.nX, 1, TERRAIN_MAX_SAMPLES) || !within(grid.nY, 1, TERRAIN_MAX_SAMPLES))
        return std::nullopt;
    // Grown as the lines come, so a short file claiming a large grid costs little.
    const std::int64_t samples = std::int64_t{grid.nX} * grid.nY;
    for (std::int64_t i = 0; i < samples && !FILEFAILED; ++i) grid.heights.push_back(LOADFILEDATEF(2, 4, true));
    if (FILEFAILED) return std::nullopt;
    return grid;
}

std::optional<TerrainGrid> readAndClose() {
    std::optional<TerrainGrid> grid = readOpenTerrain();
    LOADFILEEND();
    return grid;
}

}  // namespace

std::optional<TerrainGrid> PARSETERRAIN(std::string_view text) {
    LOADTEXTBEGIN(text);
    return readAndClose();
}

std::optional<TerrainGrid> LOADTERRAINFILE(const std::string& fileName) {
    LOADFILEBEGIN(fileName);
    return readAndClose();
}

// kestrova-datagen OUTDIR: writes the data files the program reads from its
// working directory (icon, logo, gravity arrows, the landscape and the two
// sceneries with their textures) into OUTDIR, the icon's sizes for a desktop
// into OUTDIR/icons/NxN/apps/kestrova-phy.png (laid out as an icon theme), and
// the sample models and motion that the model viewer shows into OUTDIR/samples.
#include "IcoWriter.h"
#include "Pictures.h"
#include "PngWriter.h"
#include "Sceneries.h"
#include "TgaWriter.h"
#include "figure/FigureWriters.h"
#include "mesh/Writer3ds.h"
#include "textures/TextureFiles.h"

#include <cstdio>
#include <filesystem>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace {

const std::filesystem::path FONT_FILE = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

bool writeText(const std::filesystem::path& path, const std::string& text) {
    return writeBytes(path, Bytes(text.begin(), text.end()));
}

struct DataFile {
    std::string name;
    std::function<bool(const std::filesystem::path&)> write;
};

bool writeIcon(const std::filesystem::path& path) {
    // SDL_image loads the first entry (all have the same colour depth) and reads
    // bitmaps only, so the 48-pixel bitmap leads and the PNG comes last.
    std::vector<Image> sizes;
    for (const int size : {48, 32, 16, 256}) sizes.push_back(iconPicture(size));
    return writeIco(path, sizes);
}

// The sizes a desktop's icon theme asks for.
constexpr int DESKTOP_ICON_SIZES[] = {16, 22, 24, 32, 48, 64, 128, 256};

const DataFile DATA_FILES[] = {
    {"KevaPhy.ico", writeIcon},
    {"logoKestrova.tga",
     [](const auto& path) { return writeTga(path, logoPicture(FONT_FILE), TgaCompression::RunLength); }},
    {"Arrow01.tga", [](const auto& path) { return writeTga(path, arrowPicture(true), TgaCompression::None); }},
    {"Arrow01_2.tga",
     [](const auto& path) { return writeTga(path, arrowPicture(false), TgaCompression::RunLength); }},
    {"grotta.ter",
     [](const auto& path) {
         return writeText(path, terText(grottaHeights(), "grotta"));
     }},
    {"citta incas.3ds", [](const auto& path) { return writeBytes(path, scene3dsBytes(incaCityScene())); }},
    {"castello1.3ds", [](const auto& path) { return writeBytes(path, scene3dsBytes(castleScene())); }},
    {"samples/puppet.txt", [](const auto& path) { return writeText(path, milkShapeText(puppetFigure())); }},
    {"samples/puppet.bin", [](const auto& path) { return writeBytes(path, binaryMeshBytes(puppetFigure())); }},
    {"samples/puppetshirt.tga",
     [](const auto& path) { return writeTga(path, shirtPicture(), TgaCompression::None); }},
    {"samples/walk.bvh", [](const auto& path) { return writeText(path, walkBvhText(120)); }},
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 2;
    }
    const std::filesystem::path outDir = argv[1];
    if (!std::filesystem::exists(FONT_FILE)) {
        std::fprintf(stderr, "kestrova-datagen: missing font %s (package fonts-dejavu-core)\n", FONT_FILE.c_str());
        return 1;
    }
    std::vector<DataFile> files(std::begin(DATA_FILES), std::end(DATA_FILES));
    for (const TextureFile& texture : TEXTURE_FILES)
        files.push_back({texture.name, [&texture](const auto& path) {
                             return writeTga(path, texture.picture(), TgaCompression::None);
                         }});
    for (const int size : DESKTOP_ICON_SIZES) {
        const std::string side = std::to_string(size);
        files.push_back({"icons/" + side + "x" + side + "/apps/kestrova-phy.png",
                         [size](const auto& path) { return writePng(path, iconPicture(size)); }});
    }
    for (const DataFile& file : files) {
        std::error_code error;
        std::filesystem::create_directories((outDir / file.name).parent_path(), error);
        if (!file.write(outDir / file.name)) {
            std::fprintf(stderr, "kestrova-datagen: could not write %s\n", (outDir / file.name).c_str());
            return 1;
        }
    }
    return 0;
}

// kestrova-modelinfo FILE [SCALE] [--json] [--png OUT [--camera N | --eye X,Y,Z --at X,Y,Z]] [--time]
//                    [--motion FILE.bvh] [--frame N] [--no-bones]
// Reads a 3DS, MilkShape text or binary model, a BVH motion or a .ter height
// map with the program's own readers and says what they made of it; the exit
// status is 1 when the file cannot be read. Models with bones and motions are
// drawn as the model viewer shows them, at the frame asked for.
#include "ModelInfoOptions.h"
#include "ModelPicture.h"
#include "ModelReport.h"
#include "ModelView.h"

#include "KEVA_3DS/Scenery3ds.h"
#include "KEVA_Physics/PhyHeightMap.h"
#include "KEVA_Physics/PhyScenery.h"
#include "KEVA_Physics/PhyWorld.h"
#include "kestrova/FileBytes.h"
#include "kestrova/platform/OffscreenBackend.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace {

// Wall-clock and processor time (all threads) since the last lap; the
// processor time hardly depends on what else the machine is doing.
class Stopwatch {
public:
    std::string lap() {
        const auto wall = std::chrono::steady_clock::now();
        const double cpu = cpuMilliseconds();
        char text[80];
        std::snprintf(text, sizeof text, "%.1f ms (processor %.1f ms)",
                      std::chrono::duration<double, std::milli>(wall - wall_).count(), cpu - cpu_);
        wall_ = wall;
        cpu_ = cpu;
        return text;
    }

private:
    static double cpuMilliseconds() {
        timespec t{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
    }
    std::chrono::steady_clock::time_point wall_ = std::chrono::steady_clock::now();
    double cpu_ = cpuMilliseconds();
};

bool endsWith(std::string text, const char* ending) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text.ends_with(ending);
}

// What keeps the file from being read as a 3DS model, or nullptr.
const char* not3ds(const std::string& file) {
    std::vector<std::uint8_t> bytes;
    if (!readFileBytes(file, bytes)) return "cannot be opened";
    // A 3DS file starts with its main chunk.
    if (!endsWith(file, ".3ds") || bytes.size() < 6 || bytes[0] != 0x4D || bytes[1] != 0x4D)
        return "is neither a 3DS model nor a .ter height map";
    return nullptr;
}

void report(const ModelInfoOptions& options, const nlohmann::ordered_json& json) {
    if (options.json) std::printf("%s\n", json.dump(2).c_str());
    else std::printf("%s", summaryOf(json).c_str());
}

int showTerrain(const ModelInfoOptions& options, NewtonWorld* world) {
    const auto grid = LOADTERRAINFILE(options.file);
    if (!grid) {
        std::fprintf(stderr, "kestrova-modelinfo: cannot read %s as a height map\n", options.file.c_str());
        return 1;
    }
    const float scale = options.scale.value_or(15);
    const TGLVector pos = GLVECTOR(0, -100, 0);
    PHY_HeightMap land;
    Stopwatch watch;
    land.LOADFROMFILE(world, pos, scale, options.file);
    if (options.time) std::fprintf(stderr, "load (reading, collision, display list): %s\n", watch.lap().c_str());
    const nlohmann::ordered_json json = terrainJson(options.file, *grid);
    report(options, json);
    const auto heightAt = [&](const char* key) { return pos.Y + json[key].get<float>() * scale * 0.15f; };
    const ViewBox box{{-grid->nX * scale / 2, heightAt("heightMin"), -grid->nY * scale / 2},
                      {grid->nX * scale / 2, heightAt("heightMax"), grid->nY * scale / 2}};
    return options.png.empty() || writePicture(options, box, [&] { land.DRAW(); }) ? 0 : 1;
}

std::string jointsText(const std::vector<T3dpoint>& joints) {
    nlohmann::ordered_json out = nlohmann::ordered_json::array();
    for (const T3dpoint& p : joints) out.push_back({p.X, p.Y, p.Z});
    return out.dump();
}

// MilkShape and binary models and BVH motions, as the model viewer shows them.
int showViewed(const ModelInfoOptions& options) {
    ModelView view;
    Stopwatch watch;
    const bool loaded = view.load(options.file, options.motion);
    const std::string load = watch.lap();
    if (!loaded) {
        std::fprintf(stderr, "kestrova-modelinfo: nothing could be read from %s\n", options.file.c_str());
        return 1;
    }
    if (options.time) std::fprintf(stderr, "load (reading, passes, skin, textures): %s\n", load.c_str());
    const std::int32_t frame = std::min<std::int32_t>(options.frame, view.frames());
    nlohmann::ordered_json json = endsWith(options.file, ".bvh") ? motionJson(options.file, *view.shownSkeleton())
                                                                 : modelJson(options.file, view.model());
    json["frame"] = frame;
    json["joints"] = nlohmann::ordered_json::parse(jointsText(view.joints(frame)));
    report(options, json);
    const ViewBox box{{view.minimum().X, view.minimum().Y, view.minimum().Z},
                      {view.maximum().X, view.maximum().Y, view.maximum().Z}};
    ModelInfoOptions picture = options;
    if (!picture.eye) {
        const T3dpoint eye = view.eye(), at = view.centre();
        picture.eye = Point3{eye.X, eye.Y, eye.Z};
        picture.at = Point3{at.X, at.Y, at.Z};
    }
    return options.png.empty() || writePicture(picture, box, [&] { view.draw(frame, options.bones); }) ? 0 : 1;
}

int showModel(const ModelInfoOptions& options, NewtonWorld* world) {
    for (const char* ending : {".txt", ".bin", ".bvh"})
        if (endsWith(options.file, ending)) return showViewed(options);
    if (const char* problem = not3ds(options.file)) {
        std::fprintf(stderr, "kestrova-modelinfo: %s %s\n", options.file.c_str(), problem);
        return 1;
    }
    TGL3DSModel scenery;
    Stopwatch watch;
    scenery.LOADMODEL3DS(options.scale.value_or(1), options.file);
    const std::string load = watch.lap();
    PHY_ADD3DSCOLLISION(world, nullptr, scenery, false);
    if (options.time)
        std::fprintf(stderr, "load (reading, passes, textures, display list): %s; collision: %s\n", load.c_str(),
                     watch.lap().c_str());
    const TGLAll3dsMesh& model = *scenery.GETSCENE3DS();
    report(options, modelJson(options.file, model));
    const ViewBox box{{model.FMINIMUM.X, model.FMINIMUM.Y, model.FMINIMUM.Z},
                      {model.FMAXIMUM.X, model.FMAXIMUM.Y, model.FMAXIMUM.Z}};
    return options.png.empty() || writePicture(options, box, [&] { scenery.PUTMODEL3DS(); }) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    const auto options = parseModelInfoOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::fprintf(stderr,
                     "kestrova-modelinfo: %s\nusage: kestrova-modelinfo FILE [SCALE] [--json] [--png OUT "
                     "[--camera 0|1|2 | --eye X,Y,Z --at X,Y,Z]] [--time]\n",
                     error.c_str());
        return 2;
    }
    // Textures and display lists are made while loading, so a context is always current.
    if (!platform::createOffscreenContext(800, 600)) {
        std::fprintf(stderr, "kestrova-modelinfo: no offscreen OpenGL context\n");
        return 1;
    }
    NewtonWorld* world = PHY_INITWORLD(60);
    const int status = endsWith(options->file, ".ter") ? showTerrain(*options, world) : showModel(*options, world);
    NewtonDestroy(world);
    return status;
}

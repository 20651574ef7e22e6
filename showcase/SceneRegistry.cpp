#include "showcase/SceneRegistry.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

// Filled by the scene sources' registrations before main runs, whatever their order.
std::vector<SceneRow>& rows() {
    static std::vector<SceneRow> registered;
    return registered;
}

}  // namespace

SceneRegistration::SceneRegistration(SceneRow row) {
    if (FINDSCENE(row.code)) {
        std::fprintf(stderr, "scene %d is registered twice\n", row.code);
        std::abort();
    }
    std::vector<SceneRow>& all = rows();
    const auto after = std::find_if(all.begin(), all.end(), [&](const SceneRow& r) { return r.code > row.code; });
    all.insert(after, std::move(row));
}

const std::vector<SceneRow>& SCENEROWS() { return rows(); }

const SceneRow* FINDSCENE(std::int32_t code) {
    for (const SceneRow& scene : rows())
        if (scene.code == code) return &scene;
    return nullptr;
}

void INITALLSCENES() {
    for (const SceneRow& scene : rows())
        if (scene.init) scene.init();
}

// The shared meshes of the bodies' solids.
#include "kestrova/SolidMeshCache.h"

#include <cstring>
#include <map>

namespace {

constexpr std::size_t MAX_MESHES = 1024;

// Keys compare by their bytes, which orders every value, NaN included.
struct ByBytes {
    bool operator()(const SolidKey& a, const SolidKey& b) const { return std::memcmp(a.data(), b.data(), sizeof a) < 0; }
};

std::map<SolidKey, SolidMesh, ByBytes>& meshes() {
    static std::map<SolidKey, SolidMesh, ByBytes> kept;
    return kept;
}

}  // namespace

const SolidMesh* findSolid(const SolidKey& key) {
    const auto found = meshes().find(key);
    return found == meshes().end() ? nullptr : &found->second;
}

SolidMesh& addSolid(const SolidKey& key) {
    if (meshes().size() >= MAX_MESHES) meshes().clear();
    return meshes()[key];
}

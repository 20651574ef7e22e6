#include "models/ModelTestSupport.h"

#include <algorithm>
#include <optional>

namespace {

std::size_t lengthAt(const w3ds::Bytes& b, std::size_t at) {
    std::uint32_t length = 0;
    for (int i = 3; i >= 0; --i) length = length << 8 | b[at + 2 + static_cast<std::size_t>(i)];
    return length;
}

// Where the children of a chunk start after its own data, for the chunks that have children.
std::optional<std::size_t> childrenAt(const w3ds::Bytes& b, std::uint16_t id, std::size_t data, std::size_t end) {
    switch (id) {
    case MAIN3DS:
    case EDIT3DS:
    case MAT_MATRIAL:
    case OBJ_TRIMESH:
    case KEYF3DS:
    case KEYF_OBJDES:
    case MAT_TEXTURE:
    case MAT_AMBIENT:
    case MAT_DIFFUSE:
    case MAT_SPECULAR: return data;
    case EDIT_OBJECT: {
        const auto first = b.begin() + static_cast<std::ptrdiff_t>(data);
        return static_cast<std::size_t>(std::find(first, b.begin() + static_cast<std::ptrdiff_t>(end), 0) - b.begin()) +
               1;
    }
    case TRI_FACEL1: return data + 2 + 8 * std::size_t{static_cast<std::uint16_t>(b[data] | b[data + 1] << 8)};
    case MAT_BUMPMAP: return data + lengthAt(b, data);
    default: return std::nullopt;
    }
}

void collect(const w3ds::Bytes& b, std::size_t from, std::size_t to, std::vector<std::size_t>& out) {
    while (from + 6 <= to) {
        const std::size_t end = std::min(to, from + lengthAt(b, from));
        out.insert(out.end(), {from, end});
        const auto id = static_cast<std::uint16_t>(b[from] | b[from + 1] << 8);
        if (const auto children = childrenAt(b, id, from + 6, end); children && *children <= end)
            collect(b, *children, end, out);
        if (end <= from) return;
        from = end;
    }
}

}  // namespace

std::vector<std::size_t> chunkBoundaries(const w3ds::Bytes& file) {
    std::vector<std::size_t> out;
    collect(file, 0, file.size(), out);
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

void expectNoMoreThan(const TGLAll3dsMesh& part, const TGLAll3dsMesh& whole, std::size_t cut) {
    SCOPED_TRACE("cut at " + std::to_string(cut));
    ASSERT_LE(part.FNUMMESHES, whole.FNUMMESHES);
    EXPECT_LE(part.FNUMMATERIALS, whole.FNUMMATERIALS);
    for (std::int32_t m = 0; m < part.FNUMMESHES; ++m) {
        const TGL3dsMesh& mesh = *part.GETMESH(m);
        EXPECT_LE(mesh.FNUMVERTEX, whole.GETMESH(m)->FNUMVERTEX);
        EXPECT_LE(mesh.FNUMINDICES, whole.GETMESH(m)->FNUMINDICES);
        const auto vertices = static_cast<std::size_t>(mesh.FNUMVERTEX);
        const auto triangles = static_cast<std::size_t>(mesh.TRIANGLES());
        EXPECT_EQ(mesh.FVERTEX.size(), vertices);
        EXPECT_EQ(mesh.FMAPPING.size(), vertices);
        EXPECT_EQ(mesh.FMATID.size(), triangles);
        EXPECT_TRUE(
            std::all_of(mesh.FINDICES.begin(), mesh.FINDICES.end(), [&](std::uint16_t v) { return v < vertices; }));
    }
}

#include "FigureWriters.h"

#include <bit>

namespace {

void appendInt(Bytes& out, int value) { append32(out, static_cast<std::uint32_t>(value)); }
void appendFloat(Bytes& out, float value) { append32(out, std::bit_cast<std::uint32_t>(value)); }
void appendString(Bytes& out, const std::string& text) {
    appendInt(out, static_cast<int>(text.size()));
    out.insert(out.end(), text.begin(), text.end());
}

}  // namespace

Bytes binaryMeshBytes(const Figure& figure) {
    Bytes out = {'n', 's', 'k'};
    appendInt(out, static_cast<int>(figure.meshes.size()));
    for (const FigureMesh& mesh : figure.meshes) {
        appendString(out, mesh.name);
        appendInt(out, mesh.material);
        appendInt(out, static_cast<int>(mesh.vertices.size()));
        for (const FigureVertex& v : mesh.vertices) {
            for (const float value : {v.position.x, v.position.y, v.position.z, v.u, v.v}) appendFloat(out, value);
            appendInt(out, v.bone);
        }
        appendInt(out, static_cast<int>(mesh.vertices.size()));
        for (const FigureVertex& v : mesh.vertices)
            for (const float value : {v.normal.x, v.normal.y, v.normal.z}) appendFloat(out, value);
        appendInt(out, static_cast<int>(mesh.triangles.size()));
        for (const int index : mesh.triangles) {
            appendInt(out, index);
            appendInt(out, index);
        }
        for (std::size_t t = 0; t < mesh.triangles.size() / 3; ++t) appendInt(out, mesh.material);
    }
    appendInt(out, static_cast<int>(figure.materials.size()));
    for (const FigureMaterial& m : figure.materials) {
        appendString(out, m.name);
        for (const float value : {m.ambient[0], m.ambient[1], m.ambient[2], m.diffuse[0], m.diffuse[1], m.diffuse[2],
                                  m.opacity, m.specular[0], m.specular[1], m.specular[2]})
            appendFloat(out, value);
        appendString(out, m.colourMap);
        appendString(out, "");  // no bump map
        appendFloat(out, 0);
    }
    return out;
}

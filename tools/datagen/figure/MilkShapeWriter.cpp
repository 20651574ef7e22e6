#include "FigureWriters.h"

#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

std::string meshText(const FigureMesh& mesh) {
    std::string out = formatLine("\"%s\" 0 %d\n%zu\n", mesh.name.c_str(), mesh.material, mesh.vertices.size());
    for (const FigureVertex& v : mesh.vertices)
        out += formatLine("0 %.6f %.6f %.6f %.6f %.6f %d\n", v.position.x, v.position.y, v.position.z, v.u, 1 - v.v,
                          v.bone);
    out += formatLine("%zu\n", mesh.vertices.size());
    for (const FigureVertex& v : mesh.vertices)
        out += formatLine("%.6f %.6f %.6f\n", v.normal.x, v.normal.y, v.normal.z);
    out += formatLine("%zu\n", mesh.triangles.size() / 3);
    for (std::size_t t = 0; t + 2 < mesh.triangles.size(); t += 3) {
        const int a = mesh.triangles[t], b = mesh.triangles[t + 1], c = mesh.triangles[t + 2];
        out += formatLine("0 %d %d %d %d %d %d 1\n", a, b, c, a, b, c);
    }
    return out;
}

std::string materialText(const FigureMaterial& m) {
    std::string out = formatLine("\"%s\"\n", m.name.c_str());
    out += formatLine("%.6f %.6f %.6f 1.000000\n", m.ambient[0], m.ambient[1], m.ambient[2]);
    out += formatLine("%.6f %.6f %.6f %.6f\n", m.diffuse[0], m.diffuse[1], m.diffuse[2], m.opacity);
    out += formatLine("%.6f %.6f %.6f 1.000000\n", m.specular[0], m.specular[1], m.specular[2]);
    out += "0.000000 0.000000 0.000000 1.000000\n";  // emissive
    out += "32.000000\n";                              // shininess
    out += formatLine("%.6f\n", m.opacity);
    return out + formatLine("\"%s\"\n\"\"\n", m.colourMap.c_str());
}

// Each joint waves a little about its rest pose at frames 1, 15 and 30 (keys
// are stored with the model; nothing plays them yet).
std::string boneText(const Joint& joint, int number) {
    const auto& joints = figureJoints();
    std::string out = formatLine("\"%s\"\n\"%s\"\n", joint.name.c_str(),
                                 joint.parent < 0 ? "" : joints[static_cast<std::size_t>(joint.parent)].name.c_str());
    out += formatLine("8 %.6f %.6f %.6f 0.000000 0.000000 0.000000\n", joint.offset.x, joint.offset.y, joint.offset.z);
    out += "3\n";
    for (const int frame : {1, 15, 30}) out += formatLine("%d.000000 0.000000 0.000000 0.000000\n", frame);
    out += "3\n";
    for (const int frame : {1, 15, 30}) {
        const float swing = frame == 15 ? 0.15f * std::sin(static_cast<float>(number)) : 0.0f;
        out += formatLine("%d.000000 %.6f 0.000000 0.000000\n", frame, swing);
    }
    return out;
}

}  // namespace

std::string milkShapeText(const Figure& figure) {
    std::string out = "// MilkShape 3D ASCII\n\nFrames: 30\nFrame: 1\n\n";
    out += formatLine("Meshes: %zu\n", figure.meshes.size());
    for (const FigureMesh& mesh : figure.meshes) out += meshText(mesh);
    out += formatLine("\nMaterials: %zu\n", figure.materials.size());
    for (const FigureMaterial& material : figure.materials) out += materialText(material);
    const auto& joints = figureJoints();
    out += formatLine("\nBones: %zu\n", joints.size());
    for (std::size_t j = 0; j < joints.size(); ++j) out += boneText(joints[j], static_cast<int>(j));
    return out + "GroupComments: 0\nMaterialComments: 0\nBoneComments: 0\nModelComment: 0\n";
}

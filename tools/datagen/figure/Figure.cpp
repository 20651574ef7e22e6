#include "Figure.h"

#include <array>

namespace {

Joint joint(const char* name, int parent, Vec3 offset) { return {name, parent, offset}; }
Joint end(const char* name, int parent, Vec3 offset, Vec3 endOffset) { return {name, parent, offset, true, endOffset}; }

std::vector<Joint> makeJoints() {
    std::vector<Joint> j = {
        joint("Hips", -1, {0, 10, 0}),
        joint("Spine", 0, {0, 1.3f, 0}),
        joint("Chest", 1, {0, 2.1f, 0}),
        joint("Neck", 2, {0, 2.2f, 0}),
        end("Head", 3, {0, 0.7f, 0}, {0, 2.0f, 0}),
    };
    for (const float side : {1.0f, -1.0f}) {
        const char* s = side > 0 ? "Left" : "Right";
        const int chest = 2, first = static_cast<int>(j.size());
        j.push_back(joint((std::string(s) + "Collar").c_str(), chest, {0.4f * side, 1.7f, 0}));
        j.push_back(joint((std::string(s) + "Shoulder").c_str(), first, {1.5f * side, 0, 0}));
        j.push_back(joint((std::string(s) + "Elbow").c_str(), first + 1, {0, -2.8f, 0}));
        j.push_back(end((std::string(s) + "Wrist").c_str(), first + 2, {0, -2.6f, 0}, {0, -1.1f, 0}));
    }
    for (const float side : {1.0f, -1.0f}) {
        const char* s = side > 0 ? "Left" : "Right";
        const int first = static_cast<int>(j.size());
        j.push_back(joint((std::string(s) + "Hip").c_str(), 0, {0.85f * side, -0.4f, 0}));
        j.push_back(joint((std::string(s) + "Knee").c_str(), first, {0, -4.3f, 0}));
        j.push_back(joint((std::string(s) + "Ankle").c_str(), first + 1, {0, -4.3f, 0}));
        j.push_back(end((std::string(s) + "Toe").c_str(), first + 2, {0, -0.7f, 1.1f}, {0, 0, 0.6f}));
    }
    return j;
}

int jointNumber(const std::string& name) {
    const auto& joints = figureJoints();
    for (std::size_t i = 0; i < joints.size(); ++i)
        if (joints[i].name == name) return static_cast<int>(i);
    return -1;
}

// A box between two corners bound to one joint: four vertices and two
// triangles per face, each face with its own normal and the whole map.
void addBox(FigureMesh& mesh, Vec3 min, Vec3 max, const std::string& bone) {
    const int b = jointNumber(bone);
    struct Face {
        Vec3 normal, u, v;  // u and v: the directions the map's axes run along the face
    };
    const std::array<Face, 6> faces = {{{{0, 0, 1}, {1, 0, 0}, {0, 1, 0}},
                                        {{0, 0, -1}, {-1, 0, 0}, {0, 1, 0}},
                                        {{1, 0, 0}, {0, 0, -1}, {0, 1, 0}},
                                        {{-1, 0, 0}, {0, 0, 1}, {0, 1, 0}},
                                        {{0, 1, 0}, {1, 0, 0}, {0, 0, -1}},
                                        {{0, -1, 0}, {1, 0, 0}, {0, 0, 1}}}};
    const Vec3 centre = (min + max) * 0.5f, half = (max - min) * 0.5f;
    const auto scale = [&](Vec3 d) { return Vec3{d.x * half.x, d.y * half.y, d.z * half.z}; };
    for (const Face& face : faces) {
        const int first = static_cast<int>(mesh.vertices.size());
        for (const auto& [su, sv] : {std::pair{-1.0f, -1.0f}, {1.0f, -1.0f}, {1.0f, 1.0f}, {-1.0f, 1.0f}}) {
            const Vec3 p = centre + scale(face.normal) + scale(face.u) * su + scale(face.v) * sv;
            mesh.vertices.push_back({p, face.normal, (su + 1) / 2, (sv + 1) / 2, b});
        }
        for (const int k : {0, 1, 2, 0, 2, 3}) mesh.triangles.push_back(first + k);
    }
}

// A box round the segment from one joint to the next, `width` across and `depth` deep.
void addLimb(FigureMesh& mesh, const std::string& from, const std::string& to, float width, float depth) {
    const Vec3 a = jointPosition(jointNumber(from)), c = jointPosition(jointNumber(to));
    addBox(mesh, {std::min(a.x, c.x) - width / 2, std::min(a.y, c.y), std::min(a.z, c.z) - depth / 2},
           {std::max(a.x, c.x) + width / 2, std::max(a.y, c.y), std::max(a.z, c.z) + depth / 2}, from);
}

}  // namespace

const std::vector<Joint>& figureJoints() {
    static const std::vector<Joint> joints = makeJoints();
    return joints;
}

Vec3 jointPosition(int joint) {
    const auto& joints = figureJoints();
    Vec3 p;
    for (int j = joint; j >= 0; j = joints[static_cast<std::size_t>(j)].parent) p = p + joints[static_cast<std::size_t>(j)].offset;
    return p;
}

Figure puppetFigure() {
    Figure f;
    f.materials = {
        // Drawn in half the ambient colour, lit.
        {"Shirt", {1.0f, 1.0f, 1.0f}, {1.0f, 1.0f, 1.0f}, {0.2f, 0.2f, 0.2f}, 1, "puppetshirt.tga"},
        {"Trousers", {0.35f, 0.45f, 1.0f}, {0.3f, 0.4f, 0.9f}, {0.1f, 0.1f, 0.1f}, 1, ""},
        {"Skin", {1.0f, 0.8f, 0.65f}, {1.0f, 0.78f, 0.62f}, {0.1f, 0.1f, 0.1f}, 1, ""},
        {"Shoes", {0.55f, 0.33f, 0.18f}, {0.5f, 0.3f, 0.16f}, {0.3f, 0.3f, 0.3f}, 1, ""},
        {"Visor", {0.3f, 0.8f, 1.0f}, {0.3f, 0.75f, 1.0f}, {0.9f, 0.9f, 0.9f}, 0.45f, ""},
    };
    FigureMesh shirt{"Shirt", 0}, trousers{"Trousers", 1}, skin{"Skin", 2}, shoes{"Shoes", 3}, visor{"Visor", 4};
    addBox(trousers, {-1.3f, 9.1f, -0.8f}, {1.3f, 11.3f, 0.8f}, "Hips");
    addBox(shirt, {-1.2f, 11.3f, -0.7f}, {1.2f, 13.4f, 0.7f}, "Spine");
    addBox(shirt, {-1.45f, 13.4f, -0.85f}, {1.45f, 15.6f, 0.85f}, "Chest");
    addBox(skin, {-0.35f, 15.5f, -0.35f}, {0.35f, 16.4f, 0.35f}, "Neck");
    addBox(skin, {-0.85f, 16.2f, -0.9f}, {0.85f, 18.3f, 0.9f}, "Head");
    addBox(visor, {-0.75f, 17.0f, 0.9f}, {0.75f, 17.6f, 1.15f}, "Head");
    for (const std::string side : {"Left", "Right"}) {
        addLimb(shirt, side + "Shoulder", side + "Elbow", 0.8f, 0.8f);
        addLimb(skin, side + "Elbow", side + "Wrist", 0.65f, 0.65f);
        const Vec3 wrist = jointPosition(jointNumber(side + "Wrist"));
        addBox(skin, wrist + Vec3{-0.35f, -1.0f, -0.25f}, wrist + Vec3{0.35f, 0, 0.25f}, side + "Wrist");
        addLimb(trousers, side + "Hip", side + "Knee", 1.1f, 1.1f);
        addLimb(trousers, side + "Knee", side + "Ankle", 0.9f, 0.9f);
        const Vec3 ankle = jointPosition(jointNumber(side + "Ankle"));
        addBox(shoes, {ankle.x - 0.55f, 0, ankle.z - 0.6f}, {ankle.x + 0.55f, ankle.y + 0.2f, ankle.z + 1.1f},
               side + "Ankle");
        addBox(shoes, {ankle.x - 0.5f, 0, ankle.z + 1.1f}, {ankle.x + 0.5f, 0.5f, ankle.z + 1.8f}, side + "Toe");
    }
    f.meshes = {shirt, trousers, skin, shoes, visor};
    return f;
}

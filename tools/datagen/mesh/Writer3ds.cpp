#include "Writer3ds.h"

#include <bit>
#include <cstddef>

namespace {

// Chunk identifiers.
enum : unsigned {
    MAIN = 0x4D4D,
    VERSION = 0x0002,
    EDITOR = 0x3D3D,
    MESH_VERSION = 0x3D3E,
    MASTER_SCALE = 0x0100,
    COLOUR_FLOAT = 0x0010,
    COLOUR_BYTES = 0x0011,
    COLOUR_BYTES_GAMMA = 0x0012,
    PERCENT = 0x0030,
    MATERIAL = 0xAFFF,
    MATERIAL_NAME = 0xA000,
    AMBIENT = 0xA010,
    DIFFUSE = 0xA020,
    SPECULAR = 0xA030,
    SHININESS = 0xA040,
    TRANSPARENCY = 0xA050,
    TWO_SIDED = 0xA081,
    TEXTURE_MAP = 0xA200,
    BUMP_MAP = 0xA230,
    MAP_FILE = 0xA300,
    MAP_TILING = 0xA351,
    MAP_U_SCALE = 0xA354,
    MAP_V_SCALE = 0xA356,
    OBJECT = 0x4000,
    TRIANGLE_MESH = 0x4100,
    VERTICES = 0x4110,
    FACES = 0x4120,
    FACE_MATERIAL = 0x4130,
    TEXTURE_COORDINATES = 0x4140,
    SMOOTHING = 0x4150,
    LOCAL_FRAME = 0x4160,
    LIGHT = 0x4600,
    CAMERA = 0x4700,
    KEYFRAMER = 0xB000,
    OBJECT_NODE = 0xB002,
    CAMERA_NODE = 0xB003,
    TARGET_NODE = 0xB004,
    LIGHT_NODE = 0xB005,
    FRAMES = 0xB008,
    KEYFRAMER_HEADER = 0xB00A,
    NODE_HEADER = 0xB010,
    PIVOT = 0xB013,
    POSITION_TRACK = 0xB020,
    ROTATION_TRACK = 0xB021,
    SCALE_TRACK = 0xB022,
    NODE_ID = 0xB030,
};
constexpr std::uint32_t FILE_VERSION = 3;
constexpr unsigned ALL_EDGES_VISIBLE = 7;
constexpr unsigned NO_PARENT = 0xFFFF;
constexpr std::uint32_t ANIMATION_FRAMES = 100;

// Chunks are opened and closed like brackets; closing one writes its length.
class ChunkWriter {
public:
    void open(unsigned id) {
        append16(bytes_, id);
        starts_.push_back(bytes_.size() - 2);
        append32(bytes_, 0);
    }
    void close() {
        const std::size_t start = starts_.back();
        starts_.pop_back();
        const auto length = static_cast<std::uint32_t>(bytes_.size() - start);
        for (int i = 0; i < 4; ++i) bytes_[start + 2 + i] = static_cast<std::uint8_t>(length >> (8 * i));
    }
    void u16(unsigned value) { append16(bytes_, value); }
    void u32(std::uint32_t value) { append32(bytes_, value); }
    void f32(float value) { append32(bytes_, std::bit_cast<std::uint32_t>(value)); }
    void vec(Vec3 v) {
        f32(v.x);
        f32(v.y);
        f32(v.z);
    }
    void text(const std::string& value) {
        bytes_.insert(bytes_.end(), value.begin(), value.end());
        bytes_.push_back(0);
    }
    void rgb(Rgb c) { bytes_.insert(bytes_.end(), {c.r, c.g, c.b}); }
    // A chunk holding only the given data.
    template <typename Write>
    void leaf(unsigned id, Write write) {
        open(id);
        write();
        close();
    }
    Bytes take() { return std::move(bytes_); }

private:
    Bytes bytes_;
    std::vector<std::size_t> starts_;
};

void writePercent(ChunkWriter& w, unsigned id, int percent) {
    w.open(id);
    w.leaf(PERCENT, [&] { w.u16(static_cast<unsigned>(percent)); });
    w.close();
}

void writeByteColour(ChunkWriter& w, unsigned id, Rgb colour) {
    w.open(id);
    w.leaf(COLOUR_BYTES, [&] { w.rgb(colour); });
    w.leaf(COLOUR_BYTES_GAMMA, [&] { w.rgb(colour); });
    w.close();
}

void writeFloatColour(ChunkWriter& w, unsigned id, Rgb colour) {
    w.open(id);
    w.leaf(COLOUR_FLOAT, [&] { w.vec({colour.r / 255.0f, colour.g / 255.0f, colour.b / 255.0f}); });
    w.close();
}

void writeMap(ChunkWriter& w, unsigned id, int percent, const std::string& file) {
    w.open(id);
    w.leaf(PERCENT, [&] { w.u16(static_cast<unsigned>(percent)); });
    w.leaf(MAP_FILE, [&] { w.text(file); });
    w.leaf(MAP_TILING, [&] { w.u16(0); });
    w.leaf(MAP_V_SCALE, [&] { w.f32(1); });
    w.leaf(MAP_U_SCALE, [&] { w.f32(1); });
    w.close();
}

void writeMaterial(ChunkWriter& w, const Material& m) {
    w.open(MATERIAL);
    w.leaf(MATERIAL_NAME, [&] { w.text(m.name); });
    writeByteColour(w, AMBIENT, m.ambient);
    if (m.floatDiffuse)
        writeFloatColour(w, DIFFUSE, m.diffuse);
    else
        writeByteColour(w, DIFFUSE, m.diffuse);
    writeByteColour(w, SPECULAR, m.specular);
    writePercent(w, SHININESS, m.shininessPercent);
    writePercent(w, TRANSPARENCY, m.transparencyPercent);
    if (m.twoSided) w.leaf(TWO_SIDED, [] {});
    if (!m.textureMap.empty()) writeMap(w, TEXTURE_MAP, 100, m.textureMap);
    if (!m.bumpMap.empty()) writeMap(w, BUMP_MAP, m.bumpPercent, m.bumpMap);
    w.close();
}

void writeMesh(ChunkWriter& w, const Mesh& mesh, const std::vector<Material>& materials) {
    w.open(OBJECT);
    w.text(mesh.name);
    w.open(TRIANGLE_MESH);
    w.leaf(VERTICES, [&] {
        w.u16(static_cast<unsigned>(mesh.vertices.size()));
        for (const Vertex& v : mesh.vertices) w.vec(v.position);
    });
    w.leaf(TEXTURE_COORDINATES, [&] {
        w.u16(static_cast<unsigned>(mesh.vertices.size()));
        for (const Vertex& v : mesh.vertices) {
            w.f32(v.u);
            w.f32(v.v);
        }
    });
    w.leaf(LOCAL_FRAME, [&] {
        for (const Vec3 axis : {Vec3{1, 0, 0}, Vec3{0, 1, 0}, Vec3{0, 0, 1}, Vec3{}}) w.vec(axis);
    });
    w.open(FACES);
    w.u16(static_cast<unsigned>(mesh.triangles.size()));
    for (const Triangle& t : mesh.triangles) {
        w.u16(t.a);
        w.u16(t.b);
        w.u16(t.c);
        w.u16(ALL_EDGES_VISIBLE);
    }
    // One group per material used, in the order of the scene's material list.
    for (std::size_t m = 0; m < materials.size(); ++m) {
        std::vector<unsigned> faces;
        for (std::size_t t = 0; t < mesh.triangles.size(); ++t)
            if (mesh.triangles[t].material == m) faces.push_back(static_cast<unsigned>(t));
        if (faces.empty()) continue;
        w.leaf(FACE_MATERIAL, [&] {
            w.text(materials[m].name);
            w.u16(static_cast<unsigned>(faces.size()));
            for (const unsigned f : faces) w.u16(f);
        });
    }
    w.leaf(SMOOTHING, [&] {
        for (std::size_t t = 0; t < mesh.triangles.size(); ++t) w.u32(0);
    });
    w.close();  // faces
    w.close();  // triangle mesh
    w.close();  // object
}

void writeLight(ChunkWriter& w, const Light& light) {
    w.open(OBJECT);
    w.text(light.name);
    w.open(LIGHT);
    w.vec(light.position);
    w.leaf(COLOUR_FLOAT, [&] { w.vec({light.colour.r / 255.0f, light.colour.g / 255.0f, light.colour.b / 255.0f}); });
    w.close();
    w.close();
}

void writeCamera(ChunkWriter& w, const Camera& camera) {
    w.open(OBJECT);
    w.text(camera.name);
    w.leaf(CAMERA, [&] {
        w.vec(camera.position);
        w.vec(camera.target);
        w.f32(0);  // roll
        w.f32(camera.lens);
    });
    w.close();
}

// A track of one key at frame 0 holding `values`.
void writeTrack(ChunkWriter& w, unsigned id, std::initializer_list<float> values) {
    w.leaf(id, [&] {
        w.u16(0);  // flags
        w.u32(0);
        w.u32(0);
        w.u32(1);  // keys
        w.u32(0);  // frame
        w.u16(0);  // no spline parameters
        for (const float v : values) w.f32(v);
    });
}

void writeNodeHeader(ChunkWriter& w, unsigned id, const std::string& name) {
    w.leaf(NODE_ID, [&] { w.u16(id); });
    w.leaf(NODE_HEADER, [&] {
        w.text(name);
        w.u16(0);
        w.u16(0);
        w.u16(NO_PARENT);
    });
}

void writeObjectNode(ChunkWriter& w, unsigned id, const std::string& name) {
    w.open(OBJECT_NODE);
    writeNodeHeader(w, id, name);
    w.leaf(PIVOT, [&] { w.vec({}); });
    writeTrack(w, POSITION_TRACK, {0, 0, 0});
    writeTrack(w, ROTATION_TRACK, {0, 0, 0, 1});
    writeTrack(w, SCALE_TRACK, {1, 1, 1});
    w.close();
}

// A light, camera or camera target node: where it stands.
void writePlacedNode(ChunkWriter& w, unsigned kind, unsigned id, const std::string& name, Vec3 position) {
    w.open(kind);
    writeNodeHeader(w, id, name);
    writeTrack(w, POSITION_TRACK, {position.x, position.y, position.z});
    w.close();
}

}  // namespace

Bytes scene3dsBytes(const Scene& scene) {
    ChunkWriter w;
    w.open(MAIN);
    w.leaf(VERSION, [&] { w.u32(FILE_VERSION); });
    w.open(EDITOR);
    w.leaf(MESH_VERSION, [&] { w.u32(FILE_VERSION); });
    for (const Material& m : scene.materials) writeMaterial(w, m);
    w.leaf(MASTER_SCALE, [&] { w.f32(1); });
    for (const Mesh& mesh : scene.meshes) writeMesh(w, mesh, scene.materials);
    // The light and the camera come after the meshes, so that the keyframer's
    // object nodes, counted in order, meet the meshes first.
    writeLight(w, scene.light);
    writeCamera(w, scene.camera);
    w.close();
    w.open(KEYFRAMER);
    w.leaf(KEYFRAMER_HEADER, [&] {
        w.u16(5);
        w.text("KESTROVA");
        w.u32(ANIMATION_FRAMES);
    });
    w.leaf(FRAMES, [&] {
        w.u32(0);
        w.u32(ANIMATION_FRAMES);
    });
    const auto meshes = static_cast<unsigned>(scene.meshes.size());
    for (unsigned i = 0; i < meshes; ++i) writeObjectNode(w, i, scene.meshes[i].name);
    writePlacedNode(w, LIGHT_NODE, meshes, scene.light.name, scene.light.position);
    writePlacedNode(w, CAMERA_NODE, meshes + 1, scene.camera.name, scene.camera.position);
    writePlacedNode(w, TARGET_NODE, meshes + 2, scene.camera.name, scene.camera.target);
    w.close();
    w.close();
    return w.take();
}

// The program's own binary mesh format: the magic "nsk", then the meshes and
// the materials as they are held after loading. All numbers are 32-bit
// little-endian, strings a byte count and the bytes, with no padding.
#include "KEVA_3DS/ChunkBytes.h"
#include "KEVA_3DS/Model3ds.h"

#include "kestrova/FileBytes.h"

#include <bit>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace {

constexpr char MAGIC[3] = {'n', 's', 'k'};

std::uint16_t sixteenBits(std::int32_t value) {
    return value >= 0 && value < NO_MATERIAL ? static_cast<std::uint16_t>(value) : NO_MATERIAL;
}

// Reads the records; every count and length is checked against the bytes left.
class BinReader {
public:
    explicit BinReader(std::span<const std::uint8_t> stream) : in_(stream, 0, stream.size()) {}

    bool magic() {
        std::uint8_t b[3];
        return in_.u8(b[0]) && in_.u8(b[1]) && in_.u8(b[2]) && std::memcmp(b, MAGIC, 3) == 0;
    }

    // A count of records of `bytesEach` bytes that the rest of the stream holds.
    bool count(std::int32_t& n, std::size_t bytesEach) {
        return number(n) && n >= 0 && fits(static_cast<std::size_t>(n) * bytesEach);
    }

    bool fits(std::size_t bytes) const { return bytes <= in_.remaining(); }

    bool number(std::int32_t& value) {
        std::uint32_t bits = 0;
        if (!in_.u32(bits)) return false;
        value = static_cast<std::int32_t>(bits);
        return true;
    }

    bool real(float& value) { return in_.f32(value); }

    bool point(T3dpoint& p) { return real(p.X) && real(p.Y) && real(p.Z); }

    bool name(std::string& text, std::int32_t shortest = 0) {
        std::int32_t n = 0;
        if (!count(n, 1)) return false;
        text.clear();
        if (n < shortest) return true;  // a one-byte map name: its byte is not read
        for (std::uint8_t c = 0; n > 0 && in_.u8(c); --n) text += static_cast<char>(c);
        return true;
    }

    bool mesh(TGL3dsMesh& mesh);
    bool material(TGL3dsMaterial& material);

private:
    ChunkBytes in_;
};

bool BinReader::mesh(TGL3dsMesh& mesh) {
    std::int32_t headerMaterial = 0, vertices = 0, normals = 0, indices = 0;
    if (!name(mesh.FNAME) || !number(headerMaterial) || !count(vertices, 24)) return false;
    mesh.FNUMVERTEX = vertices;
    mesh.FVERTEX.resize(static_cast<std::size_t>(vertices));
    mesh.FMAPPING.resize(mesh.FVERTEX.size());
    mesh.FBONEID.resize(mesh.FVERTEX.size());
    for (std::size_t v = 0; v < mesh.FVERTEX.size(); ++v)
        if (!point(mesh.FVERTEX[v]) || !real(mesh.FMAPPING[v].TU) || !real(mesh.FMAPPING[v].TV) ||
            !number(mesh.FBONEID[v]))
            return false;
    // The normal count is not used: there is one normal per vertex.
    if (!number(normals) || !fits(mesh.FVERTEX.size() * 12)) return false;
    mesh.FVNORMAL.resize(mesh.FVERTEX.size());
    for (T3dpoint& n : mesh.FVNORMAL) point(n);
    if (!number(indices) || indices < 0) return false;
    const auto triangles = static_cast<std::size_t>(indices / 3);
    if (!fits(static_cast<std::size_t>(indices) * 8 + triangles * 4)) return false;
    std::vector<std::int32_t> corner(static_cast<std::size_t>(indices)), normal(corner.size()), materials(triangles);
    for (std::size_t i = 0; i < corner.size(); ++i) {
        number(corner[i]);
        number(normal[i]);
    }
    for (std::int32_t& m : materials) number(m);
    // Triangles naming a vertex the mesh does not have are left out with
    // their material; a normal the mesh does not have counts as missing.
    for (std::size_t t = 0; t < materials.size(); ++t) {
        bool inside = true;
        for (std::size_t k = 0; k < 3; ++k)
            inside = inside && corner[3 * t + k] >= 0 && corner[3 * t + k] < vertices && corner[3 * t + k] < NO_MATERIAL;
        if (!inside) continue;
        for (std::size_t k = 0; k < 3; ++k) {
            mesh.FINDICES.push_back(static_cast<std::uint16_t>(corner[3 * t + k]));
            const std::int32_t n = normal[3 * t + k];
            mesh.FNORMALINDICES.push_back(n < vertices ? sixteenBits(n) : NO_MATERIAL);
        }
        mesh.FMATID.push_back(sixteenBits(materials[t]));
    }
    mesh.FNUMINDICES = static_cast<std::int32_t>(mesh.FINDICES.size());
    if (mesh.FMATID.empty()) mesh.FMATID.push_back(sixteenBits(headerMaterial));
    return true;
}

bool BinReader::material(TGL3dsMaterial& m) {
    if (!name(m.FNAME)) return false;
    const bool colours = real(m.FAMBR) && real(m.FAMBG) && real(m.FAMBB) && real(m.FDIFR) && real(m.FDIFG) &&
                         real(m.FDIFB) && real(m.FTRANSPARENCY) && real(m.FSPCR) && real(m.FSPCG) && real(m.FSPCB);
    if (!colours || !name(m.FFILENAME, 2) || !name(m.FBUMPMAPFILENAME, 2) || !real(m.FBUMPMAPSTRENGTH)) return false;
    m.FHASTEXTUREMAP = !m.FFILENAME.empty();
    m.FHASBUMPMAP = !m.FBUMPMAPFILENAME.empty();
    return true;
}

// Appends little-endian values and strings.
class BinWriter {
public:
    void number(std::int32_t value) {
        const auto bits = static_cast<std::uint32_t>(value);
        for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<std::uint8_t>(bits >> shift));
    }
    void real(float value) { number(std::bit_cast<std::int32_t>(value)); }
    void point(const T3dpoint& p) {
        real(p.X);
        real(p.Y);
        real(p.Z);
    }
    void name(const std::string& text) {
        number(static_cast<std::int32_t>(text.size()));
        bytes.insert(bytes.end(), text.begin(), text.end());
    }
    // A map name: one of a single byte could not be read back, so it is written empty.
    void mapName(const std::string& text) { name(text.size() > 1 ? text : std::string()); }

    std::vector<std::uint8_t> bytes;
};

std::int32_t fileMaterial(std::uint16_t id) { return id == NO_MATERIAL ? -1 : id; }

// Per vertex the normal the file gives it (a mesh read with normals of its
// own keeps them; otherwise the last triangle corner's normal).
std::vector<T3dpoint> vertexNormals(const TGL3dsMesh& mesh) {
    if (mesh.FVNORMAL.size() == mesh.FVERTEX.size()) return mesh.FVNORMAL;
    std::vector<T3dpoint> normals(mesh.FVERTEX.size());
    for (std::size_t i = 0; i < mesh.FINDICES.size() && i < mesh.FNORMALINDICES.size(); ++i)
        if (mesh.FNORMALINDICES[i] < mesh.FVNORMAL.size()) normals[mesh.FINDICES[i]] = mesh.FVNORMAL[mesh.FNORMALINDICES[i]];
    return normals;
}

void writeMesh(BinWriter& out, const TGL3dsMesh& mesh) {
    out.name(mesh.FNAME);
    out.number(mesh.FMATID.empty() ? -1 : fileMaterial(mesh.FMATID[0]));
    out.number(static_cast<std::int32_t>(mesh.FVERTEX.size()));
    for (std::size_t v = 0; v < mesh.FVERTEX.size(); ++v) {
        out.point(mesh.FVERTEX[v]);
        out.real(v < mesh.FMAPPING.size() ? mesh.FMAPPING[v].TU : 0);
        out.real(v < mesh.FMAPPING.size() ? mesh.FMAPPING[v].TV : 0);
        out.number(v < mesh.FBONEID.size() ? mesh.FBONEID[v] : -1);
    }
    const std::vector<T3dpoint> normals = vertexNormals(mesh);
    out.number(static_cast<std::int32_t>(normals.size()));
    for (const T3dpoint& n : normals) out.point(n);
    const bool ownNormals = mesh.FVNORMAL.size() == mesh.FVERTEX.size();
    out.number(static_cast<std::int32_t>(mesh.FINDICES.size()));
    for (std::size_t i = 0; i < mesh.FINDICES.size(); ++i) {
        out.number(mesh.FINDICES[i]);
        const bool hasNormal = ownNormals && i < mesh.FNORMALINDICES.size();
        out.number(hasNormal ? fileMaterial(mesh.FNORMALINDICES[i]) : mesh.FINDICES[i]);
    }
    for (std::size_t t = 0; t < mesh.FINDICES.size() / 3; ++t)
        out.number(t < mesh.FMATID.size() ? fileMaterial(mesh.FMATID[t]) : -1);
}

void writeMaterial(BinWriter& out, const TGL3dsMaterial& m) {
    out.name(m.FNAME);
    for (const float value : {m.FAMBR, m.FAMBG, m.FAMBB, m.FDIFR, m.FDIFG, m.FDIFB, m.FTRANSPARENCY, m.FSPCR, m.FSPCG,
                              m.FSPCB})
        out.real(value);
    out.mapName(m.FHASTEXTUREMAP ? m.FFILENAME : std::string());
    out.mapName(m.FHASBUMPMAP ? m.FBUMPMAPFILENAME : std::string());
    out.real(m.FBUMPMAPSTRENGTH);
}

}  // namespace

void TGLAll3dsMesh::READBIN(std::span<const std::uint8_t> stream) {
    BinReader in(stream);
    if (!in.magic()) return;
    clearMeshesAndMaterials();
    std::int32_t count = 0;
    bool whole = in.count(count, 4);
    for (std::int32_t i = 0; whole && i < count; ++i) {
        auto mesh = std::make_unique<TGL3dsMesh>(this);
        whole = in.mesh(*mesh);
        if (whole) FMESH.push_back(std::move(mesh));
    }
    whole = whole && in.count(count, 4);
    for (std::int32_t i = 0; whole && i < count; ++i) {
        auto material = std::make_unique<TGL3dsMaterial>(this);
        whole = in.material(*material);
        if (whole) FMATERIAL.push_back(std::move(material));
    }
    FNUMMESHES = static_cast<std::int32_t>(FMESH.size());
    FNUMMATERIALS = static_cast<std::int32_t>(FMATERIAL.size());
    for (std::int32_t i = 0; i < FNUMMESHES; ++i) FRENDERORDER.push_back(i);
}

void TGLAll3dsMesh::LOADBINFROMSTREAM(std::span<const std::uint8_t> stream) {
    READBIN(stream);
    PREPAREREAD();
    for (const auto& material : FMATERIAL) material->UPDATETEXTURE();
    COMPILEDISPLAYLIST();
}

void TGLAll3dsMesh::LOADBINFROMFILE(const std::string& fileName) {
    FTYPE = MESHBIN;
    std::vector<std::uint8_t> bytes;
    if (!readFileBytes(fileName, bytes)) return;
    FTEXTUREPATH = std::filesystem::path(fileName).parent_path().string();
    LOADBINFROMSTREAM(bytes);
}

std::vector<std::uint8_t> TGLAll3dsMesh::SAVEBINTOSTREAM() const {
    BinWriter out;
    out.bytes.assign(MAGIC, MAGIC + 3);
    out.number(FNUMMESHES);
    for (std::int32_t i = 0; i < FNUMMESHES; ++i) writeMesh(out, *GETMESH(i));
    out.number(FNUMMATERIALS);
    for (std::int32_t i = 0; i < FNUMMATERIALS; ++i) writeMaterial(out, *GETMATERIAL(i));
    return out.bytes;
}

bool TGLAll3dsMesh::SAVEBINTOFILE(const std::string& fileName) const {
    const std::vector<std::uint8_t> bytes = SAVEBINTOSTREAM();
    std::ofstream file(fileName, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

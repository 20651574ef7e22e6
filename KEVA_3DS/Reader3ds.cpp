// The 3DS chunk reader. Chunks are walked one after another without
// recursion: a chunk that holds others has its own data read and its children
// taken next; every other chunk is passed over whole. A chunk never reaches
// past its parent or the file, and its data is read only inside it.
#include "KEVA_3DS/ChunkBytes.h"
#include "KEVA_3DS/Chunks3ds.h"
#include "KEVA_3DS/Model3ds.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

// What one call of the reader keeps between chunks.
struct ReaderState {
    TGLAll3dsMesh& model;
    TGL3dsMaterial* material = nullptr;  // the last material started
    TGL3dsMesh* mesh = nullptr;          // the last object started
    std::size_t groups = 0;              // material groups of the current triangle mesh
    std::int32_t nodes = 0;              // keyframer object nodes seen
    bool bump = false;                   // the next map file names the bump map
};

// The percentage of a transparency or bump-map chunk, as a fraction (0.25 for
// 25 %), from the sub-chunk its data starts with; `in` is left after it.
std::optional<float> readPercentage(ChunkBytes& in) {
    std::uint16_t id = 0;
    std::uint32_t length = 0;
    if (!in.u16(id) || !in.u32(length) || length < 6) return std::nullopt;
    ChunkBytes sub = in.take(length - 6);
    std::uint16_t whole = 0;
    float fraction = 0;
    if (id == INT_PERCENTAGE && sub.u16(whole)) return static_cast<std::int8_t>(whole & 0xFF) / 100.0f;
    if (id == FLOAT_PERCENTAGE && sub.f32(fraction)) return fraction;
    return std::nullopt;
}

void readColour(ChunkBytes& in, TGL3dsMaterial& material, bool bytes) {
    float rgb[3] = {};
    for (float& component : rgb) {
        std::uint8_t value = 0;
        if (bytes ? !in.u8(value) : !in.f32(component)) return;
        if (bytes) component = value / 255.0f;
    }
    float* target = material.FISDIFFUSE    ? &material.FDIFR
                    : material.FISAMBIENT  ? &material.FAMBR
                    : material.FISSPECULAR ? &material.FSPCR
                                           : nullptr;
    if (target) std::copy(rgb, rgb + 3, target);
}

void selectColourBlock(TGL3dsMaterial& material, std::uint16_t id) {
    material.FISAMBIENT = id == MAT_AMBIENT;
    material.FISDIFFUSE = id == MAT_DIFFUSE;
    material.FISSPECULAR = id == MAT_SPECULAR;
    material.FHASMATERIAL = true;
}

void startMaterial(ReaderState& s, ChunkBytes& in) {
    auto& material = s.model.FMATERIAL.emplace_back(std::make_unique<TGL3dsMaterial>(&s.model));
    s.model.FNUMMATERIALS = static_cast<std::int32_t>(s.model.FMATERIAL.size());
    s.material = material.get();
    s.material->FNAME = in.text();
}

void startObject(ReaderState& s, ChunkBytes& in) {
    auto& mesh = s.model.FMESH.emplace_back(std::make_unique<TGL3dsMesh>(&s.model));
    s.model.FNUMMESHES = static_cast<std::int32_t>(s.model.FMESH.size());
    s.model.FRENDERORDER.push_back(s.model.FNUMMESHES - 1);
    s.mesh = mesh.get();
    s.mesh->FID = s.model.FNUMMESHES;
    s.mesh->FNAME = in.text();
    s.mesh->FMATNAME.assign(1, std::string());
}

// Vertices as (x, z, y): the file's z axis points up.
void readVertices(TGL3dsMesh& mesh, ChunkBytes& in) {
    std::uint16_t count = 0;
    in.u16(count);
    const std::size_t n = in.recordsPresent(count, 12);
    mesh.FVERTEX.resize(n);
    for (T3dpoint& v : mesh.FVERTEX) {
        in.f32(v.X);
        in.f32(v.Z);
        in.f32(v.Y);
    }
    mesh.FNUMVERTEX = static_cast<std::int32_t>(n);
    mesh.FBONEID.assign(n, -1);
    mesh.FMAPPING.assign(n, TGLMap{});
}

void readFaces(TGL3dsMesh& mesh, ChunkBytes& in) {
    std::uint16_t count = 0;
    in.u16(count);
    const std::size_t n = in.recordsPresent(count, 8);
    mesh.FINDICES.resize(3 * n);
    for (std::size_t t = 0; t < n; ++t) {
        std::uint16_t flags = 0;
        for (std::size_t k = 0; k < 3; ++k) in.u16(mesh.FINDICES[3 * t + k]);
        in.u16(flags);
    }
    mesh.FNORMALINDICES = mesh.FINDICES;
    mesh.FNUMINDICES = static_cast<std::int32_t>(mesh.FINDICES.size());
}

void readMaterialGroup(ReaderState& s, ChunkBytes& in) {
    TGL3dsMesh& mesh = *s.mesh;
    ++s.groups;
    mesh.FMATNAME.resize(s.groups);
    mesh.FMATNAME.back() = in.text();
    std::uint16_t count = 0;
    in.u16(count);
    const std::size_t k = in.recordsPresent(count, 2);
    if (k == 0) return;
    mesh.FMATID.resize(static_cast<std::size_t>(mesh.TRIANGLES()), 0);
    const auto id = static_cast<std::uint16_t>(s.model.GETMATERIALIDBYNAME(mesh.FMATNAME.back()));
    for (std::size_t i = 0; i < k; ++i) {
        std::uint16_t triangle = 0;
        in.u16(triangle);
        if (triangle < mesh.FMATID.size()) mesh.FMATID[triangle] = id;
    }
}

void readMapping(TGL3dsMesh& mesh, ChunkBytes& in) {
    std::uint16_t count = 0;
    in.u16(count);
    mesh.FMAPPING.resize(in.recordsPresent(count, 8));
    for (TGLMap& uv : mesh.FMAPPING) {
        in.f32(uv.TU);
        in.f32(uv.TV);
    }
}

void readSmoothing(TGL3dsMesh& mesh, ChunkBytes& in) {
    mesh.FSMOOTHINGGROUP.assign(static_cast<std::size_t>(mesh.TRIANGLES()), 0);
    for (std::uint32_t& bits : mesh.FSMOOTHINGGROUP) in.u32(bits);
}

void readPoint(ChunkBytes& in, T3dpoint& p) {
    in.f32(p.X);
    in.f32(p.Y);
    in.f32(p.Z);
}

void readMatrix(TGL3dsMesh& mesh, ChunkBytes& in) {
    for (T3dpoint& axis : mesh.LOCALAXIS) readPoint(in, axis);
    readPoint(in, mesh.FLOCALCOORDS);
}

void readMapFile(ReaderState& s, TGL3dsMaterial& m, ChunkBytes& in) {
    if (!s.bump) {
        m.FFILENAME = in.text();
        return;
    }
    m.FBUMPMAPFILENAME = in.text();
    m.FHASBUMPMAP = true;
    s.bump = false;
}

// The texture placement field a chunk sets.
float* textureField(TGL3dsMaterial& m, std::uint16_t id) {
    switch (id) {
    case MAT_VSCALE: return &m.FVS;
    case MAT_USCALE: return &m.FUS;
    case MAT_UOFF: return &m.FUOFF;
    case MAT_VOFF: return &m.FVOFF;
    case MAT_TEXROT: return &m.FROT;
    default: return nullptr;
    }
}

// Chunks of a material's own data; they are ignored before the first material name.
void readMaterialChunk(ReaderState& s, TGL3dsMaterial& m, std::uint16_t id, ChunkBytes& in) {
    switch (id) {
    case MAT_AMBIENT:
    case MAT_DIFFUSE:
    case MAT_SPECULAR: selectColourBlock(m, id); break;
    case MAT_COLOR24:
    case MAT_COLOR: readColour(in, m, id == MAT_COLOR24); break;
    case MAT_TRANSPARENCY:
        if (const auto p = readPercentage(in)) m.FTRANSPARENCY = std::clamp(1 - *p, 0.0f, 1.0f);
        break;
    case MAT_TWO_SIDE: m.FTWOSIDED = true; break;
    case MAT_TEXTURE:
        m.FHASTEXTUREMAP = true;
        m.FUS = m.FVS = m.FUOFF = m.FVOFF = 0;
        break;
    case MAT_BUMPMAP:
        if (const auto p = readPercentage(in)) m.FBUMPMAPSTRENGTH = *p / 100;
        break;
    case MAT_MAPFILE: readMapFile(s, m, in); break;
    default:
        if (float* field = textureField(m, id)) in.f32(*field);
    }
}

// Chunks of an object's own data; they are ignored before the first object.
void readMeshChunk(ReaderState& s, TGL3dsMesh& mesh, std::uint16_t id, ChunkBytes& in) {
    switch (id) {
    case OBJ_TRIMESH: s.groups = 0; break;
    case TRI_VERTEXL: readVertices(mesh, in); break;
    case TRI_FACEL1: readFaces(mesh, in); break;
    case TRI_MATERIAL: readMaterialGroup(s, in); break;
    case TRI_MAPPINGCOORDS: readMapping(mesh, in); break;
    case TRI_SMOOTH: readSmoothing(mesh, in); break;
    case TRI_MATRIX: readMatrix(mesh, in); break;
    default: break;
    }
}

bool isMaterialChunk(std::uint16_t id) {
    return id == MAT_AMBIENT || id == MAT_DIFFUSE || id == MAT_SPECULAR || id == MAT_COLOR24 || id == MAT_COLOR ||
           id == MAT_TRANSPARENCY || id == MAT_TWO_SIDE || id == MAT_TEXTURE || id == MAT_BUMPMAP ||
           id == MAT_MAPFILE || id == MAT_VSCALE || id == MAT_USCALE || id == MAT_UOFF || id == MAT_VOFF ||
           id == MAT_TEXROT;
}

bool isMeshChunk(std::uint16_t id) {
    return id == OBJ_TRIMESH || id == TRI_VERTEXL || id == TRI_FACEL1 || id == TRI_MATERIAL ||
           id == TRI_MAPPINGCOORDS || id == TRI_SMOOTH || id == TRI_MATRIX;
}

// Chunks whose children follow their own data.
bool hasChildren(std::uint16_t id) {
    return id == MAIN3DS || id == EDIT3DS || id == MAT_MATRIAL || id == KEYF3DS || id == KEYF_OBJDES ||
           id == EDIT_OBJECT || id == OBJ_TRIMESH || id == TRI_FACEL1 || id == MAT_AMBIENT || id == MAT_DIFFUSE ||
           id == MAT_SPECULAR || id == MAT_TEXTURE || id == MAT_BUMPMAP;
}

// Reads the chunk's own data. Returns where its children start, or its end
// when it has none, is unknown or is ignored (then it is passed over whole).
std::size_t readChunk(ReaderState& s, std::uint16_t id, ChunkBytes in) {
    const bool ignored = (isMaterialChunk(id) && !s.material) || (isMeshChunk(id) && !s.mesh);
    if (ignored) return in.end();
    if (id == MAT_TEXTURE) s.bump = false;
    if (id == MAT_BUMPMAP) s.bump = true;
    if (isMaterialChunk(id)) readMaterialChunk(s, *s.material, id, in);
    if (isMeshChunk(id)) readMeshChunk(s, *s.mesh, id, in);
    std::uint32_t version = 0;
    switch (id) {
    case VERS3DS:
        if (in.u32(version)) s.model.FVERSION = static_cast<std::int32_t>(version);
        break;
    case MAT_MATNAME: startMaterial(s, in); break;
    case EDIT_OBJECT: startObject(s, in); break;
    case KEYF_OBJDES: ++s.nodes; break;
    case KEYF_OBJPIVOT:
        if (s.nodes >= 1 && s.nodes <= s.model.FNUMMESHES) readPoint(in, s.model.GETMESH(s.nodes - 1)->FPIVOT);
        break;
    default: break;
    }
    return hasChildren(id) ? in.position() : in.end();
}

// Fits every per-vertex list to the vertices and every per-triangle list to
// the triangles, and drops the triangles that name a vertex the mesh lacks.
void fitLists(TGL3dsMesh& mesh) {
    const std::size_t vertices = mesh.FVERTEX.size();
    mesh.FNUMVERTEX = static_cast<std::int32_t>(vertices);
    mesh.FMAPPING.resize(vertices);
    mesh.FBONEID.resize(vertices, -1);
    const std::size_t triangles = mesh.FINDICES.size() / 3;
    mesh.FMATID.resize(triangles, NO_MATERIAL);
    mesh.FSMOOTHINGGROUP.resize(triangles, 0);
    std::size_t kept = 0;
    for (std::size_t t = 0; t < triangles; ++t) {
        const std::uint16_t* corner = &mesh.FINDICES[3 * t];
        if (corner[0] >= vertices || corner[1] >= vertices || corner[2] >= vertices) continue;
        std::copy(corner, corner + 3, &mesh.FINDICES[3 * kept]);
        mesh.FMATID[kept] = mesh.FMATID[t];
        mesh.FSMOOTHINGGROUP[kept] = mesh.FSMOOTHINGGROUP[t];
        ++kept;
    }
    mesh.FINDICES.resize(3 * kept);
    mesh.FMATID.resize(kept);
    mesh.FSMOOTHINGGROUP.resize(kept);
    mesh.FNORMALINDICES = mesh.FINDICES;
    mesh.FNUMINDICES = static_cast<std::int32_t>(mesh.FINDICES.size());
}

}  // namespace

void TGLAll3dsMesh::READ3DSCHUNKS(std::span<const std::uint8_t> stream) {
    clear();
    if (FMASTERSCALE == 0) FMASTERSCALE = 1.0f;
    ReaderState state{*this};
    std::vector<std::size_t> ends{stream.size()};  // where the file and each open parent chunk end
    std::size_t position = 0;
    while (position < stream.size()) {
        while (ends.size() > 1 && position >= ends.back()) ends.pop_back();
        const std::size_t limit = ends.back();
        ChunkBytes header(stream, position, limit);
        std::uint16_t id = 0;
        std::uint32_t length = 0;
        // A header that does not fit, or a length shorter than a header, ends the parent.
        if (!header.u16(id) || !header.u32(length) || length < sizeof(TChunkHdr)) {
            position = limit;
            continue;
        }
        const std::size_t end = position + std::min<std::size_t>(length, limit - position);
        const std::size_t children = readChunk(state, id, ChunkBytes(stream, position + sizeof(TChunkHdr), end));
        if (children < end) ends.push_back(end);
        position = children;
    }
    for (const auto& mesh : FMESH) fitLists(*mesh);
}

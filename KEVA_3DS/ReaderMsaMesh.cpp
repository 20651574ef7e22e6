// The mesh and material sections of a MilkShape text file, and loading such a
// file as a model: meshes and materials first, then the skeleton the skin is bound to.
#include "KEVA_3DS/Model3ds.h"
#include "KEVA_3DS/TextLines.h"

#include <filesystem>
#include <limits>

namespace {

// The name, flags and material number of a mesh header: a quoted name may
// hold spaces, and the fields after its closing quote follow it.
struct MeshHeader {
    std::string name;
    std::int64_t material = -1;
};

MeshHeader meshHeader(std::string_view line) {
    line = trimmed(line);
    std::size_t nameEnd = line.find(' ');
    if (line.starts_with('"')) nameEnd = line.find('"', 1);
    if (nameEnd == std::string_view::npos) nameEnd = line.size();
    const auto rest = splitFields(line.substr(std::min(line.size(), nameEnd + 1)));
    return {unquoted(line.substr(0, nameEnd)), rest.size() >= 2 ? wholeNumber(rest[1]) : -1};
}

std::uint16_t materialNumber(std::int64_t material) {
    return material >= 0 && material < NO_MATERIAL ? static_cast<std::uint16_t>(material) : NO_MATERIAL;
}

// A vertex or normal index of a triangle line, or -1 when it cannot name one of `count`.
std::int64_t indexWithin(std::string_view field, std::size_t count) {
    const std::int64_t index = wholeNumber(field);
    return index >= 0 && index < static_cast<std::int64_t>(count) && index < NO_MATERIAL ? index : -1;
}

std::int32_t boneNumber(const std::vector<std::string_view>& fields) {
    if (fields.size() < 7) return -1;
    const std::int64_t bone = wholeNumber(fields[6]);
    return bone >= 0 && bone <= std::numeric_limits<std::int32_t>::max() ? static_cast<std::int32_t>(bone) : -1;
}

// One mesh block; false when the text ends inside it.
bool readMesh(MsaLines& lines, TGL3dsMesh& mesh, std::int64_t& material) {
    std::string_view line;
    std::vector<std::string_view> f;
    if (!lines.take(line)) return false;
    const MeshHeader header = meshHeader(line);
    mesh.FNAME = header.name;
    material = header.material;
    mesh.FMATNAME = {material == -1 ? "" : std::to_string(material)};

    // Vertices and normals leave room for the counts that follow them.
    if (!lines.takeFields(f)) return false;
    for (std::int64_t n = lines.fitting(wholeNumber(fieldAt(f, 0)), 1, 2); n > 0 && lines.takeFields(f); --n) {
        mesh.FVERTEX.push_back({decimalNumber(fieldAt(f, 1)), decimalNumber(fieldAt(f, 2)), decimalNumber(fieldAt(f, 3))});
        mesh.FMAPPING.push_back({decimalNumber(fieldAt(f, 4)), 1 - decimalNumber(fieldAt(f, 5))});
        mesh.FBONEID.push_back(boneNumber(f));
    }
    mesh.FNUMVERTEX = static_cast<std::int32_t>(mesh.FVERTEX.size());

    if (!lines.takeFields(f)) return false;
    for (std::int64_t n = lines.fitting(wholeNumber(fieldAt(f, 0)), 1, 1); n > 0 && lines.takeFields(f); --n)
        mesh.FVNORMAL.push_back({decimalNumber(fieldAt(f, 0)), decimalNumber(fieldAt(f, 1)), decimalNumber(fieldAt(f, 2))});

    if (!lines.takeFields(f)) return false;
    for (std::int64_t n = lines.fitting(wholeNumber(fieldAt(f, 0))); n > 0 && lines.takeFields(f); --n) {
        std::int64_t corners[3], normals[3];
        bool inside = true;
        for (std::size_t k = 0; k < 3; ++k) {
            corners[k] = indexWithin(fieldAt(f, 1 + k), mesh.FVERTEX.size());
            normals[k] = indexWithin(fieldAt(f, 4 + k), mesh.FVNORMAL.size());
            inside = inside && corners[k] >= 0;
        }
        // A triangle naming a vertex the mesh does not have is left out; a bad normal counts as missing.
        if (!inside) continue;
        for (std::size_t k = 0; k < 3; ++k) {
            mesh.FINDICES.push_back(static_cast<std::uint16_t>(corners[k]));
            mesh.FNORMALINDICES.push_back(normals[k] >= 0 ? static_cast<std::uint16_t>(normals[k]) : NO_MATERIAL);
        }
    }
    mesh.FNUMINDICES = static_cast<std::int32_t>(mesh.FINDICES.size());
    mesh.FMATID.assign(mesh.FINDICES.size() / 3, materialNumber(material));
    return true;
}

// The first three numbers of a colour line, and whether any of them is not zero.
bool colourLine(const std::vector<std::string_view>& f, float& r, float& g, float& b) {
    r = decimalNumber(fieldAt(f, 0));
    g = decimalNumber(fieldAt(f, 1));
    b = decimalNumber(fieldAt(f, 2));
    return r != 0 || g != 0 || b != 0;
}

// One material block of nine lines; false when the text ends inside it.
bool readMaterial(MsaLines& lines, TGL3dsMaterial& m) {
    if (lines.remaining() < 9) return false;
    std::string_view line;
    std::vector<std::string_view> f;
    lines.take(line);
    m.FNAME = unquoted(line);
    lines.takeFields(f);
    m.FISAMBIENT = colourLine(f, m.FAMBR, m.FAMBG, m.FAMBB);
    lines.takeFields(f);
    m.FISDIFFUSE = colourLine(f, m.FDIFR, m.FDIFG, m.FDIFB);
    m.FTRANSPARENCY = decimalNumber(fieldAt(f, 3));
    lines.takeFields(f);
    m.FISSPECULAR = colourLine(f, m.FSPCR, m.FSPCG, m.FSPCB);
    lines.take(line);  // emissive
    lines.take(line);  // shininess
    lines.takeFields(f);
    m.FBUMPMAPSTRENGTH = decimalNumber(fieldAt(f, 0));
    lines.take(line);
    m.FFILENAME = unquoted(line);
    m.FHASTEXTUREMAP = !m.FFILENAME.empty();
    lines.take(line);
    m.FBUMPMAPFILENAME = unquoted(line);
    m.FHASBUMPMAP = !m.FBUMPMAPFILENAME.empty();
    return true;
}

}  // namespace

void TGLAll3dsMesh::READMSA(std::string_view text) {
    clearMeshesAndMaterials();
    FLOADSKELETON = false;
    MsaLines lines(text);
    std::vector<std::int64_t> meshMaterial;
    std::int64_t count = 0;
    std::string_view line;
    while (lines.sectionAhead() && lines.take(line)) {
        if (startsSection(line, "Meshes:", count)) {
            for (std::int64_t n = lines.fitting(count, 4); n > 0; --n) {
                auto mesh = std::make_unique<TGL3dsMesh>(this);
                std::int64_t material = -1;
                if (!readMesh(lines, *mesh, material)) break;
                FMESH.push_back(std::move(mesh));
                meshMaterial.push_back(material);
            }
        } else if (startsSection(line, "Materials:", count)) {
            for (std::int64_t n = lines.fitting(count, 9); n > 0; --n) {
                auto material = std::make_unique<TGL3dsMaterial>(this);
                if (!readMaterial(lines, *material)) break;
                FMATERIAL.push_back(std::move(material));
            }
        } else if (startsSection(line, "Bones:", count) && count >= 1) {
            FLOADSKELETON = true;
        }
    }
    FNUMMESHES = static_cast<std::int32_t>(FMESH.size());
    FNUMMATERIALS = static_cast<std::int32_t>(FMATERIAL.size());
    for (std::int32_t i = 0; i < FNUMMESHES; ++i) FRENDERORDER.push_back(i);
    // Meshes are named after the material they are drawn with.
    for (std::size_t i = 0; i < FMESH.size(); ++i)
        if (meshMaterial[i] >= 0 && meshMaterial[i] < FNUMMATERIALS && FMESH[i]->FNUMINDICES > 0)
            FMESH[i]->FMATNAME[0] = GETMATERIAL(static_cast<std::int32_t>(meshMaterial[i]))->FNAME;
}

void TGLAll3dsMesh::LOADMSAFROMSTREAM(std::string_view text) {
    READMSA(text);
    PREPAREREAD();
    for (const auto& material : FMATERIAL) material->UPDATETEXTURE();
}

void TGLAll3dsMesh::LOADMSAFROMFILE(const std::string& fileName) {
    FTYPE = MESHMSA;
    std::string text;
    if (!readFileText(fileName, text)) return;
    FTEXTUREPATH = std::filesystem::path(fileName).parent_path().string();
    LOADMSAFROMSTREAM(text);
    if (!FLOADSKELETON) return;
    // The same text again, for its bones.
    FSKELETON.push_back(std::make_unique<TGLSkeleton>(this));
    FNUMSKELETONS = static_cast<std::int32_t>(FSKELETON.size());
    FSKELETON.back()->FNAME = fileName;
    FSKELETON.back()->LOADMSAFROMSTREAM(text);
    INITSKIN();
}

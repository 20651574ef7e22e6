#include "KEVA_3DS/Model3ds.h"

#include "KEVA_3DS/TextLines.h"
#include "kestrova/FileBytes.h"

#include <filesystem>

bool IGNOREMATERIALS = false;

void TGLAll3dsMesh::clear() {
    FNAME.clear();
    clearMeshesAndMaterials();
}

void TGLAll3dsMesh::clearMeshesAndMaterials() {
    FMESH.clear();
    drawOrder_ = {};
    FRENDERORDER.clear();
    FMATERIAL.clear();
    FNUMMESHES = 0;
    FNUMMATERIALS = 0;
}

void TGLAll3dsMesh::LOADFROMFILE(const std::string& fileName) {
    FNAME = fileName;
    // A name too short to end in a known extension reads nothing.
    if (fileName.size() < 4) return;
    const std::string ending = lowerCase(std::string_view(fileName).substr(fileName.size() - 4));
    if (ending == ".3ds") LOAD3DSFROMFILE(fileName);
    else if (ending == ".txt") LOADMSAFROMFILE(fileName);
    else if (ending == ".bin") LOADBINFROMFILE(fileName);
}

void TGLAll3dsMesh::LOAD3DSFROMFILE(const std::string& fileName) {
    FTYPE = MESH3DS;
    std::vector<std::uint8_t> bytes;
    if (!readFileBytes(fileName, bytes)) return;
    FTEXTUREPATH = std::filesystem::path(fileName).parent_path().string();
    LOAD3DSFROMSTREAM(bytes);
}

void TGLAll3dsMesh::LOAD3DSFROMSTREAM(std::span<const std::uint8_t> stream) {
    READ3DSCHUNKS(stream);
    POSTPROCESS();
    for (const auto& material : FMATERIAL) material->UPDATETEXTURE();
    for (std::int32_t i = 0; i < FNUMMESHES; ++i) FMESH[static_cast<std::size_t>(i)]->FID = i + 1;
    COMPILEDISPLAYLIST();
}

void TGLAll3dsMesh::PREPAREREAD() {
    CALCFACENORMALS();
    CALCULATESIZE();
    CALCULATERENDERORDER();
    for (std::int32_t i = 0; i < FNUMMESHES; ++i) FMESH[static_cast<std::size_t>(i)]->FID = i + 1;
}

void TGLAll3dsMesh::POSTPROCESS() {
    MOVETOPIVOT();
    CALCULATESCALE();
    CALCVNORMALS();
    CALCULATESIZE();
    CALCULATERENDERORDER();
}

std::int32_t TGLAll3dsMesh::GETMATERIALIDBYNAME(const std::string& name) const {
    const std::string wanted = lowerCase(name);
    for (std::int32_t i = 0; i < FNUMMATERIALS; ++i)
        if (lowerCase(GETMATERIAL(i)->FNAME) == wanted) return i;
    return -1;
}

const TGL3dsMaterial* TGLAll3dsMesh::materialOrNull(std::uint16_t id) const {
    return id < FNUMMATERIALS ? GETMATERIAL(id) : nullptr;
}

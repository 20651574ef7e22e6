#pragma once
// A loaded 3D model: its meshes (one per object of the file) and materials,
// the passes that prepare them after reading, and their drawing. The model
// owns its meshes, materials and skeletons; each of them knows its model.
#include "KEVA_3DS/ModelTypes.h"
#include "KEVA_3DS/Skeleton.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class TGLAll3dsMesh;

// Material number of a triangle that names no material of its model.
constexpr std::uint16_t NO_MATERIAL = 0xFFFF;

class TGL3dsMaterial {
public:
    explicit TGL3dsMaterial(TGLAll3dsMesh* owner) : OWNER(owner) {}
    ~TGL3dsMaterial();
    TGL3dsMaterial(const TGL3dsMaterial&) = delete;
    TGL3dsMaterial& operator=(const TGL3dsMaterial&) = delete;

    // Colour (ambient if that block was read last, else diffuse, halved) with the
    // opacity as alpha, blending for see-through materials, the texture bound or
    // texturing off, culling off for two-sided materials.
    void APPLY() const;
    // Reads the texture map (in the model's texture folder, the name as stored,
    // then in lower case) and makes it the OpenGL texture FTEXID; a map that is
    // missing or unreadable leaves the material untextured.
    void UPDATETEXTURE();

    TGLAll3dsMesh* OWNER;
    bool FHASTEXTUREMAP = false;
    bool FHASBUMPMAP = false;
    bool FHASMATERIAL = false;
    bool FISAMBIENT = false;
    bool FISDIFFUSE = false;
    bool FISSPECULAR = false;
    bool FTWOSIDED = false;
    std::string FNAME;
    std::string FFILENAME;
    std::string FBUMPMAPFILENAME;
    float FUS = 0, FVS = 0;
    float FUOFF = 0, FVOFF = 0;
    float FROT = 0;
    float FAMBR = 0, FAMBG = 0, FAMBB = 0;
    float FDIFR = 0, FDIFG = 0, FDIFB = 0;
    float FSPCR = 0, FSPCG = 0, FSPCB = 0;
    float FTRANSPARENCY = 1.0f;  // opacity: 1 = opaque
    float FBUMPMAPSTRENGTH = 0;
    std::int32_t FTEXID = 0;
    std::uint32_t FTEXTURE = 0, FDETAILTEX = 0, FORMAT = 0;
};

class TGL3dsMesh {
public:
    explicit TGL3dsMesh(TGLAll3dsMesh* owner) : OWNER(owner) {}
    ~TGL3dsMesh();
    TGL3dsMesh(const TGL3dsMesh&) = delete;
    TGL3dsMesh& operator=(const TGL3dsMesh&) = delete;

    const T3dpoint& GETVERTEX(std::int32_t index) const { return FVERTEX[static_cast<std::size_t>(index)]; }
    // The vertex index at that position of the index list (triangle t: positions 3t .. 3t+2).
    std::uint16_t GETFACE(std::int32_t index) const { return FINDICES[static_cast<std::size_t>(index)]; }
    std::int32_t TRIANGLES() const { return FNUMINDICES / 3; }
    // The triangles, each with its face normal and the material of its model
    // it names, gathered by material (the see-through ones last); the display
    // list when there is one.
    void RENDER() const;
    // The same triangles drawn with other corner positions and face normals
    // (one per vertex and one per triangle), such as a posed skin's.
    void RENDERWITH(std::span<const T3dpoint> vertices, std::span<const T3dpoint> faceNormals) const;
    // The box round the vertices that the triangles use.
    void CALCULATESIZE();

    TGLAll3dsMesh* OWNER;
    std::string FNAME;
    std::int32_t FID = 0;  // 1-based number within the model
    std::vector<std::string> FMATNAME;
    std::int32_t FNUMVERTEX = 0;
    std::int32_t FNUMINDICES = 0;
    T3dpoint FPIVOT;
    std::vector<std::int32_t> FBONEID;
    std::vector<T3dpoint> FVNORMAL;
    std::vector<TGLMap> FMAPPING;
    std::vector<std::uint16_t> FMATID;
    std::vector<std::uint32_t> FSMOOTHINGGROUP;
    std::vector<std::uint16_t> FINDICES;
    std::int32_t FDISPLAYLIST = 0;
    T3dpoint FMINIMUM, FMAXIMUM;
    T3dpoint FLOCALCOORDS;
    T3dpoint LOCALAXIS[3];
    std::vector<std::uint16_t> FNORMALINDICES;
    std::vector<T3dpoint> FACENORMAL;
    std::vector<T3dpoint> FVERTEX;

private:
    // The triangles' numbers in drawing order: gathered by material.
    std::vector<std::int32_t> materialOrder() const;
};

class TGLAll3dsMesh {
public:
    TGLAll3dsMesh() = default;
    ~TGLAll3dsMesh() = default;
    TGLAll3dsMesh(const TGLAll3dsMesh&) = delete;
    TGLAll3dsMesh& operator=(const TGLAll3dsMesh&) = delete;

    // Reads the file by its ending (".3ds", MilkShape ".txt", ".bin"; others
    // load nothing); FNAME keeps the name.
    void LOADFROMFILE(const std::string& fileName);
    // Reads a 3DS file; its maps are looked for in the file's folder.
    void LOAD3DSFROMFILE(const std::string& fileName);
    // Reads the bytes of a 3DS file: the chunks, the passes below, the
    // textures and the display list. Bad or truncated input gives what could be read.
    void LOAD3DSFROMSTREAM(std::span<const std::uint8_t> stream);
    // The chunks alone, into emptied lists; every triangle names existing vertices afterwards.
    void READ3DSCHUNKS(std::span<const std::uint8_t> stream);
    // The passes every reader runs after its chunks, in this order.
    void POSTPROCESS();

    // Reads a MilkShape text file: meshes and materials, then, when the file
    // has bones, a skeleton of them that the mesh is skinned with (INITSKIN).
    void LOADMSAFROMFILE(const std::string& fileName);
    // The meshes and materials of a MilkShape text, prepared for drawing
    // (READMSA, PREPAREREAD) and textured; FLOADSKELETON tells whether it has bones.
    void LOADMSAFROMSTREAM(std::string_view text);
    // The sections alone, into emptied lists; every triangle names existing vertices afterwards.
    void READMSA(std::string_view text);
    // Reads the program's binary mesh format.
    void LOADBINFROMFILE(const std::string& fileName);
    // READBIN, PREPAREREAD, textures and the display list.
    void LOADBINFROMSTREAM(std::span<const std::uint8_t> stream);
    // The records alone; a stream without the magic leaves the model as it was,
    // one cut short keeps the meshes and materials read whole.
    void READBIN(std::span<const std::uint8_t> stream);
    // The meshes and materials in the binary format (the skeletons are not part of it).
    std::vector<std::uint8_t> SAVEBINTOSTREAM() const;
    bool SAVEBINTOFILE(const std::string& fileName) const;
    // What the MilkShape and binary readers run after reading: triangle
    // normals from the file's (CALCFACENORMALS), boxes, render order and mesh numbers.
    void PREPAREREAD();
    // Per triangle the normalised sum of its three file normals, or, when they
    // sum to zero or are missing, the normal of the side its corners run
    // counter-clockwise.
    void CALCFACENORMALS();
    // Moves every vertex bound to a bone of skeleton FCURRENTGLSKELETON into
    // that bone's rest frame; vertices bound to no bone of it stay.
    void INITSKIN();
    // The skeleton used for skinning, or nullptr.
    TGLSkeleton* SKINSKELETON() const;
    // Draws the meshes with every bound vertex placed by its bone's matrix of `pose`
    // (as TGLSkeleton::POSE gives for the skin skeleton); unbound vertices stay.
    void RENDERPOSED(const std::vector<clsMatrix>& pose) const;

    // The meshes whose boxes may show in the current view: the opaque ones
    // by how far the farthest corner of their box lies from the eye, so that
    // near and small ones come before the large ones that stretch behind
    // them (the ground, a ring of hills, trees spread over the land), then
    // the see-through ones in render order. The depth test then spares the
    // renderer the texturing of what nearer meshes hide; the picture is the
    // same in any order.
    void RENDER() const;
    TGL3dsMesh* GETMESH(std::int32_t index) const { return FMESH[static_cast<std::size_t>(index)].get(); }
    TGL3dsMaterial* GETMATERIAL(std::int32_t index) const { return FMATERIAL[static_cast<std::size_t>(index)].get(); }
    // The first material of that name, letter case ignored; -1 when there is none.
    std::int32_t GETMATERIALIDBYNAME(const std::string& name) const;
    // The material a triangle's number names, or nullptr when it names none.
    const TGL3dsMaterial* materialOrNull(std::uint16_t id) const;

    void MOVETOPIVOT();
    void CALCULATESCALE();
    // Per triangle its face normal; per vertex the normal of the last triangle using it.
    void CALCVNORMALS();
    // Every mesh's box, and the model's box, which always holds the origin.
    void CALCULATESIZE();
    // Meshes with a see-through triangle move behind all the others.
    void CALCULATERENDERORDER();
    // Compiles every drawn mesh into a display list of its own and fixes the
    // order RENDER starts from (an OpenGL context must be current).
    void COMPILEDISPLAYLIST();

    std::string FNAME;
    std::int32_t FTYPE = 0;
    float FMASTERSCALE = 0;  // 0 means 1
    std::vector<std::unique_ptr<TGL3dsMesh>> FMESH;
    std::vector<std::int32_t> FRENDERORDER;
    std::vector<std::unique_ptr<TGL3dsMaterial>> FMATERIAL;
    T3dpoint FMINIMUM, FMAXIMUM;
    std::int32_t FVERSION = 0, FSUBVERSION = 0;
    std::int32_t FNUMMESHES = 0;
    std::int32_t FNUMMATERIALS = 0;
    std::string FTEXTUREPATH;  // folder of the texture maps; empty: the working directory
    std::vector<std::unique_ptr<TGLSkeleton>> FSKELETON;
    std::int32_t FNUMSKELETONS = 0;
    std::int32_t FCURRENTGLSKELETON = 0;  // the skeleton the skin is bound to
    bool FLOADSKELETON = false;           // the last MilkShape file read has bones

private:
    // The drawn meshes in render order, the opaque ones first and smallest
    // box first, and how many of them are opaque.
    struct MeshOrder {
        std::vector<std::int32_t> meshes;
        std::size_t opaque = 0;
    };
    bool seeThrough(std::int32_t meshIndex) const;
    MeshOrder fillOrder() const;
    void clear();
    void clearMeshesAndMaterials();

    MeshOrder drawOrder_;  // fillOrder, fixed when the lists are compiled
};

// Calls visit(mesh, a, b, c) with the three corner indices of every triangle
// of the meshes that are drawn, in file order.
template <class Visit>
void FOREACHTRIANGLE(const TGLAll3dsMesh& model, Visit&& visit) {
    for (std::int32_t m = 0; m < model.FNUMMESHES; ++m) {
        const TGL3dsMesh& mesh = *model.GETMESH(m);
        for (std::int32_t f = 0; f + 2 < mesh.FNUMINDICES; f += 3)
            visit(mesh, mesh.GETFACE(f), mesh.GETFACE(f + 1), mesh.GETFACE(f + 2));
    }
}

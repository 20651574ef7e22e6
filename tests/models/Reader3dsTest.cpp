// 3DS files read into models: materials, objects in the world's frame, the
// passes after reading, and files that are hostile or cut short.
#include "models/ModelTestSupport.h"

#include <algorithm>
#include <cmath>
#include <random>

using namespace w3ds;

namespace {

Bytes twoMaterials() {
    const Bytes bump = chunk(MAT_BUMPMAP, chunk(INT_PERCENTAGE, u16(50)) + chunk(MAT_MAPFILE, text("bump.tga")));
    return material("Brick", byteColour(MAT_DIFFUSE, 255, 128, 0) + floatColour(MAT_SPECULAR, 0.1f, 0.2f, 0.3f) +
                                 textureMap("brick.tga") + bump) +
           material("Glass", floatColour(MAT_AMBIENT, 0.2f, 0.4f, 0.6f) + percentage(MAT_TRANSPARENCY, 25) +
                                 chunk(MAT_TWO_SIDE));
}

// A floor triangle and a wall triangle, two materials, mapping, smoothing,
// a matrix, a camera, an unknown chunk of 20 bytes and a keyframer.
Bytes smallScene() {
    const Bytes floor = object(
        "Floor", vertices({{1, 2, 3}, {4, 2, 3}, {4, 5, 3}, {1, 5, 3}}) + mapping({{0, 0}, {1, 0}, {1, 1}, {0, 1}}) +
                     faces({{0, 1, 2}, {0, 2, 3}}, materialGroup("glass", {1}) + chunk(TRI_SMOOTH, u32(1) + u32(2))) +
                     chunk(TRI_MATRIX, Bytes(48, 0)));
    const Bytes wall = object("Wall", vertices({{0, 0, 0}, {2, 0, 0}, {2, 0, 2}}) + faces({{0, 1, 2}}));
    const Bytes camera = chunk(EDIT_OBJECT, text("Cam") + chunk(OBJ_CAMERA, Bytes(32, 0)));
    const Bytes unknown = chunk(0x1200, Bytes(14, 0xEE));
    return file(twoMaterials() + floor + unknown + wall + camera,
                keyframer({{0, 0, 0}, {1, 1, 1}, {9, 9, 9}, {9, 9, 9}}));
}

}  // namespace

class Reader3ds : public ModelTest {};

TEST_F(Reader3ds, MaterialsKeepTheirColoursOpacityAndMaps) {
    const auto model = loaded(file(twoMaterials()));
    ASSERT_EQ(model->FNUMMATERIALS, 2);
    const TGL3dsMaterial& brick = *model->GETMATERIAL(0);
    EXPECT_FLOAT_EQ(brick.FDIFR, 1.0f);
    EXPECT_FLOAT_EQ(brick.FDIFG, 128 / 255.0f);
    EXPECT_FLOAT_EQ(brick.FDIFB, 0.0f);
    EXPECT_FLOAT_EQ(brick.FSPCB, 0.3f);
    EXPECT_TRUE(brick.FHASTEXTUREMAP);
    EXPECT_EQ(brick.FFILENAME, "brick.tga") << "the bump map's file does not replace the texture map";
    EXPECT_TRUE(brick.FHASBUMPMAP);
    EXPECT_EQ(brick.FBUMPMAPFILENAME, "bump.tga");
    EXPECT_FLOAT_EQ(brick.FBUMPMAPSTRENGTH, 0.005f);
    EXPECT_FLOAT_EQ(brick.FTRANSPARENCY, 1.0f);

    const TGL3dsMaterial& glass = *model->GETMATERIAL(1);
    EXPECT_TRUE(glass.FISAMBIENT);
    EXPECT_FLOAT_EQ(glass.FAMBB, 0.6f);
    EXPECT_FLOAT_EQ(glass.FTRANSPARENCY, 0.75f);
    EXPECT_TRUE(glass.FTWOSIDED);
    EXPECT_FALSE(glass.FHASTEXTUREMAP);

    EXPECT_EQ(model->GETMATERIALIDBYNAME("GLASS"), 1);
    EXPECT_EQ(model->GETMATERIALIDBYNAME("stone"), -1);
}

TEST_F(Reader3ds, ObjectsBecomeMeshesStandingInTheWorldsFrame) {
    const auto model = loaded(smallScene(), 2.5f);
    EXPECT_EQ(model->FVERSION, 3);
    ASSERT_EQ(model->FNUMMESHES, 3) << "floor, wall and the camera (an empty mesh)";
    const TGL3dsMesh& floor = *model->GETMESH(0);
    EXPECT_EQ(floor.FNAME, "Floor");
    EXPECT_EQ(floor.FID, 1);
    // File (x, y, z) becomes (x, z, y), scaled.
    expectPoint(floor.GETVERTEX(0), {2.5f, 7.5f, 5.0f});
    EXPECT_EQ(floor.FNUMINDICES, 6);
    EXPECT_EQ(floor.FMAPPING.size(), 4u);
    EXPECT_FLOAT_EQ(floor.FMAPPING[2].TV, 1.0f);
    EXPECT_EQ(floor.FMATNAME, std::vector<std::string>{"glass"});
    EXPECT_EQ(floor.FMATID, (std::vector<std::uint16_t>{0, 1})) << "an unlisted triangle keeps material 0";
    EXPECT_EQ(floor.FSMOOTHINGGROUP, (std::vector<std::uint32_t>{1, 2}));

    // The wall's pivot (second keyframer node) is taken off after y and z are exchanged.
    const TGL3dsMesh& wall = *model->GETMESH(1);
    EXPECT_EQ(wall.FNAME, "Wall");
    expectPoint(wall.GETVERTEX(2), {(2 - 1) * 2.5f, (2 - 1) * 2.5f, (0 - 1) * 2.5f});

    const TGL3dsMesh& camera = *model->GETMESH(2);
    EXPECT_EQ(camera.FNAME, "Cam");
    EXPECT_EQ(camera.FNUMVERTEX, 0);
    EXPECT_EQ(camera.FNUMINDICES, 0);
    expectPoint(camera.FPIVOT, {9, 9, 9});
}

TEST_F(Reader3ds, FacesWrittenCounterClockwiseFromOutsideGetOutwardNormals) {
    // A closed box from 0 to 2 in the file's frame, its faces counter-clockwise seen from outside.
    const Bytes box = object(
        "Box", vertices({{0, 0, 0}, {2, 0, 0}, {2, 2, 0}, {0, 2, 0}, {0, 0, 2}, {2, 0, 2}, {2, 2, 2}, {0, 2, 2}}) +
                   faces({{0, 2, 1},
                          {0, 3, 2},
                          {4, 5, 6},
                          {4, 6, 7},
                          {0, 1, 5},
                          {0, 5, 4},
                          {1, 2, 6},
                          {1, 6, 5},
                          {2, 3, 7},
                          {2, 7, 6},
                          {3, 0, 4},
                          {3, 4, 7}}));
    const auto model = loaded(file(box));
    const TGL3dsMesh& mesh = *model->GETMESH(0);
    ASSERT_EQ(mesh.FACENORMAL.size(), 12u);
    for (std::int32_t t = 0; t < 12; ++t) {
        T3dpoint centre;
        for (int k = 0; k < 3; ++k) {
            const T3dpoint& p = mesh.GETVERTEX(mesh.GETFACE(3 * t + k));
            centre = {centre.X + p.X / 3, centre.Y + p.Y / 3, centre.Z + p.Z / 3};
        }
        const T3dpoint& n = mesh.FACENORMAL[static_cast<std::size_t>(t)];
        const float outward = n.X * (centre.X - 1) + n.Y * (centre.Y - 1) + n.Z * (centre.Z - 1);
        EXPECT_GT(outward, 0.3f) << "triangle " << t;
        EXPECT_NEAR(n.X * n.X + n.Y * n.Y + n.Z * n.Z, 1.0f, 1e-5f);
    }
    // The model's box always holds the origin; a mesh's box is its own.
    const auto shifted = loaded(file(object("Far", vertices({{6, 6, 6}, {8, 6, 6}, {8, 8, 6}}) + faces({{0, 1, 2}}))));
    expectPoint(shifted->FMINIMUM, {0, 0, 0});
    expectPoint(shifted->FMAXIMUM, {8, 6, 8});
    expectPoint(shifted->GETMESH(0)->FMINIMUM, {6, 6, 6});
}

TEST_F(Reader3ds, MeshesWithSeeThroughTrianglesAreDrawnLast) {
    const Bytes triangle = vertices({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}});
    const Bytes glassMesh = object("A", triangle + faces({{0, 1, 2}}, materialGroup("Glass", {0})));
    const Bytes brickMesh = object("B", triangle + faces({{0, 1, 2}}, materialGroup("Brick", {0})));
    const auto model = loaded(file(twoMaterials() + glassMesh + brickMesh + brickMesh));
    EXPECT_EQ(model->FRENDERORDER, (std::vector<std::int32_t>{2, 1, 0}));
}

TEST_F(Reader3ds, HostileChunksAreReadOnlyWithinTheirBoundsAndNeverWithoutTheirOwner) {
    {
        SCOPED_TRACE("a name chunk claiming more than its material holds ends with the material");
        Bytes first = material("A");
        first[first.size() - 2 - 6 + 2] = 0xFF;  // the name chunk's length
        const auto model = loaded(file(first + material("B")));
        ASSERT_EQ(model->FNUMMATERIALS, 2);
        EXPECT_EQ(model->GETMATERIAL(1)->FNAME, "B");
    }
    {
        SCOPED_TRACE("a length below six skips the rest of its parent only");
        const Bytes bad = u16(MAT_TWO_SIDE) + u32(3);
        const auto model = loaded(file(chunk(MAT_MATRIAL, chunk(MAT_MATNAME, text("A")) + bad + chunk(MAT_TWO_SIDE)) +
                                       material("B", chunk(MAT_TWO_SIDE))));
        ASSERT_EQ(model->FNUMMATERIALS, 2);
        EXPECT_FALSE(model->GETMATERIAL(0)->FTWOSIDED);
        EXPECT_TRUE(model->GETMATERIAL(1)->FTWOSIDED);
    }
    {
        SCOPED_TRACE("counts are cut to the records present; faces naming missing vertices go with their materials");
        Bytes points = vertices({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}});
        points[6] = 200;  // claims 200 vertices
        const auto model =
            loaded(file(twoMaterials() +
                        object("M", points + faces({{0, 1, 2}, {0, 1, 9}, {2, 1, 0}},
                                                   materialGroup("Brick", {0, 7}) + materialGroup("Glass", {1, 2})))));
        const TGL3dsMesh& mesh = *model->GETMESH(0);
        EXPECT_EQ(mesh.FNUMVERTEX, 3);
        EXPECT_EQ(mesh.FMAPPING.size(), 3u);
        EXPECT_EQ(mesh.FNUMINDICES, 6);
        EXPECT_EQ(mesh.FMATID, (std::vector<std::uint16_t>{0, 1}));
        EXPECT_EQ(mesh.FACENORMAL.size(), 2u);
    }
    {
        SCOPED_TRACE("chunks before their material, object or keyframer node are ignored");
        const auto model = loaded(
            chunk(MAIN3DS, chunk(MAT_TWO_SIDE) + byteColour(MAT_DIFFUSE, 1, 2, 3) + vertices({{1, 1, 1}}) +
                               faces({{0, 0, 0}}, materialGroup("X", {0})) + chunk(KEYF_OBJPIVOT, Bytes(12, 1))));
        EXPECT_EQ(model->FNUMMESHES, 0);
        EXPECT_EQ(model->FNUMMATERIALS, 0);
    }
    {
        SCOPED_TRACE("non-finite floats read as 0, opacity stays within 0 .. 1, 300 groups do not wrap");
        Bytes groups;
        for (int g = 0; g < 300; ++g) groups += materialGroup(std::to_string(g), {});
        const auto model = loaded(file(
            material("Over", percentage(MAT_TRANSPARENCY, 120)) + material("Under", percentage(MAT_TRANSPARENCY, -50)) +
            object("N", vertices({{NAN, INFINITY, 1}}) + chunk(OBJ_TRIMESH) + faces({}, groups))));
        EXPECT_FLOAT_EQ(model->GETMATERIAL(0)->FTRANSPARENCY, 0.0f);
        EXPECT_FLOAT_EQ(model->GETMATERIAL(1)->FTRANSPARENCY, 1.0f);
        ASSERT_EQ(model->FNUMMESHES, 1) << "a second triangle-mesh chunk makes no second mesh";
        expectPoint(model->GETMESH(0)->GETVERTEX(0), {0, 1, 0});
        EXPECT_EQ(model->GETMESH(0)->FMATNAME.size(), 300u);
    }
}

TEST_F(Reader3ds, FilesCutShortGiveNoMoreThanTheWholeFileHas) {
    const Bytes whole = smallScene();
    const auto full = loaded(whole);
    std::vector<std::size_t> cuts = chunkBoundaries(whole);
    std::mt19937 random(16);
    for (int i = 0; i < 200; ++i) cuts.push_back(std::uniform_int_distribution<std::size_t>(0, whole.size())(random));
    for (const std::size_t cut : cuts) {
        const auto part = loaded(Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut)));
        expectNoMoreThan(*part, *full, cut);
    }
}

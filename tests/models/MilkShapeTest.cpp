// MilkShape text files read into models and skeletons: meshes, materials,
// bones and keys, skinning, and files that are hostile or cut short.
#include "models/ModelTestSupport.h"

#include <string>

namespace {

// Two meshes (one named with spaces and without a material), two materials
// and three bones, the last of them bound to the first mesh's third vertex.
const char* SMALL = R"(// MilkShape 3D ASCII
Frames: 30
Frame: 1
Meshes: 2
"Box01" 0 1
3
0 1.0 2.0 3.0 0.25 0.75 -1
0 4.0 2.0 3.0 1.0 0.0 0
0 4.0 5.0 3.0 1.0 1.0 2
2
0.0 0.0 1.0
0.0 0.0 -1.0
2
0 0 1 2 0 0 0 1
0 0 1 9 0 0 0 1
"Left arm" 0 -1
3
0 0 0 0 0 0 -1
0 1 0 0 0 0 -1
0 0 1 0 0 0 -1
0
1
0 0 1 2 5 7 0 1
Materials: 2
"Stone"
0.0 0.2 0.0 1.0
0.5 0.5 0.5 1.0
0.0 0.0 0.0 1.0
0.0 0.0 0.0 1.0
0.0
1.0
""
""
"Glass"
0.0 0.0 0.0 1.0
0.2 0.4 0.6 0.5
0.9 0.9 0.9 1.0
0.0 0.0 0.0 1.0
64.0
0.5
"glass.tga"
"glassalpha.tga"
Bones: 3
"Root"
""
8 0 0 0 0 0 0
1
12.6 0 0 0
1
-2.5 0 0 0
"Upper"
"root"
8 1 0 0 0 0 1.5707963
0
0
"Tip"
"Upper"
8 0 2 0 0 0 0
0
0
Meshes: 7
)";

}  // namespace

class MilkShape : public ModelTest {};

TEST_F(MilkShape, MeshesAndMaterialsAreReadAsTheFileGivesThem) {
    TGLAll3dsMesh model;
    model.LOADMSAFROMSTREAM(SMALL);
    ASSERT_EQ(model.FNUMMESHES, 2);  // the keyword on the last line is never looked at
    ASSERT_EQ(model.FNUMMATERIALS, 2);
    const TGL3dsMesh& box = *model.GETMESH(0);
    EXPECT_EQ(box.FNAME, "Box01");
    expectPoint(box.FVERTEX[0], {1, 2, 3});
    EXPECT_FLOAT_EQ(box.FMAPPING[0].TU, 0.25f);
    EXPECT_FLOAT_EQ(box.FMAPPING[0].TV, 0.25f);
    EXPECT_EQ(box.FBONEID[0], -1);
    // The triangle naming vertex 9 is left out.
    ASSERT_EQ(box.FNUMINDICES, 3);
    EXPECT_EQ(box.FMATID, std::vector<std::uint16_t>{1});
    EXPECT_EQ(box.FMATNAME, std::vector<std::string>{"Glass"});
    // The face normal is the sum of the file's normals, which point along +z here.
    expectPoint(box.FACENORMAL[0], {0, 0, 1});

    const TGL3dsMesh& arm = *model.GETMESH(1);
    EXPECT_EQ(arm.FNAME, "Left arm");
    EXPECT_EQ(arm.FMATNAME, std::vector<std::string>{""});
    EXPECT_EQ(model.materialOrNull(arm.FMATID[0]), nullptr);  // drawn with the neutral default
    // Its normals are missing, so the corners give the face normal, on the
    // side from which they run counter-clockwise.
    expectPoint(arm.FACENORMAL[0], {0, 0, 1});

    const TGL3dsMaterial& stone = *model.GETMATERIAL(0);
    EXPECT_TRUE(stone.FISAMBIENT);
    EXPECT_FALSE(stone.FHASTEXTUREMAP);
    const TGL3dsMaterial& glass = *model.GETMATERIAL(1);
    EXPECT_FALSE(glass.FISAMBIENT);
    EXPECT_TRUE(glass.FISDIFFUSE && glass.FISSPECULAR);
    EXPECT_FLOAT_EQ(glass.FTRANSPARENCY, 0.5f);
    EXPECT_FLOAT_EQ(glass.FBUMPMAPSTRENGTH, 0.5f);
    EXPECT_TRUE(glass.FHASTEXTUREMAP && glass.FHASBUMPMAP);
    EXPECT_EQ(glass.FFILENAME, "glass.tga");
    EXPECT_TRUE(model.FLOADSKELETON);
    // The see-through box is drawn last.
    EXPECT_EQ(model.FRENDERORDER, (std::vector<std::int32_t>{1, 0}));
}

TEST_F(MilkShape, BonesKeysAndTheSkinOfAFileWithBones) {
    const std::string path = ::testing::TempDir() + "small-bones.txt";
    {
        FILE* file = std::fopen(path.c_str(), "wb");
        std::fputs(SMALL, file);
        std::fclose(file);
    }
    TGLAll3dsMesh model;
    model.LOADFROMFILE(path);
    EXPECT_EQ(model.FTYPE, MESHMSA);
    ASSERT_EQ(model.FNUMSKELETONS, 1);
    const TGLSkeleton& skeleton = *model.FSKELETON[0];
    EXPECT_EQ(skeleton.FNUMFRAMES, 30);
    EXPECT_EQ(skeleton.FCURRENTFRAME, 1);
    ASSERT_EQ(skeleton.FNUMBONES, 3);
    EXPECT_EQ(skeleton.GETBONE(1)->FPARENT, skeleton.GETBONE(0));
    EXPECT_EQ(skeleton.GETBONE(0)->FTRANSLATEFRAME[0].TIME, 13);
    EXPECT_EQ(skeleton.GETBONE(0)->FROTATEFRAME[0].TIME, -3);  // halves round away from zero
    // Tip: Upper's joint at (1, 0, 0) turned 90 degrees about z, so its y offset points along -x.
    expectPoint(skeleton.GETBONE(2)->FMATRIX.TRANSLATION(), {-1, 0, 0});
    // The vertex bound to Tip, (4, 5, 3), now lies in Tip's frame; the pose of
    // rest puts it back, and unbound vertices never moved.
    const TGL3dsMesh& box = *model.GETMESH(0);
    expectPoint(box.FVERTEX[2], {5, -5, 3});
    expectPoint(skeleton.GETBONE(2)->FMATRIX.TRANSFORMPOINT(box.FVERTEX[2]), {4, 5, 3});
    expectPoint(box.FVERTEX[0], {1, 2, 3});
}

TEST_F(MilkShape, HostileCountsIndicesAndNumbersGiveADrawableModel) {
    const char* text = R"(Meshes: 3
"Big" 0 70000
1000000
0 1e999 nan 0x10 0 0 -7
0 1,5 2 3 0 0 99999999999
-4
3
0 0 1 1 70000 -1 0 0
2
Materials: 1000
"Only"
)";
    TGLAll3dsMesh model;
    model.READMSA(text);
    model.PREPAREREAD();
    ASSERT_EQ(model.FNUMMESHES, 1);
    EXPECT_EQ(model.FNUMMATERIALS, 0);
    const TGL3dsMesh& mesh = *model.GETMESH(0);
    // Only the lines that follow are read as vertices; numbers that are not plain decimals are 0.
    EXPECT_LE(mesh.FNUMVERTEX, 11);
    expectPoint(mesh.FVERTEX[0], {0, 0, 0});
    expectPoint(mesh.FVERTEX[1], {1, 5, 2});
    EXPECT_EQ(mesh.FVERTEX.size(), static_cast<std::size_t>(mesh.FNUMVERTEX));
    EXPECT_EQ(mesh.FMATID.size() * 3, mesh.FINDICES.size());
    EXPECT_EQ(mesh.FACENORMAL.size() * 3, mesh.FINDICES.size());
    for (const std::uint16_t v : mesh.FINDICES) EXPECT_LT(v, mesh.FNUMVERTEX);
    for (const std::uint16_t id : mesh.FMATID) EXPECT_EQ(model.materialOrNull(id), nullptr);
}

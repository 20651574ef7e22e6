// The generated sample puppet and walk: what they hold, the skin in its rest
// pose, the two formats of the puppet agreeing, round trips through the binary
// format, and every prefix of the files loading clean.
#include "models/ModelTestSupport.h"

#include "KEVA_3DS/TextLines.h"
#include "kestrova/FileBytes.h"

#include <algorithm>
#include <string>

namespace {

const std::string SAMPLES = std::string(KESTROVA_TEST_DATA) + "/samples/";

std::string sampleText(const char* name) {
    std::string text;
    EXPECT_TRUE(readFileText(SAMPLES + name, text)) << name;
    return text;
}

std::vector<std::uint8_t> sampleBytes(const char* name) {
    std::vector<std::uint8_t> bytes;
    EXPECT_TRUE(readFileBytes(SAMPLES + name, bytes)) << name;
    return bytes;
}

// What drawing needs of any model: lists that fit, corners inside their mesh,
// a face normal and a material (or none) per triangle, the render order a permutation.
void expectDrawable(const TGLAll3dsMesh& model) {
    ASSERT_EQ(model.FMESH.size(), static_cast<std::size_t>(model.FNUMMESHES));
    ASSERT_EQ(model.FMATERIAL.size(), static_cast<std::size_t>(model.FNUMMATERIALS));
    std::vector<std::int32_t> order = model.FRENDERORDER;
    std::sort(order.begin(), order.end());
    for (std::size_t i = 0; i < order.size(); ++i) ASSERT_EQ(order[i], static_cast<std::int32_t>(i));
    for (const auto& mesh : model.FMESH) {
        ASSERT_EQ(mesh->FVERTEX.size(), static_cast<std::size_t>(mesh->FNUMVERTEX));
        ASSERT_EQ(mesh->FMAPPING.size(), mesh->FVERTEX.size());
        ASSERT_EQ(mesh->FINDICES.size(), static_cast<std::size_t>(mesh->FNUMINDICES));
        ASSERT_EQ(mesh->FINDICES.size() % 3, 0u);
        ASSERT_EQ(mesh->FACENORMAL.size(), mesh->FINDICES.size() / 3);
        if (mesh->FNUMINDICES > 0) {
            ASSERT_EQ(mesh->FMATID.size(), mesh->FINDICES.size() / 3);
        }
        for (const std::uint16_t v : mesh->FINDICES) ASSERT_LT(v, mesh->FNUMVERTEX);
    }
}

void expectSameMeshesAndMaterials(const TGLAll3dsMesh& a, const TGLAll3dsMesh& b) {
    ASSERT_EQ(a.FNUMMESHES, b.FNUMMESHES);
    ASSERT_EQ(a.FNUMMATERIALS, b.FNUMMATERIALS);
    for (std::int32_t m = 0; m < a.FNUMMESHES; ++m) {
        const TGL3dsMesh &x = *a.GETMESH(m), &y = *b.GETMESH(m);
        SCOPED_TRACE(x.FNAME);
        EXPECT_EQ(x.FNAME, y.FNAME);
        ASSERT_EQ(x.FNUMVERTEX, y.FNUMVERTEX);
        for (std::size_t v = 0; v < x.FVERTEX.size(); ++v) {
            expectPoint(x.FVERTEX[v], y.FVERTEX[v]);
            EXPECT_NEAR(x.FMAPPING[v].TU, y.FMAPPING[v].TU, 1e-5f);
            EXPECT_NEAR(x.FMAPPING[v].TV, y.FMAPPING[v].TV, 1e-5f);
            EXPECT_EQ(x.FBONEID[v], y.FBONEID[v]);
        }
        EXPECT_EQ(x.FINDICES, y.FINDICES);
        EXPECT_EQ(x.FMATID, y.FMATID);
        for (std::size_t t = 0; t < x.FACENORMAL.size(); ++t) expectPoint(x.FACENORMAL[t], y.FACENORMAL[t]);
    }
    for (std::int32_t m = 0; m < a.FNUMMATERIALS; ++m) {
        const TGL3dsMaterial &x = *a.GETMATERIAL(m), &y = *b.GETMATERIAL(m);
        EXPECT_EQ(x.FNAME, y.FNAME);
        EXPECT_EQ(x.FFILENAME, y.FFILENAME);
        EXPECT_EQ(x.FHASTEXTUREMAP, y.FHASTEXTUREMAP);
        EXPECT_NEAR(x.FTRANSPARENCY, y.FTRANSPARENCY, 1e-6f);
        EXPECT_NEAR(x.FDIFR, y.FDIFR, 1e-6f);
        EXPECT_NEAR(x.FDIFG, y.FDIFG, 1e-6f);
        EXPECT_NEAR(x.FDIFB, y.FDIFB, 1e-6f);
        EXPECT_NEAR(x.FAMBR, y.FAMBR, 1e-6f);
        EXPECT_NEAR(x.FSPCB, y.FSPCB, 1e-6f);
    }
}

}  // namespace

class SampleModels : public ModelTest {};

TEST_F(SampleModels, ThePuppetIsAJointedFigureWhoseSkinRestsWhereTheFilePutIt) {
    TGLAll3dsMesh model;
    model.LOADFROMFILE(SAMPLES + "puppet.txt");
    expectDrawable(model);
    EXPECT_GE(model.FNUMMESHES, 2);
    EXPECT_GE(model.FNUMMATERIALS, 3);
    const auto& materials = model.FMATERIAL;
    EXPECT_TRUE(std::any_of(materials.begin(), materials.end(), [](const auto& m) { return m->FTRANSPARENCY < 1; }));
    EXPECT_TRUE(std::any_of(materials.begin(), materials.end(), [](const auto& m) { return m->FTEXID != 0; }));
    ASSERT_EQ(model.FNUMSKELETONS, 1);
    const TGLSkeleton& skeleton = *model.FSKELETON[0];
    ASSERT_GE(skeleton.FNUMBONES, 10);
    for (std::int32_t b = 1; b < skeleton.FNUMBONES; ++b) {
        EXPECT_NE(skeleton.GETBONE(b)->FPARENT, nullptr) << b;
        EXPECT_GT(skeleton.GETBONE(b)->FNUMROTATEFRAMES, 0) << b;
    }

    TGLAll3dsMesh unskinned;
    unskinned.READMSA(sampleText("puppet.txt"));
    const std::vector<clsMatrix> rest = skeleton.POSE(0);
    for (std::int32_t m = 0; m < model.FNUMMESHES; ++m) {
        const TGL3dsMesh &skin = *model.GETMESH(m), &file = *unskinned.GETMESH(m);
        for (std::size_t v = 0; v < skin.FVERTEX.size(); ++v) {
            ASSERT_GE(skin.FBONEID[v], 0);
            ASSERT_LT(skin.FBONEID[v], skeleton.FNUMBONES);
            expectPoint(rest[static_cast<std::size_t>(skin.FBONEID[v])].TRANSFORMPOINT(skin.FVERTEX[v]), file.FVERTEX[v]);
        }
    }
}

TEST_F(SampleModels, TheBinaryPuppetHoldsTheTextPuppetsMeshesAndRoundTrips) {
    TGLAll3dsMesh text, binary;
    text.READMSA(sampleText("puppet.txt"));
    text.PREPAREREAD();
    const std::vector<std::uint8_t> file = sampleBytes("puppet.bin");
    binary.READBIN(file);
    binary.PREPAREREAD();
    expectSameMeshesAndMaterials(text, binary);
    // Read then written gives the same bytes; the text puppet written and read back is itself.
    EXPECT_EQ(binary.SAVEBINTOSTREAM(), file);
    TGLAll3dsMesh again;
    again.READBIN(text.SAVEBINTOSTREAM());
    again.PREPAREREAD();
    expectSameMeshesAndMaterials(text, again);
}

TEST_F(SampleModels, TheWalkMovesForwardOnFeetThatMeetTheGround) {
    TGLSkeleton walk(nullptr);
    walk.LOADFROMFILE(SAMPLES + "walk.bvh");
    ASSERT_GE(walk.FNUMBONES, 18);
    ASSERT_GE(walk.FNUMFRAMES, 120);
    EXPECT_EQ(walk.GETBONE(0)->FBVHCHANNELTYPE, CHANNELTYPETRANSLATE | CHANNELTYPERZXY);
    EXPECT_NE(walk.GETBONEBYNAME("head")->FBVHCHANNELTYPE, CHANNELTYPERZXY);
    const TGL3dsBone* feet[] = {walk.GETBONEBYNAME("LeftToe"), walk.GETBONEBYNAME("RightToe")};
    ASSERT_TRUE(feet[0] && feet[1]);
    float lastHips = -1e9f;
    for (std::int32_t f = 1; f <= walk.FNUMFRAMES; ++f) {
        const std::vector<clsMatrix> pose = walk.POSE(f);
        const auto height = [&](const TGL3dsBone* bone) {
            return pose[static_cast<std::size_t>(std::find_if(walk.FBONE.begin(), walk.FBONE.end(),
                                                              [&](const auto& b) { return b.get() == bone; }) -
                                                 walk.FBONE.begin())]
                .TRANSLATION()
                .Y;
        };
        // One foot always carries the figure; neither sinks into the floor.
        const float lower = std::min(height(feet[0]), height(feet[1]));
        EXPECT_GT(lower, -0.4f) << f;
        EXPECT_LT(lower, 0.6f) << f;
        const float hips = pose[0].TRANSLATION().Z;
        EXPECT_GT(hips, lastHips) << f;
        lastHips = hips;
    }
}

TEST_F(SampleModels, EveryPrefixOfTheSamplesLoadsCompleteRecordsOnly) {
    const std::vector<std::uint8_t> bin = sampleBytes("puppet.bin");
    TGLAll3dsMesh whole;
    whole.READBIN(bin);
    // Cuts a few bytes or lines apart, so that the test stays cheap under the
    // sanitizers; the fuzz targets try every cut.
    for (std::size_t cut = 0; cut < bin.size(); cut += 13) {
        TGLAll3dsMesh part;
        part.READBIN(std::span(bin).first(cut));
        part.PREPAREREAD();
        expectDrawable(part);
        for (std::int32_t m = 0; m < part.FNUMMESHES; ++m)
            ASSERT_EQ(part.GETMESH(m)->FNUMINDICES, whole.GETMESH(m)->FNUMINDICES) << cut;
    }
    const auto cuts = [](const std::string& text, std::size_t every, auto&& load) {
        const std::vector<std::string_view> lines = splitLines(text);
        for (std::size_t l = 0; l < lines.size(); l += every)
            load(std::string_view(text).substr(0, static_cast<std::size_t>(lines[l].data() - text.data())));
    };
    cuts(sampleText("puppet.txt"), 7, [](std::string_view part) {
        TGLAll3dsMesh model;
        model.READMSA(part);
        model.PREPAREREAD();
        expectDrawable(model);
        TGLSkeleton bones(nullptr);
        bones.LOADMSAFROMSTREAM(part);
        EXPECT_EQ(bones.FBONE.size(), static_cast<std::size_t>(bones.FNUMBONES));
    });
    cuts(sampleText("walk.bvh"), 2, [](std::string_view part) {
        TGLSkeleton motion(nullptr);
        motion.LOADBVHFROMSTREAM(part);
        EXPECT_EQ(motion.POSE(motion.FNUMFRAMES).size(), motion.FBONE.size());
    });
}

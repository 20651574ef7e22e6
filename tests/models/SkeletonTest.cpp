// Bone matrices, BVH motion read into skeletons and posed frame by frame, and
// hostile motion files.
#include "models/ModelTestSupport.h"

#include "KEVA_3DS/Skeleton.h"

#include <cmath>
#include <numbers>

namespace {

constexpr float PI = std::numbers::pi_v<float>;

// Hips with a leg and a spine; the spine carries a neck and an arm, each
// closed before the next opens. Frame 1 lifts the hips to (0, 10, 0), frame
// 2 also turns the spine 90 degrees about z; frame 3 turns the hips 90
// degrees about z and 90 about x (Z first, then X) and the spine about y.
const char* BRANCHING = R"(HIERARCHY
ROOT Hips
{
  OFFSET 0 0 0
  CHANNELS 6 Xposition Yposition Zposition Zrotation Xrotation Yrotation
  JOINT LeftUpLeg
  {
    OFFSET 2 0 0
    CHANNELS 3 Zrotation Xrotation Yrotation
    JOINT LeftLeg
    {
      OFFSET 0 -8 0
      CHANNELS 3 Zrotation Xrotation Yrotation
      End Site
      {
        OFFSET 0 -9 0
      }
    }
  }
  JOINT Spine
  {
    OFFSET 0 6 0
    CHANNELS 3 Zrotation Xrotation Yrotation
    JOINT Neck
    {
      OFFSET 0 6 0
      CHANNELS 3 Zrotation Xrotation Yrotation
      End Site
      {
        OFFSET 0 2 0
      }
    }
    JOINT LeftArm
    {
      OFFSET 3 5 0
      CHANNELS 3 Zrotation Xrotation Yrotation
      End Site
      {
        OFFSET 4 0 0
      }
    }
  }
}
MOTION
Frames: 3
Frame Time: 0.0333
0 10 0 0 0 0  0 0 0  0 0 0  0 0 0  0 0 0  0 0 0
0 10 0 0 0 0  0 0 0  0 0 0  90 0 0  0 0 0  0 0 0
1 2 3 90 90 0  0 0 0  0 0 0  0 0 90  0 0 0  0 0 0
)";

std::vector<T3dpoint> joints(const TGLSkeleton& skeleton, std::int32_t frame) {
    std::vector<T3dpoint> out;
    for (const clsMatrix& m : skeleton.POSE(frame)) out.push_back(m.TRANSLATION());
    return out;
}

void expectJoints(const std::vector<T3dpoint>& actual, const std::vector<T3dpoint>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        expectPoint(actual[i], expected[i]);
    }
}

clsMatrix plainRotation(float rx, float ry, float rz) {
    // Rz * Ry * Rx written out element by element (column-major).
    const float m[16] = {std::cos(ry) * std::cos(rz), std::cos(ry) * std::sin(rz), -std::sin(ry), 0,
                         std::sin(rx) * std::sin(ry) * std::cos(rz) - std::cos(rx) * std::sin(rz),
                         std::sin(rx) * std::sin(ry) * std::sin(rz) + std::cos(rx) * std::cos(rz),
                         std::sin(rx) * std::cos(ry), 0,
                         std::cos(rx) * std::sin(ry) * std::cos(rz) + std::sin(rx) * std::sin(rz),
                         std::cos(rx) * std::sin(ry) * std::sin(rz) - std::sin(rx) * std::cos(rz),
                         std::cos(rx) * std::cos(ry), 0,
                         0, 0, 0, 1};
    clsMatrix out;
    out.SETMATRIXVALUES(m);
    return out;
}

}  // namespace

TEST(BoneMatrix, RotationIsZThenYThenXAndTheInversesUndoTheTransform) {
    const float angles[3] = {0.3f, -1.1f, 2.0f};
    clsMatrix m;
    m.SETROTATIONRADIANS(angles);
    // Rz(2.0) * Ry(-1.1) * Rx(0.3) applied to a point, one axis at a time.
    const T3dpoint p{1, 2, 3};
    const T3dpoint stepwise = AXISROTATION(2, 2.0f).ROTATEVECT(AXISROTATION(1, -1.1f).ROTATEVECT(AXISROTATION(0, 0.3f).ROTATEVECT(p)));
    expectPoint(m.ROTATEVECT(p), stepwise);
    const clsMatrix plain = plainRotation(0.3f, -1.1f, 2.0f);
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(m.M_MATRIX[i], plain.M_MATRIX[i], 1e-6f) << i;

    const float t[3] = {4, -5, 6};
    m.SETTRANSLATION(t);
    T3dpoint v = m.TRANSFORMPOINT(p);
    m.INVERSETRANSLATEVECT(&v.X);
    m.INVERSEROTATEVECT(&v.X);
    expectPoint(v, p);

    // No rotation leaves the identity, with +0 where a sine of 0 lands.
    const float none[3] = {0, 0, 0};
    clsMatrix still;
    still.SETROTATIONRADIANS(none);
    EXPECT_FALSE(std::signbit(still.M_MATRIX[2]));
    for (int i = 0; i < 16; ++i) EXPECT_EQ(still.M_MATRIX[i], i % 5 == 0 ? 1.0f : 0.0f) << i;
}

TEST(BoneMatrix, PostMultiplyIsTheProductOfTwoAffineMatrices) {
    const float ta[3] = {1, 2, 3}, tb[3] = {-4, 0.5f, 2};
    clsMatrix a = plainRotation(0.4f, 0.2f, -0.7f), b = plainRotation(-1.0f, 0.9f, 0.1f);
    a.SETTRANSLATION(ta);
    b.SETTRANSLATION(tb);
    clsMatrix product = a;
    product.POSTMULTIPLY(b);
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column) {
            float sum = 0;
            for (int k = 0; k < 4; ++k) sum += a.M_MATRIX[4 * k + row] * b.M_MATRIX[4 * column + k];
            EXPECT_NEAR(product.M_MATRIX[4 * column + row], sum, 1e-5f) << row << "," << column;
        }
}

TEST(BvhMotion, BranchingHierarchyGetsItsParentsChannelsAndRestPose) {
    TGLSkeleton skeleton(nullptr);
    skeleton.LOADBVHFROMSTREAM(BRANCHING);
    ASSERT_EQ(skeleton.FNUMBONES, 6);
    const char* parents[] = {"", "Hips", "LeftUpLeg", "Hips", "Spine", "Spine"};
    for (int b = 0; b < 6; ++b) EXPECT_EQ(skeleton.GETBONE(b)->FPARENTNAME, parents[b]) << b;
    EXPECT_EQ(skeleton.GETBONE(0)->FBVHCHANNELTYPE, CHANNELTYPETRANSLATE | CHANNELTYPERZXY);
    EXPECT_EQ(skeleton.GETBONE(5)->FBVHCHANNELTYPE, CHANNELTYPERZXY);
    // The end sites' offsets belong to no bone.
    expectPoint(skeleton.GETBONE(2)->FTRANSLATE, {0, -8, 0});
    EXPECT_EQ(skeleton.GETBONEBYNAME("leftarm"), skeleton.GETBONE(5));
    EXPECT_EQ(skeleton.GETBONEBYNAME("Tail"), nullptr);
    EXPECT_EQ(skeleton.FNUMFRAMES, 3);
    EXPECT_EQ(skeleton.FCURRENTFRAME, 0);
    expectJoints(joints(skeleton, 0), {{0, 0, 0}, {2, 0, 0}, {2, -8, 0}, {0, 6, 0}, {0, 12, 0}, {3, 11, 0}});
    const TKeyFrame& turn = skeleton.GETBONE(3)->FROTATEFRAME[1];
    EXPECT_EQ(turn.TIME, 2);
    EXPECT_FLOAT_EQ(turn.BVH_VALUE.Z, 90);
    EXPECT_NEAR(turn.VALUE.Z, PI / 2, 1e-6f);
}

TEST(BvhMotion, FramesMoveTheRootAndTurnChildrenAboutTheirJoints) {
    TGLSkeleton skeleton(nullptr);
    skeleton.LOADBVHFROMSTREAM(BRANCHING);
    expectJoints(joints(skeleton, 1), {{0, 10, 0}, {2, 10, 0}, {2, 2, 0}, {0, 16, 0}, {0, 22, 0}, {3, 21, 0}});
    expectJoints(joints(skeleton, 2), {{0, 10, 0}, {2, 10, 0}, {2, 2, 0}, {0, 16, 0}, {-6, 16, 0}, {-5, 19, 0}});
    // Hips at (1, 2, 3) turned Rz(90) * Rx(90): x goes to y, y to z, z to x.
    // The spine (up the hips' y) points along world z; its own turn of 90
    // degrees about y takes the arm's x offset to -z of the spine's frame,
    // which the hips carry to world -x.
    expectJoints(joints(skeleton, 3), {{1, 2, 3}, {1, 4, 3}, {1, 4, -5}, {1, 2, 9}, {1, 2, 15}, {-2, 2, 14}});
}

TEST(BvhMotion, HostileFilesLoadWhatIsThereAndNothingElse) {
    struct Case {
        const char* name;
        const char* text;
        std::int32_t bones, frames;
    };
    const Case cases[] = {
        {"frames before the hierarchy and a huge count",
         "1 2 3\nROOT A\n{\nOFFSET 1 2 3\nCHANNELS 3 Zrotation Xrotation Yrotation\n}\nFrames: 2000000000\n5 6 7\n", 1, 1},
        {"negative frame count", "ROOT A\n{\nCHANNELS 3 Xrotation Yrotation Zrotation\n}\nFrames: -5\n1 2 3\n", 1, 0},
        {"more frame lines than declared and a short one",
         "ROOT A\n{\nCHANNELS 3 Xrotation Yrotation Zrotation\n}\nFrames: 2\n1\n1 2 3\n4 5 6\n", 1, 2},
        {"closing braces before anything opens", "}\n}\nJOINT B\n{\nOFFSET 1\nCHANNELS 3 Xposition Yposition Zposition\n}\n",
         1, 0},
        {"blank lines with carriage returns", "ROOT A\r\n  \r\n{\r\n}\r\nFrames: 1\r\n\r\n9 9 9\r\n", 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TGLSkeleton skeleton(nullptr);
        skeleton.LOADBVHFROMSTREAM(c.text);
        EXPECT_EQ(skeleton.FNUMBONES, c.bones);
        EXPECT_EQ(skeleton.FNUMFRAMES, c.frames);
        for (const auto& bone : skeleton.FBONE) EXPECT_LE(bone->FROTATEFRAME.size(), static_cast<std::size_t>(c.frames));
        for (std::int32_t f = 0; f <= c.frames + 1; ++f) EXPECT_EQ(skeleton.POSE(f).size(), skeleton.FBONE.size());
    }
    // A short frame line leaves the missing values 0; a short OFFSET or CHANNELS line changes nothing.
    TGLSkeleton skeleton(nullptr);
    skeleton.LOADBVHFROMSTREAM(cases[2].text);
    EXPECT_FLOAT_EQ(skeleton.GETBONE(0)->FROTATEFRAME[0].BVH_VALUE.X, 1);
    EXPECT_FLOAT_EQ(skeleton.GETBONE(0)->FROTATEFRAME[0].BVH_VALUE.Y, 0);
    TGLSkeleton shortLines(nullptr);
    shortLines.LOADBVHFROMSTREAM(cases[3].text);
    expectPoint(shortLines.GETBONE(0)->FTRANSLATE, {0, 0, 0});
    EXPECT_EQ(shortLines.GETBONE(0)->FBVHCHANNELTYPE, CHANNELTYPENONE);
}

TEST(BvhMotion, BonesNamingThemselvesOrLaterBonesAsParentsAreRoots) {
    TGLSkeleton skeleton(nullptr);
    for (const char* name : {"A", "B"}) skeleton.ADDBONE(name).FTRANSLATE = {1, 0, 0};
    skeleton.GETBONE(0)->FPARENTNAME = std::string(1, 'b');
    skeleton.GETBONE(1)->FPARENTNAME = std::string(1, 'B');
    for (const auto& bone : skeleton.FBONE) bone->INIT();
    EXPECT_EQ(skeleton.GETBONE(0)->FPARENT, nullptr);
    EXPECT_EQ(skeleton.GETBONE(1)->FPARENT, nullptr);
    expectPoint(skeleton.GETBONE(1)->FMATRIX.TRANSLATION(), {1, 0, 0});
}

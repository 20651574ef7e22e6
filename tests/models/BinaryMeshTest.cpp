// The binary mesh format read from bytes built here: its layout, map names of
// every length, and streams that are hostile or cut short.
#include "models/ModelTestSupport.h"

#include <bit>
#include <cstring>

namespace {

struct Bin {
    Bin() {
        for (const char c : {'n', 's', 'k'}) bytes.push_back(static_cast<std::uint8_t>(c));
    }
    std::vector<std::uint8_t> bytes;
    Bin& i(std::int32_t v) {
        for (int s = 0; s < 32; s += 8) bytes.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> s));
        return *this;
    }
    Bin& f(float v) { return i(std::bit_cast<std::int32_t>(v)); }
    Bin& s(const char* text) {
        i(static_cast<std::int32_t>(std::strlen(text)));
        bytes.insert(bytes.end(), text, text + std::strlen(text));
        return *this;
    }
};

// A mesh of four vertices and `indices` corners (0 1 2, 0 2 3, ...), its
// normal count field as given, triangle materials 1, 0, 1, ...
Bin& quadMesh(Bin& b, std::int32_t indices, std::int32_t normalCount = 99) {
    b.s("Quad").i(1).i(4);
    const float corners[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    for (const auto& c : corners) b.f(c[0]).f(c[1]).f(0).f(c[0]).f(c[1]).i(-1);
    b.i(normalCount);
    for (int v = 0; v < 4; ++v) b.f(0).f(0).f(1);
    b.i(indices);
    const int pattern[6] = {0, 1, 2, 0, 2, 3};
    for (int k = 0; k < indices; ++k) b.i(pattern[k % 6]).i(pattern[k % 6]);
    for (int t = 0; t < indices / 3; ++t) b.i(t % 2 == 0 ? 1 : 0);
    return b;
}

// A material whose texture name has `textureLength` bytes ("abcdef..." cut to that).
Bin& binMaterial(Bin& b, const char* name, std::int32_t textureLength) {
    b.s(name);
    for (int k = 0; k < 10; ++k) b.f(k == 6 ? 0.5f : 0.25f);
    b.i(textureLength);
    if (textureLength > 1) b.bytes.insert(b.bytes.end(), "abcdefgh", "abcdefgh" + textureLength);
    return b.s("").f(0.75f);
}

}  // namespace

class BinaryMesh : public ModelTest {};

TEST_F(BinaryMesh, LayoutMeshesAndMapNamesOfEveryLength) {
    Bin b;
    quadMesh(b.i(1), 6).i(3);
    binMaterial(binMaterial(binMaterial(b, "Zero", 0), "One", 1), "Four", 4);
    TGLAll3dsMesh model;
    model.READBIN(b.bytes);
    model.PREPAREREAD();
    ASSERT_EQ(model.FNUMMESHES, 1);
    const TGL3dsMesh& quad = *model.GETMESH(0);
    EXPECT_EQ(quad.FNUMINDICES, 6);
    EXPECT_EQ(quad.FMATID, (std::vector<std::uint16_t>{1, 0}));
    EXPECT_EQ(quad.FVNORMAL.size(), 4u);  // the normal count field is not used
    expectPoint(quad.FACENORMAL[1], {0, 0, 1});
    ASSERT_EQ(model.FNUMMATERIALS, 3);
    // A name of 0 or 1 bytes is no map, and no byte follows a count of 1.
    EXPECT_FALSE(model.GETMATERIAL(0)->FHASTEXTUREMAP);
    EXPECT_FALSE(model.GETMATERIAL(1)->FHASTEXTUREMAP);
    EXPECT_EQ(model.GETMATERIAL(2)->FFILENAME, "abcd");
    EXPECT_FLOAT_EQ(model.GETMATERIAL(2)->FTRANSPARENCY, 0.5f);
    EXPECT_FLOAT_EQ(model.GETMATERIAL(2)->FBUMPMAPSTRENGTH, 0.75f);
    // Written again: the one-byte name is written empty, so only its byte count differs.
    Bin expected;
    quadMesh(expected.i(1), 6, 4).i(3);
    binMaterial(binMaterial(binMaterial(expected, "Zero", 0), "One", 0), "Four", 4);
    EXPECT_EQ(model.SAVEBINTOSTREAM(), expected.bytes);
}

TEST_F(BinaryMesh, HostileStreamsKeepWholeRecordsAndTrianglesInsideTheirMesh) {
    TGLAll3dsMesh model;
    Bin first;
    quadMesh(first.i(1), 6).i(0);
    model.READBIN(first.bytes);
    // A wrong magic leaves the model as it was.
    Bin wrong;
    wrong.bytes[2] = 'X';
    model.READBIN(quadMesh(wrong.i(1), 3).bytes);
    EXPECT_EQ(model.GETMESH(0)->FNUMINDICES, 6);

    // Seven corners are two triangles; a corner naming vertex 7 drops its triangle.
    Bin seven;
    quadMesh(seven.i(1), 7).i(0);
    model.READBIN(seven.bytes);
    EXPECT_EQ(model.GETMESH(0)->FNUMINDICES, 6);
    Bin outside;
    quadMesh(outside.i(1), 6).i(0);
    // The first corner of the second triangle: after it come two more corners
    // (8 bytes each), two triangle materials and the material count.
    outside.bytes[outside.bytes.size() - 4 - 8 - 2 * 8 - 8] = 7;
    model.READBIN(outside.bytes);
    EXPECT_EQ(model.GETMESH(0)->FNUMINDICES, 3);
    EXPECT_EQ(model.GETMESH(0)->FMATID, std::vector<std::uint16_t>{1});

    // Counts that are negative or larger than the bytes left stop reading.
    for (const std::int32_t count : {-1, 1 << 30}) {
        Bin b;
        quadMesh(b.i(2), 6).s("Next").i(0).i(count);
        model.READBIN(b.bytes);
        EXPECT_EQ(model.FNUMMESHES, 1) << count;
        EXPECT_EQ(model.FNUMMATERIALS, 0) << count;
    }
}

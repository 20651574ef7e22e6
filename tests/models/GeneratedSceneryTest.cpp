// The generated sceneries read back: both hold what the scenes need, and
// cut short anywhere they give no more than the whole file.
#include "models/ModelTestSupport.h"

#include <fstream>
#include <iterator>
#include <random>

namespace {

w3ds::Bytes dataFile(const std::string& name) {
    std::ifstream in(std::string(KESTROVA_TEST_DATA) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::unique_ptr<TGLAll3dsMesh> parsed(const w3ds::Bytes& bytes) {
    auto model = std::make_unique<TGLAll3dsMesh>();
    model->READ3DSCHUNKS(bytes);
    model->POSTPROCESS();
    return model;
}

}  // namespace

TEST(GeneratedScenery, SceneriesCutAtEveryChunkBoundaryAndAtRandomGiveNoMoreThanTheWholeFile) {
    for (const char* name : {"citta incas.3ds", "castello1.3ds"}) {
        SCOPED_TRACE(name);
        if (dataFile(name).empty()) GTEST_SKIP() << "the sceneries are not generated yet";
        const w3ds::Bytes whole = dataFile(name);
        ASSERT_GT(whole.size(), 1000u);
        const auto full = parsed(whole);
        EXPECT_GE(full->FNUMMESHES, 15);
        std::vector<std::size_t> cuts = chunkBoundaries(whole);
        EXPECT_GT(cuts.size(), 100u);
        std::mt19937 random(16);
        for (int i = 0; i < 200; ++i)
            cuts.push_back(std::uniform_int_distribution<std::size_t>(0, whole.size())(random));
        for (const std::size_t cut : cuts)
            expectNoMoreThan(*parsed(w3ds::Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut))),
                             *full, cut);
    }
}

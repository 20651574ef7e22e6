// The generated sceneries cut short anywhere give no more than the whole file.
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
    return model;
}

// The file's chunks read whole, and then cut at every chunk boundary and at 200 random lengths.
void expectCutsGiveNoMoreThanTheWhole(const char* name) {
    const w3ds::Bytes whole = dataFile(name);
    if (whole.empty()) GTEST_SKIP() << "the sceneries are not generated yet";
    const auto full = parsed(whole);
    EXPECT_GE(full->FNUMMESHES, 15);
    std::vector<std::size_t> cuts = chunkBoundaries(whole);
    EXPECT_GT(cuts.size(), 100u);
    std::mt19937 random(16);
    for (int i = 0; i < 200; ++i) cuts.push_back(std::uniform_int_distribution<std::size_t>(0, whole.size())(random));
    for (const std::size_t cut : cuts)
        expectNoMoreThan(*parsed(w3ds::Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut))), *full,
                         cut);
}

}  // namespace

TEST(GeneratedScenery, TheIncaCityCutAnywhereGivesNoMoreThanTheWholeFile) {
    expectCutsGiveNoMoreThanTheWhole("citta incas.3ds");
}

TEST(GeneratedScenery, TheCastleCutAnywhereGivesNoMoreThanTheWholeFile) {
    expectCutsGiveNoMoreThanTheWhole("castello1.3ds");
}

// The generated sceneries as the program's own reader reports them
// (kestrova-modelinfo --json) agree with an independent reader (lib3ds).
#include "SceneryTestSupport.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <map>
#include <memory>
#include <set>

namespace {

struct AgreementCase {
    const char* file;
    const char* scale;
};

const AgreementCase AGREEMENT_CASES[] = {{"citta incas.3ds", "2.5"}, {"castello1.3ds", "3.2"}};

nlohmann::json modelInfo(const AgreementCase& c) {
    const std::string command = std::string("'") + KESTROVA_MODELINFO + "' '" + dataPath(c.file) + "' " + c.scale + " --json";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string text;
    char buffer[4096];
    while (pipe && std::fgets(buffer, sizeof buffer, pipe.get()) != nullptr) text += buffer;
    return nlohmann::json::parse(text, nullptr, false);
}

class ModelInfoAgreement : public ::testing::TestWithParam<AgreementCase> {};

TEST_P(ModelInfoAgreement, ObjectsMaterialsAndMapsAreTheSameForBothReaders) {
    const auto scenery = readWithLib3ds(dataPath(GetParam().file));
    ASSERT_TRUE(scenery);
    const nlohmann::json info = modelInfo(GetParam());
    ASSERT_FALSE(info.is_discarded()) << "kestrova-modelinfo printed JSON";

    // lib3ds keeps its lists in name order; the program keeps file order, with
    // the light and the camera as empty objects.
    std::map<std::string, const SceneryMesh*> expectedMeshes;
    for (const SceneryMesh& m : scenery->meshes) expectedMeshes[m.name] = &m;
    const auto& meshes = info.at("FMESH");
    ASSERT_EQ(meshes.size(), scenery->meshes.size() + scenery->lights + scenery->cameras);
    std::size_t matched = 0;
    for (const auto& mesh : meshes) {
        const auto found = expectedMeshes.find(mesh.at("FNAME").get<std::string>());
        if (found == expectedMeshes.end() || mesh.at("FNUMVERTEX") == 0) continue;
        const SceneryMesh& expected = *found->second;
        ++matched;
        EXPECT_EQ(mesh.at("FNUMVERTEX"), expected.vertices) << expected.name;
        EXPECT_EQ(mesh.at("FNUMINDICES"), 3 * expected.triangles.size()) << expected.name;
        const std::set<std::string> groups(expected.faceMaterials.begin(), expected.faceMaterials.end());
        EXPECT_EQ(mesh.at("FMATNAME").get<std::set<std::string>>(), groups) << expected.name;
    }
    EXPECT_EQ(matched, scenery->meshes.size()) << "every object found by name";

    std::map<std::string, const SceneryMaterial*> expectedMaterials;
    for (const SceneryMaterial& m : scenery->materials) expectedMaterials[m.name] = &m;
    const auto& materials = info.at("FMATERIAL");
    ASSERT_EQ(materials.size(), scenery->materials.size());
    for (const auto& material : materials) {
        const auto found = expectedMaterials.find(material.at("FNAME").get<std::string>());
        ASSERT_NE(found, expectedMaterials.end()) << material.at("FNAME");
        const SceneryMaterial& expected = *found->second;
        EXPECT_EQ(material.at("FFILENAME"), expected.map) << expected.name;
        EXPECT_EQ(material.at("FBUMPMAPFILENAME"), expected.bumpMap) << expected.name;
        if (!expected.map.empty()) {
            EXPECT_TRUE(material.at("TEXTUREFOUND").get<bool>()) << expected.map << " loads";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Generated, ModelInfoAgreement, ::testing::ValuesIn(AGREEMENT_CASES),
                         [](const ::testing::TestParamInfo<AgreementCase>& scenery) {
                             return std::string(scenery.param.file[1] == 'i' ? "IncaCity" : "Castle");
                         });

}  // namespace

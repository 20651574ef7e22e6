// A small scene written by the generator's 3DS writer and read back by lib3ds.
#include "SceneryTestSupport.h"

#include "mesh/Shapes.h"
#include "mesh/Writer3ds.h"

#include <gtest/gtest.h>
#include <lib3ds/camera.h>
#include <lib3ds/file.h>
#include <lib3ds/light.h>
#include <lib3ds/material.h>
#include <lib3ds/mesh.h>

#include <filesystem>
#include <string>

namespace {

Scene smallScene() {
    Scene scene;
    Material brick;
    brick.name = "Brick";
    brick.diffuse = {255, 128, 0};
    brick.twoSided = true;
    brick.textureMap = "brick.tga";
    Material glass;
    glass.name = "Glass";
    glass.diffuse = {51, 102, 204};
    glass.floatDiffuse = true;
    glass.transparencyPercent = 50;
    glass.bumpMap = "bumps.tga";
    glass.bumpPercent = 30;
    scene.materials = {brick, glass};
    Mesh box{"Box", {}, {}};
    addBox(box, {0, 0, 0}, {2, 3, 4}, {0, 1}, {1, 1});
    scene.meshes.push_back(box);
    scene.light = {"Lamp", {1, 2, 30}, {255, 255, 255}};
    scene.camera = {"Eye", {10, -20, 5}, {0, 0, 2}, 35};
    return scene;
}

TEST(Writer3ds, LibraryReadsBackMeshesMaterialsLightAndCamera) {
    const Scene scene = smallScene();
    const std::string path = (std::filesystem::temp_directory_path() / "kestrova-writer3ds-test.3ds").string();
    ASSERT_TRUE(writeBytes(path, scene3dsBytes(scene)));
    Lib3dsFile* file = lib3ds_file_load(path.c_str());
    ASSERT_NE(file, nullptr);

    const Lib3dsMesh* mesh = file->meshes;
    ASSERT_NE(mesh, nullptr);
    EXPECT_STREQ(mesh->name, "Box");
    EXPECT_EQ(mesh->next, nullptr);
    EXPECT_EQ(mesh->points, scene.meshes[0].vertices.size());
    EXPECT_EQ(mesh->texels, mesh->points);
    ASSERT_EQ(mesh->faces, scene.meshes[0].triangles.size());
    int topFaces = 0;
    for (Lib3dsDword f = 0; f < mesh->faces; ++f) topFaces += std::string(mesh->faceL[f].material) == "Glass";
    EXPECT_EQ(topFaces, 2) << "the top's two triangles in the second material";
    EXPECT_EQ(mesh->pointL[mesh->faceL[0].points[0]].pos[2], scene.meshes[0].vertices[scene.meshes[0].triangles[0].a].position.z);

    const Lib3dsMaterial* brick = file->materials;
    ASSERT_NE(brick, nullptr);
    const Lib3dsMaterial* glass = brick->next;
    ASSERT_NE(glass, nullptr);
    EXPECT_STREQ(brick->name, "Brick");
    EXPECT_FLOAT_EQ(brick->diffuse[1], 128 / 255.0f);
    EXPECT_TRUE(brick->two_sided);
    EXPECT_STREQ(brick->texture1_map.name, "brick.tga");
    EXPECT_FLOAT_EQ(brick->transparency, 0);
    EXPECT_FLOAT_EQ(glass->diffuse[2], 204 / 255.0f);
    EXPECT_FLOAT_EQ(glass->transparency, 0.5f);
    EXPECT_STREQ(glass->bump_map.name, "bumps.tga");
    EXPECT_FALSE(glass->two_sided);

    ASSERT_NE(file->lights, nullptr);
    EXPECT_STREQ(file->lights->name, "Lamp");
    EXPECT_FLOAT_EQ(file->lights->position[2], 30);
    ASSERT_NE(file->cameras, nullptr);
    EXPECT_FLOAT_EQ(file->cameras->position[1], -20);
    EXPECT_FLOAT_EQ(file->cameras->target[2], 2);
    lib3ds_file_free(file);
    std::filesystem::remove(path);
}

}  // namespace

#pragma once
// What was read from a model, a motion or a height map, as JSON (keys named after the
// model's fields) and as a few lines for people.
#include "KEVA_3DS/Model3ds.h"
#include "KEVA_Physics/TerrainFile.h"

#include <nlohmann/json.hpp>

#include <string>

nlohmann::ordered_json modelJson(const std::string& file, const TGLAll3dsMesh& model);
nlohmann::ordered_json motionJson(const std::string& file, const TGLSkeleton& skeleton);
nlohmann::ordered_json terrainJson(const std::string& file, const TerrainGrid& grid);
std::string summaryOf(const nlohmann::ordered_json& report);

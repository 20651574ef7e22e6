#pragma once
// The kinds of material the sceneries use.
#include "Scene.h"

// A textured material: the picture shows its own colours, so the material's are near white.
Material texturedMaterial(const std::string& name, const std::string& map);
// A plain coloured material.
Material plainMaterial(const std::string& name, Rgb colour);

#pragma once
// The kinds of material the sceneries use.
#include "Scene.h"

// A textured material: the picture shows its own colours, so the material's are near white.
Material texturedMaterial(const std::string& name, const std::string& map);
// A plain coloured material.
Material plainMaterial(const std::string& name, Rgb colour);
// Textured stone with a bump map.
Material stoneMaterial(const std::string& name, const std::string& map, const std::string& bumpMap, int bumpPercent);
// A texture darkened by the given colour, for faces in shadow such as the inner faces of walls.
Material shadedMaterial(const std::string& name, const std::string& map, Rgb shade);
// Shiny water that lets through the given share of what lies under it.
Material waterMaterial(Rgb colour, int transparencyPercent);

#include "Materials.h"

Material texturedMaterial(const std::string& name, const std::string& map) {
    Material m;
    m.name = name;
    m.ambient = {150, 150, 150};
    m.diffuse = {245, 245, 245};
    m.specular = {30, 30, 30};
    m.shininessPercent = 10;
    m.textureMap = map;
    return m;
}

Material plainMaterial(const std::string& name, Rgb colour) {
    Material m;
    m.name = name;
    m.ambient = {static_cast<std::uint8_t>(colour.r / 2), static_cast<std::uint8_t>(colour.g / 2),
                 static_cast<std::uint8_t>(colour.b / 2)};
    m.diffuse = colour;
    m.specular = {60, 60, 60};
    m.shininessPercent = 20;
    return m;
}

Material stoneMaterial(const std::string& name, const std::string& map, const std::string& bumpMap, int bumpPercent) {
    Material m = texturedMaterial(name, map);
    m.bumpMap = bumpMap;
    m.bumpPercent = bumpPercent;
    return m;
}

Material shadedMaterial(const std::string& name, const std::string& map, Rgb shade) {
    Material m = texturedMaterial(name, map);
    m.diffuse = shade;
    return m;
}

Material waterMaterial(Rgb colour, int transparencyPercent) {
    Material m = plainMaterial("Water", colour);
    m.transparencyPercent = transparencyPercent;
    m.shininessPercent = 80;
    return m;
}

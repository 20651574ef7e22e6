#pragma once
// The sample files of the jointed figure: the puppet as a MilkShape text file
// (meshes, materials and bones with keys) and in the program's binary mesh
// format (meshes and materials), the walking motion as a BVH file, and the
// shirt's colour map.
#include "Canvas.h"
#include "Figure.h"
#include "LittleEndian.h"

#include <cstdio>
#include <string>

// One line of a text file, printf-style (the writers' lines are short).
inline std::string formatLine(const char* pattern, auto... values) {
    char line[256];
    std::snprintf(line, sizeof line, pattern, values...);
    return line;
}

std::string milkShapeText(const Figure& figure);
Bytes binaryMeshBytes(const Figure& figure);
// `frames` frames of a walk at 60 frames a second, two steps a second.
std::string walkBvhText(int frames);
Image shirtPicture();

#pragma once
// The sample files of the jointed figure: the puppet as a MilkShape text file
// (meshes, materials and bones with keys) and in the program's binary mesh
// format (meshes and materials), the walking motion as a BVH file, and the
// shirt's colour map.
#include "Canvas.h"
#include "Figure.h"
#include "LittleEndian.h"

#include <string>

std::string milkShapeText(const Figure& figure);
Bytes binaryMeshBytes(const Figure& figure);
// `frames` frames of a walk at 60 frames a second, two steps a second.
std::string walkBvhText(int frames);
Image shirtPicture();

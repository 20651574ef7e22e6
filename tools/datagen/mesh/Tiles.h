#pragma once
// A large mesh cut into square tiles of the ground plane, so that the program
// can leave out the tiles outside the view and draw the near ones first.
#include "Scene.h"

#include <string>
#include <vector>

// The triangles of `mesh` by the tile of `tiles` x `tiles` over the square
// from (x0, y0) of side `size` that their first corner lies in, each tile with
// copies of the corners it uses (so neighbours share their edges exactly) and
// named `prefix` and its number from 1. Empty tiles are left out.
std::vector<Mesh> splitIntoTiles(const Mesh& mesh, float x0, float y0, float size, int tiles, const std::string& prefix);

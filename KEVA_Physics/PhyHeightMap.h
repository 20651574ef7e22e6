#pragma once
// The landscape of the first-person scenes: a grid of heights read from a
// .ter file becomes one static body (a mesh of quads) and one display list,
// both centred on a given position and scaled by one factor.
#include "KEVA_Physics/engine/NewtonImport.h"
#include "base/GLTypes.h"

#include <cstdint>
#include <string>
#include <vector>

struct PHY_HeightMap {
    std::vector<TGLVector> VERT;  // the collision quads, four corners each
    NewtonBody* NEWBODY = nullptr;
    std::uint32_t NEWTERRAIN = 0;  // display list of the drawn land
    std::string IMAGEFILE;         // the .ter file
    std::string TEXIMAGE;          // the TGA that covers the land, set before loading
    std::uint32_t TEXID = 0;       // its texture; 0 draws the land untextured
    bool DELLIST = false;

    // Grid point (x, y) of an nX x nY file stands at
    // ((x - nX/2)·scale, h·scale·0.15, (y - nY/2)·scale) from pos. The body
    // collides with the heights cut to whole numbers; the list draws them as
    // read, lit by normals from the neighbouring heights, and replaces the
    // previous list. A file that cannot be read gives no body and an empty list.
    // TEXIMAGE, repeated many times across the land, replaces the previous
    // texture; without a readable image the land is drawn untextured.
    void LOADFROMFILE(NewtonWorld* world, const TGLVector& pos, float scale, const std::string& terFile);
    // Calls the list while the file exists (looked at on every call).
    void DRAW() const;
};

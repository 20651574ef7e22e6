#pragma once
// The landscape of the first-person scenes: a grid of heights read from a
// .ter file becomes one static body (a mesh of quads) and display lists of
// square blocks of it, both centred on a given position and scaled by one factor.
#include "KEVA_3DS/ModelTypes.h"
#include "KEVA_Physics/engine/NewtonImport.h"
#include "base/GLTypes.h"

#include <cstdint>
#include <string>
#include <vector>

// The box round a square block of the drawn land, relative to the land's position.
struct LandBlock {
    T3dpoint minimum, maximum;
};

struct PHY_HeightMap {
    std::vector<TGLVector> VERT;  // the collision quads, four corners each
    NewtonBody* NEWBODY = nullptr;
    std::uint32_t NEWTERRAIN = 0;   // the first display list of the drawn land's blocks
    std::vector<LandBlock> BLOCKS;  // the blocks, row by row: block k is drawn by list NEWTERRAIN + k
    TGLVector POSITION{};           // where the land's centre stands
    std::string IMAGEFILE;          // the .ter file
    std::string TEXIMAGE;           // the TGA that covers the land, set before loading
    std::uint32_t TEXID = 0;        // its texture; 0 draws the land untextured
    bool DELLIST = false;

    // Grid point (x, y) of an nX x nY file stands at
    // ((x - nX/2)·scale, h·scale·0.15, (y - nY/2)·scale) from pos. The body
    // collides with the heights cut to whole numbers; the lists draw them as
    // read, lit by normals from the neighbouring heights, in blocks of a list
    // each that replace the previous ones. A file that cannot be read gives no
    // body and no blocks.
    // TEXIMAGE, repeated many times across the land, replaces the previous
    // texture; without a readable image the land is drawn untextured.
    void LOADFROMFILE(NewtonWorld* world, const TGLVector& pos, float scale, const std::string& terFile);
    // Calls the lists of the blocks in view while the file exists (looked at
    // on every call).
    void DRAW() const;
};

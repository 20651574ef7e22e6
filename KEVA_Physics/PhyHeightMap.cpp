#include "KEVA_Physics/PhyHeightMap.h"

#include "KEVA_Physics/PhyBody.h"
#include "KEVA_Physics/PhyBodySetup.h"
#include "KEVA_Physics/PhyFaceQuadMesh.h"
#include "KEVA_Physics/TerrainFile.h"
#include "KEVA_3DS/ViewVolume.h"
#include "kestrova/Texture.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace {

// Heights are scaled further than the grid's spacing.
constexpr float HEIGHT_FACTOR = 0.15f;
// Times the texture repeats across the land in each direction, so that the
// ground near the player is sharp.
constexpr float TEXTURE_REPEATS = 96;

// Where the grid's points stand, relative to the land's position.
struct GridPlacement {
    const TerrainGrid& grid;
    float scale;

    TGLVector point(std::int32_t x, std::int32_t y, float height) const {
        return GLVECTOR((x - grid.nX / 2.0f) * scale, height * scale * HEIGHT_FACTOR, (y - grid.nY / 2.0f) * scale);
    }
    TGLVector drawn(std::int32_t x, std::int32_t y) const { return point(x, y, grid.at(x, y)); }
    TGLVector collided(std::int32_t x, std::int32_t y) const { return point(x, y, std::trunc(grid.at(x, y))); }

    // The unit normal of the drawn land at a grid point, from the slopes
    // towards its neighbours (one-sided at the edges).
    TGLVector normal(std::int32_t x, std::int32_t y) const {
        const auto h = [&](std::int32_t i, std::int32_t j) {
            return grid.at(std::clamp(i, 0, grid.nX - 1), std::clamp(j, 0, grid.nY - 1)) * scale * HEIGHT_FACTOR;
        };
        const float spanX = scale * static_cast<float>(std::min(x + 1, grid.nX - 1) - std::max(x - 1, 0));
        const float spanY = scale * static_cast<float>(std::min(y + 1, grid.nY - 1) - std::max(y - 1, 0));
        const float slopeX = spanX > 0 ? (h(x + 1, y) - h(x - 1, y)) / spanX : 0;
        const float slopeY = spanY > 0 ? (h(x, y + 1) - h(x, y - 1)) / spanY : 0;
        const float length = std::sqrt(slopeX * slopeX + 1 + slopeY * slopeY);
        return GLVECTOR(-slopeX / length, 1 / length, -slopeY / length);
    }
};

// The quads of the grid with the corners in the order the collision mesh
// takes them; the places of the last nX + nY - 1 quads stay at the origin.
std::vector<TGLVector> collisionQuads(const GridPlacement& at) {
    const TerrainGrid& g = at.grid;
    std::vector<TGLVector> vert(4 * static_cast<std::size_t>(g.nX) * static_cast<std::size_t>(g.nY));
    std::size_t q = 0;
    for (std::int32_t y = 0; y + 1 < g.nY; ++y)
        for (std::int32_t x = 0; x + 1 < g.nX; ++x, ++q) {
            vert[4 * q + 3] = at.collided(x, y);
            vert[4 * q + 2] = at.collided(x + 1, y);
            vert[4 * q + 1] = at.collided(x + 1, y + 1);
            vert[4 * q] = at.collided(x, y + 1);
        }
    return vert;
}

// Grid cells a block of the drawn land has along each side: small enough that
// the blocks out of view, most of a wide land, are left out, large enough that
// the blocks in view cost few calls.
constexpr std::int32_t BLOCK_CELLS = 11;

// The cells [x0, x1) x [y0, y1) of the land as quads counter-clockwise seen
// from above, so that culling back faces hides only their underside.
void drawQuads(const GridPlacement& at, std::int32_t x0, std::int32_t x1, std::int32_t y0, std::int32_t y1) {
    const TerrainGrid& g = at.grid;
    const auto corner = [&](std::int32_t x, std::int32_t y) {
        const TGLVector n = at.normal(x, y);
        const TGLVector p = at.drawn(x, y);
        glNormal3f(n.X, n.Y, n.Z);
        glTexCoord2f(static_cast<float>(x - g.nX) / static_cast<float>(g.nX),
                     static_cast<float>(y - g.nY) / static_cast<float>(g.nY));
        glVertex3f(p.X, p.Y, p.Z);
    };
    glBegin(GL_QUADS);
    for (std::int32_t y = y0; y < y1; ++y)
        for (std::int32_t x = x0; x < x1; ++x) {
            corner(x, y);
            corner(x, y + 1);
            corner(x + 1, y + 1);
            corner(x + 1, y);
        }
    glEnd();
}

// The box round the drawn corners of the cells [x0, x1) x [y0, y1).
LandBlock blockBox(const GridPlacement& at, std::int32_t x0, std::int32_t x1, std::int32_t y0, std::int32_t y1) {
    LandBlock block;
    const TGLVector first = at.drawn(x0, y0);
    block.minimum = block.maximum = {first.X, first.Y, first.Z};
    for (std::int32_t y = y0; y <= y1; ++y)
        for (std::int32_t x = x0; x <= x1; ++x) {
            const TGLVector p = at.drawn(x, y);
            block.minimum = {std::min(block.minimum.X, p.X), std::min(block.minimum.Y, p.Y),
                             std::min(block.minimum.Z, p.Z)};
            block.maximum = {std::max(block.maximum.X, p.X), std::max(block.maximum.Y, p.Y),
                             std::max(block.maximum.Z, p.Z)};
        }
    return block;
}

// The land's blocks, row by row, each compiled into a list of its own; the
// lists follow one another from the first, which is returned.
std::uint32_t compileBlocks(const GridPlacement& at, std::vector<LandBlock>& blocks) {
    blocks.clear();
    const std::int32_t cellsX = at.grid.nX - 1, cellsY = at.grid.nY - 1;
    if (cellsX <= 0 || cellsY <= 0) return 0;
    const std::int32_t count = ((cellsX + BLOCK_CELLS - 1) / BLOCK_CELLS) * ((cellsY + BLOCK_CELLS - 1) / BLOCK_CELLS);
    const GLuint first = glGenLists(count);
    if (first == 0) return 0;
    for (std::int32_t y0 = 0; y0 < cellsY; y0 += BLOCK_CELLS)
        for (std::int32_t x0 = 0; x0 < cellsX; x0 += BLOCK_CELLS) {
            const std::int32_t x1 = std::min(x0 + BLOCK_CELLS, cellsX), y1 = std::min(y0 + BLOCK_CELLS, cellsY);
            glNewList(first + static_cast<GLuint>(blocks.size()), GL_COMPILE);
            drawQuads(at, x0, x1, y0, y1);
            glEndList();
            blocks.push_back(blockBox(at, x0, x1, y0, y1));
        }
    return first;
}

}  // namespace

void PHY_HeightMap::LOADFROMFILE(NewtonWorld* world, const TGLVector& pos, float scale, const std::string& terFile) {
    DELLIST = true;
    IMAGEFILE = terFile;
    if (NEWTERRAIN != 0) glDeleteLists(NEWTERRAIN, static_cast<GLsizei>(BLOCKS.size()));
    if (TEXID != 0) glDeleteTextures(1, &TEXID);
    TEXID = TEXIMAGE.empty() ? 0 : LOADTEXTUREFILE(TEXIMAGE);
    if (TEXID != 0) {
        // Texels read whole cost a software rasteriser far less than blended
        // ones, and the land fills most of the screen.
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST_MIPMAP_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    }
    const TerrainGrid grid = LOADTERRAINFILE(terFile).value_or(TerrainGrid{});
    const GridPlacement placement{grid, scale};
    VERT.clear();
    NEWBODY = nullptr;
    if (!grid.heights.empty()) {
        VERT = collisionQuads(placement);
        NEWBODY = phy::bodyFromShape(world, PHY_CREATEFACEQUAD(world, VERT, 0));
        PHY_SETBODYPOSITION(NEWBODY, pos);
    }
    POSITION = pos;
    NEWTERRAIN = compileBlocks(placement, BLOCKS);
}

// A texture of name 0 leaves texturing as it was.
void PHY_HeightMap::DRAW() const {
    std::error_code error;
    if (!DELLIST || !std::filesystem::exists(IMAGEFILE, error)) return;
    glPushAttrib(GL_ENABLE_BIT | GL_TEXTURE_BIT);
    if (TEXID != 0) {
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, TEXID);
    }
    glPushMatrix();
    glTranslatef(POSITION.X, POSITION.Y, POSITION.Z);
    glCullFace(GL_BACK);
    glMatrixMode(GL_TEXTURE);
    glPushMatrix();
    glRotatef(-180, 1, 0, 0);
    glScalef(TEXTURE_REPEATS, TEXTURE_REPEATS, 1);
    glMatrixMode(GL_MODELVIEW);
    const ViewVolume view = ViewVolume::current();
    for (std::size_t k = 0; k < BLOCKS.size(); ++k)
        if (view.mayShow(BLOCKS[k].minimum, BLOCKS[k].maximum)) glCallList(NEWTERRAIN + static_cast<GLuint>(k));
    glMatrixMode(GL_TEXTURE);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glPopAttrib();
}

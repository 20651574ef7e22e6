#include "KEVA_Physics/PhyHeightMap.h"

#include "KEVA_Physics/PhyBody.h"
#include "KEVA_Physics/PhyBodySetup.h"
#include "KEVA_Physics/PhyFaceQuadMesh.h"
#include "KEVA_Physics/TerrainFile.h"
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

// The land as quads counter-clockwise seen from above, so that culling back
// faces hides only its underside.
void drawQuads(const GridPlacement& at) {
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
    for (std::int32_t y = 0; y + 1 < g.nY; ++y)
        for (std::int32_t x = 0; x + 1 < g.nX; ++x) {
            corner(x, y);
            corner(x, y + 1);
            corner(x + 1, y + 1);
            corner(x + 1, y);
        }
    glEnd();
}

// The land's list; a texture of name 0 leaves texturing as it was.
std::uint32_t compileLand(const GridPlacement& at, const TGLVector& pos, std::uint32_t texture) {
    const GLuint list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    glPushAttrib(GL_ENABLE_BIT | GL_TEXTURE_BIT);
    if (texture != 0) {
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, texture);
    }
    glPushMatrix();
    glTranslatef(pos.X, pos.Y, pos.Z);
    glCullFace(GL_BACK);
    glMatrixMode(GL_TEXTURE);
    glPushMatrix();
    glRotatef(-180, 1, 0, 0);
    glScalef(TEXTURE_REPEATS, TEXTURE_REPEATS, 1);
    drawQuads(at);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glPopAttrib();
    glEndList();
    return list;
}

}  // namespace

void PHY_HeightMap::LOADFROMFILE(NewtonWorld* world, const TGLVector& pos, float scale, const std::string& terFile) {
    DELLIST = true;
    IMAGEFILE = terFile;
    if (NEWTERRAIN != 0) glDeleteLists(NEWTERRAIN, 1);
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
    NEWTERRAIN = compileLand(placement, pos, TEXID);
}

void PHY_HeightMap::DRAW() const {
    std::error_code error;
    if (DELLIST && std::filesystem::exists(IMAGEFILE, error)) glCallList(NEWTERRAIN);
}

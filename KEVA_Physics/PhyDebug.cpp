#include "KEVA_Physics/PhyDebug.h"

#include "KEVA_Physics/PhyWorld.h"
#include "kestrova/Texture.h"

#include <GL/gl.h>

void PHY_DEBUGCOLLISION(const NewtonWorld* world) {
    TEXTUREOFF();
    glDisable(GL_LIGHTING);
    glBegin(GL_LINES);
    glColor3f(0, 0.6f, 0);
    const dFloat minCorner[3] = {PHYWORLDMIN.X, PHYWORLDMIN.Y, PHYWORLDMIN.Z};
    const dFloat maxCorner[3] = {PHYWORLDMAX.X, PHYWORLDMAX.Y, PHYWORLDMAX.Z};
    NewtonWorldForEachBodyInAABBDo(world, minCorner, maxCorner, PHY_DEBUGBODYCOLLISION, nullptr);
    glColor3f(1, 1, 1);
    glEnd();
    glEnable(GL_LIGHTING);
    TEXTUREON();
}

void PHY_DEBUGBODYCOLLISION(const NewtonBody* body, void*) {
    dFloat matrix[16];
    NewtonBodyGetMatrix(body, matrix);
    NewtonCollisionForEachPolygonDo(NewtonBodyGetCollision(body), matrix, PHY_DEBUGGEOMETRYCOLLISION, nullptr);
}

// One line per polygon edge, the loop closed from the last point to the first.
void PHY_DEBUGGEOMETRYCOLLISION(void*, std::int32_t vertexCount, const dFloat* faceArray, std::int32_t) {
    if (vertexCount <= 0 || !faceArray) return;
    const dFloat* previous = faceArray + 3 * (vertexCount - 1);
    for (std::int32_t i = 0; i < vertexCount; ++i) {
        const dFloat* current = faceArray + 3 * i;
        glVertex3f(previous[0], previous[1], previous[2]);
        glVertex3f(current[0], current[1], current[2]);
        previous = current;
    }
}

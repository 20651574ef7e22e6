// One textured, lit quadrilateral.
#include "kestrova/Solids.h"

#include <GL/gl.h>

void QUAD(float x1, float y1, float z1, float x2, float y2, float z2, float x3, float y3, float z3, float x4, float y4,
          float z4) {
    glBegin(GL_QUADS);
    FINDNORMAL(x2, y2, z2, x1, y1, z1, x3, y3, z3);
    // Fans drawn as quads repeat their centre (P1 = P3): their other corners give the normal.
    if (FNORMAL == std::array<double, 3>{0, 0, 0}) FINDNORMAL(x2, y2, z2, x3, y3, z3, x4, y4, z4);
    glNormal3d(FNORMAL[0], FNORMAL[1], FNORMAL[2]);
    LINEFREE(1, 1, 0, 1, x2, y2, z2, x1, y1, z1, true);
    LINEFREE(0, 0, 1, 0, x3, y3, z3, x4, y4, z4, true);
    glEnd();
}

#include "kestrova/Lights.h"

#include "kestrova/SolidBatch.h"

#include <GL/gl.h>

TGLColor4 AMBIENTLIGHT = {0.5f, 0.5f, 0.5f, 1.0f};
TGLColor4 DIFFUSELIGHT = {1, 1, 1, 1};
TGLColor4 SPECULARLIGHT = {1, 1, 1, 1};
TGLColor4 LIGHTPOSITION = {0, 0, 0, 0};

namespace {

void placeLight(std::uint32_t nlight, float x, float y, float z, float w) {
    LIGHTPOSITION = {x, y, z, w};
    glLightfv(nlight, GL_POSITION, LIGHTPOSITION.data());
}

}  // namespace

void SETGLLIGHT(std::uint32_t nlight, float l0, float l1, float l2, float l3) {
    glEnable(GL_LIGHTING);
    glLightfv(nlight, GL_AMBIENT, AMBIENTLIGHT.data());
    glLightfv(nlight, GL_DIFFUSE, DIFFUSELIGHT.data());
    glLightfv(nlight, GL_SPECULAR, SPECULARLIGHT.data());
    glEnable(nlight);
    placeLight(nlight, l0, l1, l2, l3);
}

void PUTGLPOINTLIGHT(std::uint32_t nlight, float size, float lx, float ly, float lz, float lval) {
    placeLight(nlight, lx, ly, lz, lval);
    if (size > 0) glPointSize(size);  // GL refuses a size of 0
    glBegin(GL_POINTS);
    glNormal3f(0, 0, 1);
    glVertex3f(lx, ly, lz);
    glEnd();
}

void SETGLNEWMAT(float ambr, float ambg, float ambb, float difr, float difg, float difb, float specr, float specg,
                 float specb, float emisr, float emisg, float emisb, float shine) {
    sendSolidBatch();
    const TGLColor4 ambient = {ambr, ambg, ambb, 1};
    const TGLColor4 diffuse = {difr, difg, difb, 1};
    const TGLColor4 specular = {specr, specg, specb, 1};
    const TGLColor4 emission = {emisr, emisg, emisb, 1};
    const TGLColor4 shininess = {shine, shine, shine, 1};
    glMaterialfv(GL_FRONT, GL_AMBIENT, ambient.data());
    glMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse.data());
    glMaterialfv(GL_FRONT, GL_SPECULAR, specular.data());
    glMaterialfv(GL_FRONT, GL_EMISSION, emission.data());
    glMaterialfv(GL_FRONT, GL_SHININESS, shininess.data());
}

#pragma once
// Where the solids send their vertices: straight to OpenGL in immediate mode,
// or into a mesh that is kept and drawn again later (SolidMesh.h).
#include <GL/gl.h>

class SolidSink {
public:
    virtual ~SolidSink() = default;
    virtual void begin(GLenum mode) = 0;
    virtual void normal(double x, double y, double z) = 0;
    virtual void texCoord(double s, double t) = 0;
    virtual void vertex(double x, double y, double z) = 0;
    virtual void end() = 0;
    // The primitives between culling off and culling on show from both sides;
    // culling is on after them.
    virtual void cullingOff() = 0;
    virtual void cullingOn() = 0;
};

// The sink that draws at once, with the current GL state.
SolidSink& immediateSink();

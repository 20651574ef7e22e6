// The immediate-mode sink of the solids.
#include "kestrova/SolidSink.h"

namespace {

class ImmediateSink final : public SolidSink {
public:
    void begin(GLenum mode) override { glBegin(mode); }
    void normal(double x, double y, double z) override { glNormal3d(x, y, z); }
    void texCoord(double s, double t) override { glTexCoord2d(s, t); }
    void vertex(double x, double y, double z) override { glVertex3d(x, y, z); }
    void end() override { glEnd(); }
    void cullingOff() override { glDisable(GL_CULL_FACE); }
    void cullingOn() override { glEnable(GL_CULL_FACE); }
};

}  // namespace

SolidSink& immediateSink() {
    static ImmediateSink sink;
    return sink;
}

// The immediate-mode sink of the solids.
#include "kestrova/SolidSink.h"

#include "kestrova/SolidBatch.h"

namespace {

class ImmediateSink final : public SolidSink {
public:
    // Solids drawn at once come after those an open batch holds.
    void begin(GLenum mode) override {
        sendSolidBatch();
        glBegin(mode);
    }
    void normal(double x, double y, double z) override { glNormal3d(x, y, z); }
    void texCoord(double s, double t) override { glTexCoord2d(s, t); }
    void vertex(double x, double y, double z) override { glVertex3d(x, y, z); }
    void end() override { glEnd(); }
    void cullingOff() override {
        sendSolidBatch();
        glDisable(GL_CULL_FACE);
    }
    void cullingOn() override {
        sendSolidBatch();
        glEnable(GL_CULL_FACE);
    }
};

}  // namespace

SolidSink& immediateSink() {
    static ImmediateSink sink;
    return sink;
}

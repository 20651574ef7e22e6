// With back faces culled, every closed solid still shows its nearest surface
// at every pixel it covers without culling, from any side: no face is wound
// the wrong way (a hole) and the solid is not inside out (its far side showing).
#include "support/OffscreenGL.h"

#include "kestrova/RenderState.h"
#include "kestrova/Solids.h"

#include <GL/gl.h>

#include <cmath>
#include <functional>
#include <vector>

namespace {

class SolidCulling : public OffscreenGL {
protected:
    // The depth of the nearest drawn surface at every pixel (1 where nothing
    // is drawn), seen along a rotation about an axis.
    std::vector<float> depths(const std::function<void()>& draw, float angle, float ax, float ay, float az,
                              bool culled) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glEnable(GL_DEPTH_TEST);
        glDepthFunc(GL_LESS);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-4, 4, -3, 3, -10, 10);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glRotatef(angle, ax, ay, az);
        if (culled)
            SETGLREFRACTIVE();
        else
            glDisable(GL_CULL_FACE);
        glColor3f(1, 1, 1);
        draw();
        std::vector<float> depth(800 * 600);
        glReadPixels(0, 0, 800, 600, GL_DEPTH_COMPONENT, GL_FLOAT, depth.data());
        return depth;
    }

    void expectOutsideFromAnySide(const std::function<void()>& draw) {
        struct View {
            float angle, x, y, z;
        };
        for (const View& v : {View{0, 1, 0, 0}, View{180, 1, 0, 0}, View{90, 1, 0, 0}, View{-90, 1, 0, 0},
                              View{90, 0, 1, 0}, View{-90, 0, 1, 0}, View{35, 1, 1, 0}, View{140, 1, -1, 0.5f}}) {
            const std::vector<float> nearest = depths(draw, v.angle, v.x, v.y, v.z, false);
            const std::vector<float> front = depths(draw, v.angle, v.x, v.y, v.z, true);
            int covered = 0, wrong = 0;
            for (std::size_t i = 0; i < nearest.size(); ++i) {
                covered += nearest[i] < 1;
                wrong += std::abs(front[i] - nearest[i]) > 1e-3f;
            }
            EXPECT_GT(covered, 1000);
            EXPECT_EQ(wrong, 0) << "view " << v.angle << " about (" << v.x << ", " << v.y << ", " << v.z << ")";
        }
    }
};

}  // namespace

TEST_F(SolidCulling, BoxesShowTheirOutside) {
    expectOutsideFromAnySide([] { CUBO(0.2f, 0.1f, 0, 1, 1.5f, 2); });
    expectOutsideFromAnySide([] { CUBO(-1, -2, -1.5f, 1.5f, 1, 2, 1); });
    expectOutsideFromAnySide([] {
        CUBO(GLVECTOR(-1, -1, 1), GLVECTOR(1, -1, 1), GLVECTOR(-1, 1, 1), GLVECTOR(1, 1, 1), GLVECTOR(-0.5, -0.5, -2),
             GLVECTOR(1.5, -0.5, -2), GLVECTOR(-0.5, 1, -2), GLVECTOR(1.5, 1, -2), 1);
    });
}

TEST_F(SolidCulling, SpheresAndTorusShowTheirOutside) {
    expectOutsideFromAnySide([] { SFERA(0, 0, 0, 2, 20); });
    expectOutsideFromAnySide([] { SFERA(0.5f, 0, 0, 2, 9); });
    expectOutsideFromAnySide([] { TOROIDE(0, 0, 0, 0.6f, 1.8f, 12, 16); });
}

TEST_F(SolidCulling, CylinderAndCappedConeShowTheirOutside) {
    expectOutsideFromAnySide([] { CILINDRO(0, 0, -1.5f, 2, 16, 1.2f, 3, 1); });
    // A cone with its base disc, as the cone bodies draw it.
    expectOutsideFromAnySide([] {
        CONO(0, 0, -1.5f, 16, 1.5f, 3);
        glPushMatrix();
        glRotatef(180, 1, 0, 0);
        CONO(0, 0, 1.5f, 16, 1.5f, 0);
        glPopMatrix();
    });
}

// Solids of revolution: sphere, torus, capped cylinder, open tube and cone.
#include "kestrova/Solids.h"

#include "kestrova/SolidSink.h"
#include "kestrova/UnitCircle.h"

#include <cmath>
#include <cstdlib>
#include <numbers>

namespace {

constexpr double TWO_PI = 2.0 * std::numbers::pi;

// One quad strip joining the circle of radius `rTop` at height z + h to the
// circle of radius `rBottom` at height z, round (x, y), counter-clockwise seen
// from outside. Normals are the positions themselves, which normalisation
// turns into outward directions for solids drawn round the origin. Texture s
// grows linearly with the angle from `sStart`; t is `tTop` on the upper circle
// and z on the lower one.
void ringBand(SolidSink& sink, float x, float y, float z, std::int32_t numpoints, double rTop, double rBottom, float h,
              double sPerRadian, double sStart, double tTop) {
    if (numpoints <= 0) return;
    const std::vector<CosSin>& circle = unitCircle(numpoints);
    const double top = static_cast<double>(z) + h;
    sink.begin(GL_QUAD_STRIP);
    for (int i = 0; i <= numpoints; ++i) {
        const double a = TWO_PI * i / numpoints;
        const double s = sPerRadian * a + sStart;
        const double topX = x + rTop * circle[i].c, topY = y + rTop * circle[i].s;
        const double bottomX = x + rBottom * circle[i].c, bottomY = y + rBottom * circle[i].s;
        sink.normal(topX, topY, top);
        sink.texCoord(s, tTop);
        sink.vertex(topX, topY, top);
        sink.normal(bottomX, bottomY, z);
        sink.texCoord(s, z);
        sink.vertex(bottomX, bottomY, z);
    }
    sink.end();
}

// A cone from the circle of radius r at height z to the point above its centre
// at z + h (a disc when h is 0), drawn with culling off so a disc shows from
// both sides; culling is on afterwards. The rim's texture s is the arc length
// divided by `sScale`.
void coneFan(SolidSink& sink, float x, float y, float z, std::int32_t numpoints, float r, float h, float sScale,
             double centreT) {
    sink.cullingOff();
    ringBand(sink, x, y, z, numpoints, 0.0, r, h, static_cast<double>(r) / sScale, x, centreT);
    sink.cullingOn();
}

// The flat caps of CILINDRO; `tsize` is the cylinder's texture size.
void CILINDRO_(SolidSink& sink, float x, float y, float z, std::int32_t numpoints, float r, float h, float tsize) {
    coneFan(sink, x, y, z, numpoints, r, h, tsize, h / (2.0 + tsize) + z + 1.0);
}

}  // namespace

void SFERA(float sx, float sy, float sz, float r, std::int32_t n) { SFERA(immediateSink(), sx, sy, sz, r, n); }

void SFERA(SolidSink& sink, float sx, float sy, float sz, float r, std::int32_t n) {
    const double radius = std::fabs(r);
    const std::int64_t segments = std::llabs(n);
    if (segments < 4 || !(radius > 0)) {
        sink.begin(GL_POINTS);
        sink.vertex(sx, sy, sz);
        sink.end();
        return;
    }
    const int count = static_cast<int>(segments);
    const std::vector<CosSin>& circle = unitCircle(count);
    // Latitude b lies at b * 2pi/N - pi/2, whose cosine and sine are the sine
    // and minus the cosine of b * 2pi/N. With an odd N the last band stops at
    // the pole instead of running past it, so the sphere stays closed.
    struct Latitude {
        double cos, sin, t;
    };
    const auto latitude = [&](int b) {
        if (2 * b > count) return Latitude{0.0, 1.0, 1.0};
        return Latitude{circle[b].s, -circle[b].c, 2.0 * b / count};
    };
    const int bands = (count + 1) / 2;
    // The points are emitted mirrored through the centre (-e), which makes the
    // strips counter-clockwise from outside.
    for (int j = 0; j < bands; ++j) {
        const Latitude upper = latitude(j + 1), lower = latitude(j);
        sink.begin(GL_QUAD_STRIP);
        for (int i = 0; i <= count; ++i) {
            const double s = 1.0 - static_cast<double>(i) / count;
            for (const Latitude& lat : {upper, lower}) {
                const double ex = lat.cos * circle[i].c, ey = lat.sin, ez = lat.cos * circle[i].s;
                sink.normal(-ex, -ey, -ez);
                sink.texCoord(s, lat.t);
                sink.vertex(sx - radius * ex, sy - radius * ey, sz - radius * ez);
            }
        }
        sink.end();
    }
}

void TOROIDE(float x, float y, float z, float tuber, float r, std::int32_t sides, std::int32_t rings) {
    TOROIDE(immediateSink(), x, y, z, tuber, r, sides, rings);
}

void TOROIDE(SolidSink& sink, float x, float y, float z, float tuber, float r, std::int32_t sides, std::int32_t rings) {
    if (sides <= 0 || rings <= 0) return;
    const std::vector<CosSin>& ring = unitCircle(rings);
    const std::vector<CosSin>& side = unitCircle(sides);
    for (int k = 0; k < rings; ++k) {
        sink.begin(GL_QUAD_STRIP);
        // Side angles run from one step past 0 to one step past a full turn.
        for (int m = 1; m <= sides + 1; ++m) {
            const CosSin& phi = side[m > sides ? m - sides : m];
            const double dist = r + tuber * phi.c;
            for (const CosSin& theta : {ring[k + 1], ring[k]}) {
                const double px = theta.c * dist, py = -theta.s * dist;
                sink.texCoord(px, py);
                sink.normal(theta.c * phi.c, -theta.s * phi.c, phi.s);
                sink.vertex(x + px, y + py, z + tuber * phi.s);
            }
        }
        sink.end();
    }
}

void CILINDRO(float x, float y, float z, std::int32_t numcircle, std::int32_t numline, float r, float h, float tsize) {
    CILINDRO(immediateSink(), x, y, z, numcircle, numline, r, h, tsize);
}

void CILINDRO(SolidSink& sink, float x, float y, float z, std::int32_t numcircle, std::int32_t numline, float r,
              float h, float tsize) {
    if (numline > 0 && numcircle > 0) {
        const std::vector<CosSin>& circle = unitCircle(numline);
        const double majorStep = static_cast<double>(h) / numcircle;
        const double minorStep = TWO_PI / numline;
        for (int i = 0; i < numcircle; ++i) {
            const double z0 = h - i * majorStep, z1 = z0 - majorStep;
            sink.begin(GL_TRIANGLE_STRIP);
            for (int j = 0; j <= numline; ++j) {
                const double a = j * minorStep;
                const double s = (h + a) * r / tsize;
                const double px = r * circle[j].c + x, py = r * circle[j].s + y;
                sink.normal(circle[j].c + x, circle[j].s + y, 0);
                sink.texCoord(s, h / tsize);
                sink.vertex(px, py, z0 + z);
                sink.texCoord(s, 0);
                sink.vertex(px, py, z1 + z);
            }
            sink.end();
        }
    }
    CILINDRO_(sink, x, y, z + h, numline, r, 0, tsize);
    CILINDRO_(sink, x, y, z, numline, r, 0, tsize);
}

void TUBO(float x, float y, float z, std::int32_t numpoints, float r, float h) {
    ringBand(immediateSink(), x, y, z, numpoints, r, r, h, r, static_cast<double>(h) * r + x,
             static_cast<double>(z) + h);
}

void CONO(float x, float y, float z, std::int32_t numpoints, float r, float h) {
    CONO(immediateSink(), x, y, z, numpoints, r, h);
}

void CONO(SolidSink& sink, float x, float y, float z, std::int32_t numpoints, float r, float h) {
    coneFan(sink, x, y, z, numpoints, r, h, 1.0f, static_cast<double>(z) + h + 1.0);
}

#include "Walls.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float EPSILON = 1e-4f;

// Positions in a wall's own frame: s along it, t across it, v up.
struct WallFrame {
    Vec3 origin, along, across;
    Vec3 at(float s, float t, float v) const { return origin + along * s + across * t + Vec3{0, 0, v}; }
};

float widthAt(const Opening& o, float v) {
    const float t = std::clamp((v - o.sill) / (o.top - o.sill), 0.0f, 1.0f);
    return o.bottomWidth + (o.topWidth - o.bottomWidth) * t;
}
float leftAt(const Opening& o, float v) { return o.centre - widthAt(o, v) / 2; }
float rightAt(const Opening& o, float v) { return o.centre + widthAt(o, v) / 2; }

// The solid stretches of the wall between the openings that cross a band [v0, v1].
struct Stretch {
    float s0Low, s1Low, s0High, s1High;
};
std::vector<Stretch> solidStretches(std::span<const Opening> openings, float length, float v0, float v1) {
    std::vector<const Opening*> crossing;
    for (const Opening& o : openings)
        if (o.sill <= v0 + EPSILON && o.top >= v1 - EPSILON) crossing.push_back(&o);
    std::sort(crossing.begin(), crossing.end(), [](const Opening* a, const Opening* b) { return a->centre < b->centre; });
    std::vector<Stretch> stretches;
    float lowStart = 0, highStart = 0;
    for (const Opening* o : crossing) {
        stretches.push_back({lowStart, leftAt(*o, v0), highStart, leftAt(*o, v1)});
        lowStart = rightAt(*o, v0);
        highStart = rightAt(*o, v1);
    }
    stretches.push_back({lowStart, length, highStart, length});
    std::erase_if(stretches, [](const Stretch& s) { return s.s1Low - s.s0Low < EPSILON && s.s1High - s.s0High < EPSILON; });
    return stretches;
}

}  // namespace

void addWall(Mesh& mesh, const WallRun& wall, std::span<const Opening> openings, Surface surface) {
    addWall(mesh, wall, openings, surface, surface);
}

void addWall(Mesh& mesh, const WallRun& wall, std::span<const Opening> openings, Surface surface, Surface leftFace) {
    const Vec3 run = wall.end - wall.start;
    const float length = std::hypot(run.x, run.y);
    const Vec3 along = normalized(Vec3{run.x, run.y, 0});
    const WallFrame f = {wall.start, along, {-along.y, along.x, 0}};
    const float half = wall.thickness / 2, height = wall.height;

    std::vector<float> levels = {0, height};
    for (const Opening& o : openings) {
        levels.push_back(std::clamp(o.sill, 0.0f, height));
        levels.push_back(std::clamp(o.top, 0.0f, height));
    }
    std::sort(levels.begin(), levels.end());
    levels.erase(std::unique(levels.begin(), levels.end(), [](float a, float b) { return b - a < EPSILON; }),
                 levels.end());

    for (std::size_t i = 0; i + 1 < levels.size(); ++i) {
        const float v0 = levels[i], v1 = levels[i + 1];
        for (const Stretch& s : solidStretches(openings, length, v0, v1))
            for (const float side : {-1.0f, 1.0f}) {
                const float t = side * half;
                addFace(mesh, {f.at(s.s0Low, t, v0), f.at(s.s1Low, t, v0), f.at(s.s1High, t, v1), f.at(s.s0High, t, v1)},
                        f.across * side, side > 0 ? leftFace : surface);
            }
    }
    for (const Opening& o : openings) {
        const float sill = std::max(o.sill, 0.0f), top = std::min(o.top, height);
        for (const float side : {-1.0f, 1.0f}) {
            const float sBottom = side < 0 ? leftAt(o, sill) : rightAt(o, sill);
            const float sTop = side < 0 ? leftAt(o, top) : rightAt(o, top);
            addFace(mesh, {f.at(sBottom, -half, sill), f.at(sBottom, half, sill), f.at(sTop, half, top), f.at(sTop, -half, top)},
                    along * -side, surface);
        }
        if (sill > EPSILON)
            addFace(mesh, {f.at(leftAt(o, sill), -half, sill), f.at(rightAt(o, sill), -half, sill),
                           f.at(rightAt(o, sill), half, sill), f.at(leftAt(o, sill), half, sill)},
                    UP, surface);
        if (top < height - EPSILON)
            addFace(mesh, {f.at(leftAt(o, top), -half, top), f.at(rightAt(o, top), -half, top),
                           f.at(rightAt(o, top), half, top), f.at(leftAt(o, top), half, top)},
                    -UP, surface);
    }
    for (const Stretch& s : solidStretches(openings, length, height, height))
        addFace(mesh, {f.at(s.s0High, -half, height), f.at(s.s1High, -half, height), f.at(s.s1High, half, height),
                       f.at(s.s0High, half, height)},
                UP, surface);
    if (wall.closedStart)
        addFace(mesh, {f.at(0, -half, 0), f.at(0, half, 0), f.at(0, half, height), f.at(0, -half, height)}, -along, surface);
    if (wall.closedEnd)
        addFace(mesh, {f.at(length, -half, 0), f.at(length, half, 0), f.at(length, half, height), f.at(length, -half, height)},
                along, surface);
}

std::vector<Opening> crenels(float length, float spacing, float gap, float sill, float top) {
    const int merlons = std::max(1, static_cast<int>(std::lround((length + gap) / spacing)));
    const float pitch = (length + gap) / static_cast<float>(merlons);
    std::vector<Opening> gaps;
    for (int i = 1; i < merlons; ++i)
        gaps.push_back({static_cast<float>(i) * pitch - gap / 2, gap, gap, sill, top});
    return gaps;
}

void addStairs(Mesh& mesh, const Stairs& stairs, Surface treads, Surface sides) {
    const Vec3 d = stairs.direction;
    const Vec3 across = Vec3{-d.y, d.x, 0} * (stairs.width / 2);
    const float stepRise = stairs.rise / static_cast<float>(stairs.steps);
    for (int i = 0; i < stairs.steps; ++i) {
        const Vec3 front = stairs.foot + d * (stairs.run * static_cast<float>(i));
        const Vec3 back = front + d * stairs.run;
        const Vec3 low = {0, 0, stepRise * static_cast<float>(i)}, high = {0, 0, stepRise * static_cast<float>(i + 1)};
        addFace(mesh, {front - across + low, front + across + low, front + across + high, front - across + high}, -d, sides);
        addFace(mesh, {front - across + high, front + across + high, back + across + high, back - across + high}, UP, treads);
        for (const float side : {-1.0f, 1.0f})
            addFace(mesh, {front + across * side, back + across * side, back + across * side + high, front + across * side + high},
                    across * side, sides);
    }
}

void addRamp(Mesh& mesh, const Ramp& ramp, Surface top, Surface sides) {
    const Vec3 d = ramp.direction;
    const Vec3 across = Vec3{-d.y, d.x, 0} * (ramp.width / 2);
    const Vec3 end = ramp.foot + d * ramp.length, rise = {0, 0, ramp.rise};
    addFace(mesh, {ramp.foot - across, ramp.foot + across, end + across + rise, end - across + rise}, UP, top);
    for (const float side : {-1.0f, 1.0f})
        addFace(mesh, {ramp.foot + across * side, end + across * side, end + across * side + rise}, across * side, sides);
    addFace(mesh, {end - across, end + across, end + across + rise, end - across + rise}, d, sides);
}

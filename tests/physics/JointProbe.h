#pragma once
// A joint's pivot followed in the frames of the two bodies it joins: while the
// joint holds, both carry it to the same world point.
#include "physics/PhysicsTestSupport.h"

// A world point carried along by a body (fixed when the body is null).
class BodyPoint {
public:
    BodyPoint(const NewtonBody* body, const Vec& world) : body_(body), local_(world) {
        if (!body) return;
        const TGLBaseMatrix m = matrixOf(body);
        const Vec d = world - Vec{m[12], m[13], m[14]};
        // The transposed rotation turns a world offset into the body's axes.
        local_ = {dot(d, {m[0], m[1], m[2]}), dot(d, {m[4], m[5], m[6]}), dot(d, {m[8], m[9], m[10]})};
    }
    Vec now() const { return body_ ? worldPoint(body_, local_) : local_; }

private:
    const NewtonBody* body_;
    Vec local_;
};

struct Pivot {
    BodyPoint inParent;
    BodyPoint inChild;

    Pivot(const NewtonBody* parent, const NewtonBody* child, const Vec& at)
        : inParent(parent, at), inChild(child, at) {}
    float gap() const { return length(inParent.now() - inChild.now()); }
};


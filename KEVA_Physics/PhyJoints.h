#pragma once
// Joints between two bodies. The parent may be null: the child is then held by
// the fixed world. Points and directions are in world space; joints are never
// removed and live as long as their world.
#include "KEVA_Physics/engine/NewtonImport.h"
#include "base/GLTypes.h"

#include <cstdint>

// Ball and socket at pos. The child swings at most angLimit degrees away from
// dirLimit and twists at most as much about it; 0 leaves both free.
NewtonJoint* PHY_ADDJOINTBALL(const NewtonWorld* world, const NewtonBody* parent, const NewtonBody* child,
                              const TGLVector& pos, const TGLVector& dirLimit, float angLimit);
// Hinge turning about dir through pos, without limits.
NewtonJoint* PHY_ADDJOINTHINGE(const NewtonWorld* world, const NewtonBody* parent, const NewtonBody* child,
                               const TGLVector& pos, const TGLVector& dir);
// Slider moving along dir through pos, without limits.
NewtonJoint* PHY_ADDJOINTSLIDER(const NewtonWorld* world, const NewtonBody* parent, const NewtonBody* child,
                                const TGLVector& pos, const TGLVector& dir);

// Chain links: a chain starts at pos and runs along dir with links `length`
// long. Joins parent and child with a free ball joint at the far end of link num.
void PHY_ADDJOINTSPRING(const NewtonWorld* world, const NewtonBody* parent, const NewtonBody* child,
                        const TGLVector& pos, const TGLVector& dir, float length, std::int32_t num);
// Joins parent to child1 at the end of link num and child1 to child2 at the
// end of link num + 1.
void PHY_ADDSPRING3(const NewtonWorld* world, const NewtonBody* parent, const NewtonBody* child1,
                    const NewtonBody* child2, const TGLVector& pos, const TGLVector& dir, float length,
                    std::int32_t num);

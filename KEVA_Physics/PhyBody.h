#pragma once
// The small body operations every body kind and scene uses: placing and
// turning a body, its mass, copying its whole state, nudging its motion and
// drawing inside its transform. Angles are degrees.
#include <cstdint>

#include "KEVA_Physics/engine/NewtonImport.h"
#include "base/GLTypes.h"

// Installs the standard gravity callback PHY_GETGRAVITYFORCE.
void PHY_SETBODYPROPCALLBACK(const NewtonBody* body);
// Mass and principal inertia, then the position; the orientation is kept.
void PHY_SETBODYPROP(const NewtonBody* body, const TGLVector& pos, const TGLVector& inertia, float mass);
void PHY_SETBODYPOSITION(const NewtonBody* body, const TGLVector& pos);
// Replaces the rotation by the one of the three angles (MATRIXEULERRAD); the position is kept.
void PHY_SETBODYANGLE(const NewtonBody* body, const TGLVector& rot);

// The whole state of a body, read and written in the same order, so that the
// state of one body can be moved onto another.
void PHY_GETALLBODYPROPERTIES(const NewtonBody* body, TGLBaseMatrix& mat, TGLVector& omega, TGLVector& velocity,
                              TGLVector& force, TGLVector& torque, TGLVector& inertia, float& mass);
void PHY_SETALLBODYPROPERTIES(const NewtonBody* body, const TGLBaseMatrix& mat, const TGLVector& omega,
                              const TGLVector& velocity, const TGLVector& force, const TGLVector& torque,
                              const TGLVector& inertia, float mass);

// Brackets a body's drawing: pushes the model-view matrix and multiplies it by
// the body's matrix; END pops it.
void PHY_GETBODYPOROPBEGIN(const NewtonBody* body);
void PHY_GETBODYPOROPEND();

// Spin (x/2 − r(x), y/2 − r(y), z/2 − r(z)) with r(n) a random integer 0 … n − 1.
void PHY_SETRNDORIENTBODY(const NewtonBody* body, std::int32_t x, std::int32_t y, std::int32_t z);
void PHY_ADDVELOCITY(const NewtonBody* body, const TGLVector& vec);
void PHY_ADDOMEGA(const NewtonBody* body, const TGLVector& vec);
// Stops the body's travel; its spin is kept.
void PHY_STOPVELOCITY(const NewtonBody* body);

// A box from two support points of the shape (its own frame): max in
// direction (1, 1, 1), min in (−1, −1, −1). Exact for boxes, smaller than the
// true bounds for curved shapes.
void PHY_GETBOUNDINGBOX(const NewtonCollision* collision, TGLVector& min, TGLVector& max);

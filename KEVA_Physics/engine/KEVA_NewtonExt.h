#pragma once
// Engine operations the physics layer needs beyond the 2.35 core: the ragdoll
// builder, with the names and argument orders of the engine's earlier releases.
//
// A ragdoll is a tree of bones, one body each. A bone's matrix is given relative
// to its parent bone (the root's in world space); its size.x is its length
// along its own x axis, and it is joined to its parent by a ball joint where it
// begins, half that length behind its origin. The bones of one ragdoll do not
// collide with each other.
#include "KEVA_Physics/engine/NewtonImport.h"

struct NewtonRagDoll;
struct NewtonRagDollBone;

NewtonRagDoll* NewtonCreateRagDoll(const NewtonWorld* newtonWorld);
// Destroys the ragdoll with its bones' bodies and joints.
void NewtonDestroyRagDoll(const NewtonWorld* newtonWorld, const NewtonRagDoll* ragDoll);
// Bones are added between begin and end only.
void NewtonRagDollBegin(const NewtonRagDoll* ragDoll);
void NewtonRagDollEnd(const NewtonRagDoll* ragDoll);
// Given to every bone's body, those made before and after the call.
void NewtonRagDollSetForceAndTorqueCallback(const NewtonRagDoll* ragDoll, NewtonApplyForceAndTorque callback);
// A dynamic body of the given mass (inertia from the shape), placed by matrix
// relative to parent (null for the root). Returns null outside begin … end.
NewtonRagDollBone* NewtonRagDollAddBone(const NewtonRagDoll* ragDoll, const NewtonRagDollBone* parent,
                                        void* userData, dFloat mass, const dFloat* matrix,
                                        const NewtonCollision* boneCollision, const dFloat* size);
// The first bone with this id, or null.
NewtonRagDollBone* NewtonRagDollFindBone(const NewtonRagDoll* ragDoll, int id);
void NewtonRagDollBoneSetID(const NewtonRagDollBone* bone, int id);
void* NewtonRagDollBoneGetUserData(const NewtonRagDollBone* bone);
NewtonBody* NewtonRagDollBoneGetBody(const NewtonRagDollBone* bone);
// Limits the bone's swing around coneDir (in the parent bone's frame) to the
// larger of |minConeAngle| and |maxConeAngle|, and its twist to |maxTwistAngle|
// (radians, as NewtonBallSetConeLimits). The lateral limits are not used: the
// joint is a cone with twist. Does nothing for the root.
void NewtonRagDollBoneSetLimits(const NewtonRagDollBone* bone, const dFloat* coneDir, dFloat minConeAngle,
                                dFloat maxConeAngle, dFloat maxTwistAngle, const dFloat* bilateralConeDir,
                                dFloat negativeBilateralConeAngle, dFloat positiveBilateralConeAngle);

// Pulling a body with the mouse: its point that is at grabPoint (world space)
// now is drawn towards a target, like a stiff, fully damped spring. The point
// is asked to close `rate` of its distance to the target per second, never
// faster than maxSpeed, and the pull accelerates the body by at most
// maxAcceleration, so a grab cannot throw a body away. The target starts at
// grabPoint. Null for a static body or one of another world. The grab keeps
// its body awake; NewtonDestroyJoint lets it go (destroying the body or the
// world does too).
NewtonJoint* NewtonConstraintCreateGrab(const NewtonWorld* newtonWorld, const dFloat* grabPoint,
                                        const NewtonBody* body, dFloat rate, dFloat maxSpeed, dFloat maxAcceleration);
void NewtonGrabSetTarget(const NewtonJoint* grab, const dFloat* target);
// Where the grabbed point is now (world space).
void NewtonGrabGetPoint(const NewtonJoint* grab, dFloat* point);

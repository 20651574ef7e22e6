#pragma once
// The rigid-body engine as the physics layer sees it: the operations, names and
// argument orders of Newton Game Dynamics 2.35, implemented on Bullet.
//
// Conventions kept by every operation:
// - Handles are opaque. Every operation accepts a null handle and then does
//   nothing (getters write zeros, or the identity matrix, and return 0 or null).
// - Vectors are three dFloat; matrices are sixteen dFloat in OpenGL
//   column-major order (0..2 the x axis, 4..6 y, 8..10 z, 12..14 the
//   translation). A body's matrix places its shape; it is not moved by the
//   centre of mass.
// - Angles are radians.
// - Callbacks run synchronously inside the operation that triggers them, on
//   the caller's thread; their thread index is always 0.
// - Shapes are reference counted: a creator holds one reference and gives it
//   back with NewtonReleaseCollision; bodies and compounds take their own.
//   NewtonDestroy frees everything a world made, released or not.

typedef float dFloat;

struct NewtonWorld;
struct NewtonBody;
struct NewtonCollision;
struct NewtonJoint;

// Blocks of exactly sizeInBytes, aligned like malloc. Both may be null: the
// engine then uses the C++ heap.
typedef void* (*NewtonAllocMemory)(int sizeInBytes);
typedef void (*NewtonFreeMemory)(void* ptr, int sizeInBytes);

typedef void (*NewtonApplyForceAndTorque)(const NewtonBody* body, dFloat timestep, int threadIndex);
typedef void (*NewtonBodyIterator)(const NewtonBody* body, void* userData);
// One polygon: vertexCount points packed as dFloat triples, in world space.
typedef void (*NewtonCollisionIterator)(void* userData, int vertexCount, const dFloat* faceArray, int faceId);
// Called for each hit with the hit fraction along the ray; the return value
// becomes the farthest fraction still reported (0 stops the cast).
typedef dFloat (*NewtonWorldRayFilterCallback)(const NewtonBody* body, const dFloat* hitNormal, int collisionID,
                                               void* userData, dFloat intersectParam);
// Called for each body the ray may meet; 0 skips the body.
typedef unsigned (*NewtonWorldRayPrefilterCallback)(const NewtonBody* body, const NewtonCollision* collision,
                                                    void* userData);
// Writes the fluid surface plane (a, b, c, d: a·x + b·y + c·z + d = 0, normal
// pointing out of the fluid). The plane starts as (0, 1, 0, 0), so a callback
// that writes only the normal keeps d = 0; the return value is not used.
typedef int (*NewtonGetBuoyancyPlane)(const int collisionID, void* context, const dFloat* globalSpaceMatrix,
                                      dFloat* globalSpacePlane);

// ---- World ----------------------------------------------------------------
NewtonWorld* NewtonCreate(NewtonAllocMemory malloc, NewtonFreeMemory mfree);
// Frees the world and everything in it: bodies, shapes, joints, ragdolls.
void NewtonDestroy(const NewtonWorld* newtonWorld);
// 0: exact (30 solver passes, the default); 1: fast (8 passes); n > 1: n passes.
void NewtonSetSolverModel(const NewtonWorld* newtonWorld, int model);
// 0: exact friction, the default (two friction directions per contact, kept
// from step to step); 1: fast (one direction, along the sliding).
void NewtonSetFrictionModel(const NewtonWorld* newtonWorld, int model);
// 0: plain floating point; 1 and 2: vector instructions.
void NewtonSetPlatformArchitecture(const NewtonWorld* newtonWorld, int mode);
// Accepted for compatibility: this engine solves every island on the calling thread.
void NewtonSetMultiThreadSolverOnSingleIsland(const NewtonWorld* newtonWorld, int mode);
// A step longer than 1/frameRate is split into equal sub-steps.
void NewtonSetMinimumFrameRate(const NewtonWorld* newtonWorld, dFloat frameRate);
// Bodies that leave this box stop being simulated (default ±100 on each axis).
void NewtonSetWorldSize(const NewtonWorld* newtonWorld, const dFloat* minPoint, const dFloat* maxPoint);
// Calls every dynamic body's force-and-torque callback once, then advances the
// world by timestep clamped to 1/1000 … 1/60 second.
void NewtonUpdate(const NewtonWorld* newtonWorld, dFloat timestep);
int NewtonWorldGetBodyCount(const NewtonWorld* newtonWorld);
// Every body of the world, one after another: the first, then each next until
// null. Creating or destroying bodies starts the walk over.
NewtonBody* NewtonWorldGetFirstBody(const NewtonWorld* newtonWorld);
NewtonBody* NewtonWorldGetNextBody(const NewtonWorld* newtonWorld, const NewtonBody* curBody);
int NewtonWorldGetConstraintCount(const NewtonWorld* newtonWorld);

// ---- Bodies ---------------------------------------------------------------
// A static body (no mass) holding its own reference to collision.
NewtonBody* NewtonCreateBody(const NewtonWorld* newtonWorld, const NewtonCollision* collision, const dFloat* matrix);
// Also destroys the joints that hold the body.
void NewtonDestroyBody(const NewtonWorld* newtonWorld, const NewtonBody* body);

void NewtonBodySetMatrix(const NewtonBody* body, const dFloat* matrix);
void NewtonBodyGetMatrix(const NewtonBody* body, dFloat* matrix);
void NewtonBodySetVelocity(const NewtonBody* body, const dFloat* velocity);
void NewtonBodyGetVelocity(const NewtonBody* body, dFloat* velocity);
void NewtonBodySetOmega(const NewtonBody* body, const dFloat* omega);
void NewtonBodyGetOmega(const NewtonBody* body, dFloat* omega);
// Force and torque act for the next step. Before a body's force-and-torque
// callback runs they are cleared, so what the callback sets acts for that step only.
void NewtonBodySetForce(const NewtonBody* body, const dFloat* force);
void NewtonBodyAddForce(const NewtonBody* body, const dFloat* force);
void NewtonBodyGetForce(const NewtonBody* body, dFloat* force);
void NewtonBodySetTorque(const NewtonBody* body, const dFloat* torque);
void NewtonBodyAddTorque(const NewtonBody* body, const dFloat* torque);
void NewtonBodyGetTorque(const NewtonBody* body, dFloat* torque);
// A mass above 0 makes the body dynamic; 0, a negative or an invalid mass makes
// it static. Non-positive inertia components are replaced by sensible ones.
void NewtonBodySetMassMatrix(const NewtonBody* body, dFloat mass, dFloat Ixx, dFloat Iyy, dFloat Izz);
void NewtonBodyGetMassMatrix(const NewtonBody* body, dFloat* mass, dFloat* Ixx, dFloat* Iyy, dFloat* Izz);
// Centre of mass in the body's own frame. Set it before joining the body.
void NewtonBodySetCentreOfMass(const NewtonBody* body, const dFloat* com);
void NewtonBodyGetCentreOfMass(const NewtonBody* body, dFloat* com);
void NewtonBodySetCollision(const NewtonBody* body, const NewtonCollision* collision);
NewtonCollision* NewtonBodyGetCollision(const NewtonBody* body);
NewtonWorld* NewtonBodyGetWorld(const NewtonBody* body);
void NewtonBodySetUserData(const NewtonBody* body, void* userData);
void* NewtonBodyGetUserData(const NewtonBody* body);
void NewtonBodySetMaterialGroupID(const NewtonBody* body, int id);
int NewtonBodyGetMaterialGroupID(const NewtonBody* body);
// Fraction of the linear velocity lost per second, 0 … 1.
void NewtonBodySetLinearDamping(const NewtonBody* body, dFloat linearDamp);
dFloat NewtonBodyGetLinearDamping(const NewtonBody* body);
// Non-zero: the body is swept so that it does not pass through thin bodies.
void NewtonBodySetContinuousCollisionMode(const NewtonBody* body, unsigned state);
int NewtonBodyGetContinuousCollisionMode(const NewtonBody* body);
void NewtonBodySetForceAndTorqueCallback(const NewtonBody* body, NewtonApplyForceAndTorque callback);
NewtonApplyForceAndTorque NewtonBodyGetForceAndTorqueCallback(const NewtonBody* body);
// 1 while the body rests (it wakes when touched, moved or its forces change).
int NewtonBodyGetSleepState(const NewtonBody* body);
// Changes the velocity of the body's point pointPosit (world space) by pointDeltaVeloc.
void NewtonBodyAddImpulse(const NewtonBody* body, const dFloat* pointDeltaVeloc, const dFloat* pointPosit);
// Adds the lift of the part of the body's shape under the plane that
// buoyancyPlane gives (fluid of the given density under gravityVector), at the
// centre of that part, and a drag: a body wholly under the surface loses
// fluidLinearViscosity times its velocity and fluidAngularViscosity times its
// spin per tenth of a second, a body partly under in proportion.
void NewtonBodyAddBuoyancyForce(const NewtonBody* body, dFloat fluidDensity, dFloat fluidLinearViscosity,
                                dFloat fluidAngularViscosity, const dFloat* gravityVector,
                                NewtonGetBuoyancyPlane buoyancyPlane, void* context);

// ---- Shapes ---------------------------------------------------------------
// offsetMatrix (may be null) places the shape in the body's frame.
// Sizes are taken as absolute values, at least 0.001.
NewtonCollision* NewtonCreateBox(const NewtonWorld* newtonWorld, dFloat dx, dFloat dy, dFloat dz, int shapeID,
                                 const dFloat* offsetMatrix);
NewtonCollision* NewtonCreateSphere(const NewtonWorld* newtonWorld, dFloat radiusX, dFloat radiusY, dFloat radiusZ,
                                    int shapeID, const dFloat* offsetMatrix);
// Cone, cylinder and capsule lie along x; the cone's apex points to +x; the
// capsule's height is its whole length, caps included.
NewtonCollision* NewtonCreateCone(const NewtonWorld* newtonWorld, dFloat radius, dFloat height, int shapeID,
                                  const dFloat* offsetMatrix);
NewtonCollision* NewtonCreateCylinder(const NewtonWorld* newtonWorld, dFloat radius, dFloat height, int shapeID,
                                      const dFloat* offsetMatrix);
NewtonCollision* NewtonCreateCapsule(const NewtonWorld* newtonWorld, dFloat radius, dFloat height, int shapeID,
                                     const dFloat* offsetMatrix);
// Points are read every strideInBytes bytes; the hull keeps every point on it
// (tolerance is not needed). Fewer than four points, or points in one plane,
// give a thin hull; no valid point gives a tiny one.
NewtonCollision* NewtonCreateConvexHull(const NewtonWorld* newtonWorld, int count, const dFloat* vertexCloud,
                                        int strideInBytes, dFloat tolerance, int shapeID, const dFloat* offsetMatrix);
// A shape made of convex parts (each placed by its own offset); static meshes are left out.
NewtonCollision* NewtonCreateCompoundCollision(const NewtonWorld* newtonWorld, int count,
                                               NewtonCollision* const collisionPrimitiveArray[], int shapeID);
void NewtonReleaseCollision(const NewtonWorld* newtonWorld, const NewtonCollision* collision);
// Inertia per unit mass about the centre of volume (principal axes of the
// shape's frame), and that centre. Zero for static meshes.
void NewtonConvexCollisionCalculateInertialMatrix(const NewtonCollision* convexCollision, dFloat* inertia,
                                                  dFloat* origin);
dFloat NewtonConvexCollisionCalculateVolume(const NewtonCollision* convexCollision);
// The shape's farthest point in direction dir (shape frame).
void NewtonCollisionSupportVertex(const NewtonCollision* collision, const dFloat* dir, dFloat* vertex);
void NewtonCollisionCalculateAABB(const NewtonCollision* collision, const dFloat* matrix, dFloat* p0, dFloat* p1);
// Closest point of the shape (placed by matrix) to point. Returns 1 when there
// is no valid answer (the point is inside or on the shape, or the shape is a
// static mesh), 0 otherwise; then contact is the closest point and normal the
// unit vector from point towards it.
int NewtonCollisionPointDistance(const NewtonWorld* newtonWorld, const dFloat* point,
                                 const NewtonCollision* collision, const dFloat* matrix, dFloat* contact,
                                 dFloat* normal, int threadIndex);
// Every face of the shape placed by matrix, as a closed polygon.
void NewtonCollisionForEachPolygonDo(const NewtonCollision* collision, const dFloat* matrix,
                                     NewtonCollisionIterator callback, void* userData);

// ---- Static meshes --------------------------------------------------------
// A tree collision is built once: begin, add faces, end. Bodies made from it
// are always static.
NewtonCollision* NewtonCreateTreeCollision(const NewtonWorld* newtonWorld, int shapeID);
void NewtonTreeCollisionBeginBuild(const NewtonCollision* treeCollision);
// vertexCount ≥ 3 points (a fan), read every strideInBytes bytes.
void NewtonTreeCollisionAddFace(const NewtonCollision* treeCollision, int vertexCount, const dFloat* vertexPtr,
                                int strideInBytes, int faceAttribute);
// With optimize the tree of triangles is stored quantised (smaller, a little
// slower to build). Contacts ignore the edges between the mesh's own faces.
void NewtonTreeCollisionEndBuild(const NewtonCollision* treeCollision, int optimize);

// ---- Joints ---------------------------------------------------------------
// parentBody may be null: the child is then joined to the fixed world.
// Bodies joined together do not collide with each other.
NewtonJoint* NewtonConstraintCreateBall(const NewtonWorld* newtonWorld, const dFloat* pivotPoint,
                                        const NewtonBody* childBody, const NewtonBody* parentBody);
// Limits the child's swing to maxConeAngle around pin (world space, taken in
// the pose of the call) and its twist about pin to maxTwistAngle. An angle of 0
// (or π and more) leaves that motion free, a zero pin leaves both free.
void NewtonBallSetConeLimits(const NewtonJoint* ball, const dFloat* pin, dFloat maxConeAngle, dFloat maxTwistAngle);
NewtonJoint* NewtonConstraintCreateHinge(const NewtonWorld* newtonWorld, const dFloat* pivotPoint,
                                         const dFloat* pinDir, const NewtonBody* childBody,
                                         const NewtonBody* parentBody);
NewtonJoint* NewtonConstraintCreateSlider(const NewtonWorld* newtonWorld, const dFloat* pivotPoint,
                                          const dFloat* pinDir, const NewtonBody* childBody,
                                          const NewtonBody* parentBody);
// Keeps the body's axis that is pinDir now along pinDir; it may still turn about it.
NewtonJoint* NewtonConstraintCreateUpVector(const NewtonWorld* newtonWorld, const dFloat* pinDir,
                                            const NewtonBody* body);
void NewtonDestroyJoint(const NewtonWorld* newtonWorld, const NewtonJoint* joint);
// The acceleration of an implicit spring (stiffness ks, displacement x) with
// damper (kd, speed s) over the step dt.
dFloat NewtonCalculateSpringDamperAcceleration(dFloat dt, dFloat ks, dFloat x, dFloat kd, dFloat s);

// ---- Materials ------------------------------------------------------------
// Elasticity and friction are kept per pair of groups and used by new contacts
// between bodies of those groups. Defaults: elasticity 0.2, friction 0.5. A
// contact has one friction coefficient: the kinetic one (a body sliding down a
// slope keeps sliding as it would once moving); the static one is not used.
int NewtonMaterialGetDefaultGroupID(const NewtonWorld* newtonWorld);
int NewtonMaterialCreateGroupID(const NewtonWorld* newtonWorld);
void NewtonMaterialSetDefaultElasticity(const NewtonWorld* newtonWorld, int id0, int id1, dFloat elasticCoef);
void NewtonMaterialSetDefaultFriction(const NewtonWorld* newtonWorld, int id0, int id1, dFloat staticFriction,
                                      dFloat kineticFriction);

// ---- Queries --------------------------------------------------------------
void NewtonWorldRayCast(const NewtonWorld* newtonWorld, const dFloat* p0, const dFloat* p1,
                        NewtonWorldRayFilterCallback filter, void* userData,
                        NewtonWorldRayPrefilterCallback prefilter);
// Calls callback for every body whose bounds meet the box p0 … p1.
void NewtonWorldForEachBodyInAABBDo(const NewtonWorld* newtonWorld, const dFloat* p0, const dFloat* p1,
                                    NewtonBodyIterator callback, void* userData);

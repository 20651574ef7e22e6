// The mouse grab: Bullet's point-to-point joint to a moving target in the
// world, with its pull and its speed bounded.
#include "KEVA_Physics/engine/EngineRecords.h"

#include <algorithm>

using engine::edit;

namespace {

class GrabConstraint : public btPoint2PointConstraint {
public:
    GrabConstraint(btRigidBody& body, const btVector3& pointInBody, btScalar rate, btScalar maxSpeed,
                   btScalar maxAcceleration)
        : btPoint2PointConstraint(body, pointInBody),
          rate_(rate), maxSpeed_(maxSpeed), maxAcceleration_(maxAcceleration) {}

    // The error correction and the impulse bound follow the step, so that the
    // pull feels the same in every scene whatever step it takes.
    void getInfo2(btConstraintInfo2* info) override {
        setParam(BT_CONSTRAINT_ERP, std::min(btScalar(1), rate_ / info->fps));
        const btScalar inverseMass = getRigidBodyA().getInvMass();
        m_setting.m_impulseClamp = inverseMass > 0 ? maxAcceleration_ / (inverseMass * info->fps) : 0;
        btPoint2PointConstraint::getInfo2(info);
        // The rows ask the point for a velocity towards the target: bound its size.
        btScalar* asked[3] = {&info->m_constraintError[0], &info->m_constraintError[info->rowskip],
                              &info->m_constraintError[2 * info->rowskip]};
        const btScalar speed = btVector3(*asked[0], *asked[1], *asked[2]).length();
        if (speed <= maxSpeed_) return;
        for (btScalar* row : asked) *row *= maxSpeed_ / speed;
    }

private:
    btScalar rate_;
    btScalar maxSpeed_;
    btScalar maxAcceleration_;
};

GrabConstraint* grabOf(const NewtonJoint* joint) {
    return joint && joint->kind == JointKind::Grab ? static_cast<GrabConstraint*>(joint->constraint.get()) : nullptr;
}

}  // namespace

NewtonJoint* NewtonConstraintCreateGrab(const NewtonWorld* newtonWorld, const dFloat* grabPoint,
                                        const NewtonBody* body, dFloat rate, dFloat maxSpeed, dFloat maxAcceleration) {
    if (!newtonWorld || !body || body->world != newtonWorld || !body->isDynamic()) return nullptr;
    NewtonBody* record = edit(body);
    const btVector3 inBody = record->rigid.getWorldTransform().inverse() * engine::toVector(grabPoint);
    return engine::addJoint(newtonWorld, JointKind::Grab, body, nullptr,
                            std::make_unique<GrabConstraint>(record->rigid, inBody, std::max(rate, dFloat(0)),
                                                             std::max(maxSpeed, dFloat(0)),
                                                             std::max(maxAcceleration, dFloat(0))));
}

void NewtonGrabSetTarget(const NewtonJoint* grab, const dFloat* target) {
    GrabConstraint* constraint = grabOf(grab);
    if (!constraint || !target) return;
    const btVector3 to = engine::toVector(target);
    if (!engine::finite(to)) return;
    constraint->setPivotB(to);
    engine::wake(*grab->child);
}

void NewtonGrabGetPoint(const NewtonJoint* grab, dFloat* point) {
    const GrabConstraint* constraint = grabOf(grab);
    const btVector3 where = constraint ? grab->child->rigid.getWorldTransform() * constraint->getPivotInA()
                                       : btVector3(0, 0, 0);
    engine::store(where, point);
}

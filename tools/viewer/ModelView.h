#pragma once
// What the model viewer shows: a model (3DS, MilkShape text or binary mesh),
// a BVH motion, or a model with a motion; the skin posed at a frame, the bones
// as lines with a ball at each joint, and the box that frames all of it.
#include "KEVA_3DS/Model3ds.h"

#include <memory>
#include <string>
#include <vector>

class ModelView {
public:
    // Loads the file (and the motion, when given); false when nothing could be read.
    bool load(const std::string& file, const std::string& motion);

    // Frames the motion has (0 without one); frame 0 is the rest pose.
    std::int32_t frames() const;
    // The model posed at the frame (its skin follows the motion's bones of the
    // same names), then the bones when asked for. The caller has set up the camera.
    void draw(std::int32_t frame, bool bones) const;
    // The box round the model at rest and the joints at every frame of the motion.
    T3dpoint minimum() const { return minimum_; }
    T3dpoint maximum() const { return maximum_; }
    // An eye point that sees the whole box: a model from the front (+z), a
    // motion from its side (+x), both a little from above.
    T3dpoint eye() const;
    T3dpoint centre() const;
    // Where each joint of the skeleton shown is at the frame.
    std::vector<T3dpoint> joints(std::int32_t frame) const;
    const TGLSkeleton* shownSkeleton() const;
    const TGLAll3dsMesh& model() const { return *model_; }

private:
    std::vector<clsMatrix> skinPose(std::int32_t frame) const;
    void drawBones(std::int32_t frame) const;
    void frameAll();

    std::unique_ptr<TGLAll3dsMesh> model_ = std::make_unique<TGLAll3dsMesh>();
    std::unique_ptr<TGLSkeleton> motion_;
    bool threeDs_ = false;
    T3dpoint minimum_, maximum_;
};

#include "ModelView.h"

#include "KEVA_3DS/TextLines.h"
#include "kestrova/Solids.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

namespace {

bool endsWith(const std::string& name, const char* ending) { return lowerCase(name).ends_with(ending); }

void widen(T3dpoint& minimum, T3dpoint& maximum, const T3dpoint& p) {
    minimum = {std::min(minimum.X, p.X), std::min(minimum.Y, p.Y), std::min(minimum.Z, p.Z)};
    maximum = {std::max(maximum.X, p.X), std::max(maximum.Y, p.Y), std::max(maximum.Z, p.Z)};
}

std::int32_t boneIndex(const TGLSkeleton& skeleton, const TGL3dsBone* bone) {
    for (std::size_t b = 0; b < skeleton.FBONE.size(); ++b)
        if (skeleton.FBONE[b].get() == bone) return static_cast<std::int32_t>(b);
    return -1;
}

}  // namespace

bool ModelView::load(const std::string& file, const std::string& motion) {
    const std::string motionFile = endsWith(file, ".bvh") ? file : motion;
    if (!endsWith(file, ".bvh")) {
        model_->LOADFROMFILE(file);
        threeDs_ = endsWith(file, ".3ds");
    }
    if (!motionFile.empty()) {
        motion_ = std::make_unique<TGLSkeleton>(nullptr);
        motion_->LOADFROMFILE(motionFile);
    }
    frameAll();
    return model_->FNUMMESHES > 0 || (motion_ && motion_->FNUMBONES > 0);
}

std::int32_t ModelView::frames() const { return motion_ ? motion_->FNUMFRAMES : 0; }

const TGLSkeleton* ModelView::shownSkeleton() const { return motion_ ? motion_.get() : model_->SKINSKELETON(); }

// The skin's bones at the frame: a bone that the motion also has (by name)
// takes the motion's matrix, the others keep their rest pose.
std::vector<clsMatrix> ModelView::skinPose(std::int32_t frame) const {
    const TGLSkeleton* skin = model_->SKINSKELETON();
    if (!skin) return {};
    std::vector<clsMatrix> pose = skin->POSE(0);
    if (!motion_ || frame <= 0) return pose;
    const std::vector<clsMatrix> moved = motion_->POSE(frame);
    for (std::size_t b = 0; b < pose.size(); ++b) {
        const std::int32_t same = boneIndex(*motion_, motion_->GETBONEBYNAME(skin->FBONE[b]->FNAME));
        if (same >= 0) pose[b] = moved[static_cast<std::size_t>(same)];
    }
    return pose;
}

std::vector<T3dpoint> ModelView::joints(std::int32_t frame) const {
    std::vector<T3dpoint> out;
    const TGLSkeleton* skeleton = shownSkeleton();
    if (!skeleton) return out;
    for (const clsMatrix& m : skeleton == motion_.get() ? motion_->POSE(frame) : skinPose(frame))
        out.push_back(m.TRANSLATION());
    return out;
}

void ModelView::draw(std::int32_t frame, bool bones) const {
    // Materials and joints give their colour to the lit surface.
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
    glEnable(GL_CULL_FACE);
    glCullFace(threeDs_ ? GL_FRONT : GL_BACK);
    if (model_->SKINSKELETON()) model_->RENDERPOSED(skinPose(frame));
    else model_->RENDER();
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    glCullFace(GL_BACK);
    if (bones) drawBones(frame);
    glDisable(GL_COLOR_MATERIAL);
}

void ModelView::drawBones(std::int32_t frame) const {
    const TGLSkeleton* skeleton = shownSkeleton();
    if (!skeleton) return;
    const std::vector<T3dpoint> at = joints(frame);
    const float size = std::max({maximum_.X - minimum_.X, maximum_.Y - minimum_.Y, maximum_.Z - minimum_.Z});
    // Drawn over the skin, so they show through it.
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glLineWidth(2);
    glColor3f(1.0f, 0.85f, 0.2f);
    for (std::size_t b = 0; b < at.size(); ++b) {
        const std::int32_t parent = boneIndex(*skeleton, skeleton->FBONE[b]->FPARENT);
        if (parent >= 0) {
            const T3dpoint& p = at[static_cast<std::size_t>(parent)];
            LINE(p.X, p.Y, p.Z, at[b].X, at[b].Y, at[b].Z);
        }
    }
    glEnable(GL_LIGHTING);
    glColor3f(0.9f, 0.3f, 0.2f);
    for (const T3dpoint& p : at) SFERA(p.X, p.Y, p.Z, size * 0.012f, 10);
    glEnable(GL_DEPTH_TEST);
}

void ModelView::frameAll() {
    bool any = false;
    const auto add = [&](const T3dpoint& p) {
        if (!any) minimum_ = maximum_ = p;
        any = true;
        widen(minimum_, maximum_, p);
    };
    if (model_->FNUMMESHES > 0) {
        add(model_->FMINIMUM);
        add(model_->FMAXIMUM);
    }
    for (std::int32_t f = frames() > 0 ? 1 : 0; f <= frames(); ++f)
        for (const T3dpoint& p : joints(f)) add(p);
}

T3dpoint ModelView::centre() const {
    return {(minimum_.X + maximum_.X) / 2, (minimum_.Y + maximum_.Y) / 2, (minimum_.Z + maximum_.Z) / 2};
}

T3dpoint ModelView::eye() const {
    const float dx = maximum_.X - minimum_.X, dy = maximum_.Y - minimum_.Y, dz = maximum_.Z - minimum_.Z;
    const float r = std::max(0.5f, std::sqrt(dx * dx + dy * dy + dz * dz) / 2);
    const T3dpoint c = centre();
    // A motion is seen from its side, where a walk along z shows its strides.
    if (frames() > 0) return {c.X + 1.6f * r, c.Y + 0.3f * r, c.Z + 0.3f * r};
    return {c.X + 1.0f * r, c.Y + 0.6f * r, c.Z + 2.6f * r};
}

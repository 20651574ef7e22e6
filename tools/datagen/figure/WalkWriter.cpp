#include "FigureWriters.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <numbers>

namespace {

// The root also moves; the head turns in another order than the other joints.
const char* channelsOf(const std::string& joint) {
    if (joint == "Hips") return "CHANNELS 6 Xposition Yposition Zposition Zrotation Xrotation Yrotation";
    if (joint == "Head") return "CHANNELS 3 Xrotation Yrotation Zrotation";
    return "CHANNELS 3 Zrotation Xrotation Yrotation";
}

void hierarchy(std::string& out, int joint, int depth) {
    const auto& joints = figureJoints();
    const Joint& j = joints[static_cast<std::size_t>(joint)];
    const std::string pad(static_cast<std::size_t>(2 * depth), ' ');
    out += pad + (j.parent < 0 ? "ROOT " : "JOINT ") + j.name + "\n" + pad + "{\n";
    const Vec3 offset = j.parent < 0 ? Vec3{} : j.offset;  // the root's place comes with every frame
    out += pad + formatLine("  OFFSET %.4f %.4f %.4f\n", offset.x, offset.y, offset.z) + pad + "  " +
           channelsOf(j.name) + "\n";
    for (std::size_t child = 0; child < joints.size(); ++child)
        if (joints[child].parent == joint) hierarchy(out, static_cast<int>(child), depth + 1);
    if (j.endSite)
        out += pad + "  End Site\n" + pad + "  {\n" + pad +
               formatLine("    OFFSET %.4f %.4f %.4f\n", j.endOffset.x, j.endOffset.y, j.endOffset.z) + pad + "  }\n";
    out += pad + "}\n";
}

// The angles of one frame, in degrees about x, y and z. A walk cycle is a
// second: the legs swing 20 degrees either way, the knee of the leg in the
// air bends up to 60 degrees as it passes under the body, the feet stay
// nearly level, the arms swing against the legs and the hips rise over the
// leg they stand on.
std::map<std::string, Vec3> walkAngles(float phase) {
    const float s = std::sin(phase), c = std::cos(phase);
    std::map<std::string, Vec3> a;
    a["Hips"] = {3, 4 * s, 2 * std::cos(2 * phase)};
    a["Spine"] = {1, -2.5f * s, 0};
    a["Chest"] = {1, -2.5f * s, 0};
    a["Head"] = {-3 + 2 * std::sin(2 * phase), 0, 0};
    for (const float side : {1.0f, -1.0f}) {
        const std::string name = side > 0 ? "Left" : "Right";
        const float hip = -20 * side * s;
        const float knee = 5 + 55 * std::pow(std::max(0.0f, side * c), 2.0f);
        a[name + "Hip"] = {hip, 0, 0};
        a[name + "Knee"] = {knee, 0, 0};
        a[name + "Ankle"] = {-0.8f * (hip + knee) + 5, 0, 0};
        a[name + "Shoulder"] = {18 * side * s, 0, 6 * side};
        a[name + "Elbow"] = {-(12 + 14 * std::max(0.0f, -side * s)), 0, 0};
    }
    return a;
}

std::string frameLine(int frame) {
    const float phase = 2 * std::numbers::pi_v<float> * static_cast<float>(frame) / 60;
    const auto angles = walkAngles(phase);
    const float height = 9.7f + 0.3f * std::cos(2 * phase);
    const float forward = 11.8f * static_cast<float>(frame) / 60;
    std::string line = formatLine("%.4f %.4f %.4f", 0.0f, height, forward);
    // Values in the order the hierarchy lists the joints, each in its channel order.
    std::vector<int> order;
    const auto& joints = figureJoints();
    const auto visit = [&](auto&& self, int joint) -> void {
        order.push_back(joint);
        for (std::size_t child = 0; child < joints.size(); ++child)
            if (joints[child].parent == joint) self(self, static_cast<int>(child));
    };
    visit(visit, 0);
    for (const int joint : order) {
        const std::string& name = joints[static_cast<std::size_t>(joint)].name;
        const auto found = angles.find(name);
        const Vec3 r = found == angles.end() ? Vec3{} : found->second;
        if (name == "Head") line += formatLine(" %.4f %.4f %.4f", r.x, r.y, r.z);
        else line += formatLine(" %.4f %.4f %.4f", r.z, r.x, r.y);
    }
    return line + "\n";
}

}  // namespace

std::string walkBvhText(int frames) {
    std::string out = "HIERARCHY\n";
    hierarchy(out, 0, 0);
    out += formatLine("MOTION\nFrames: %d\nFrame Time: %.6f\n", frames, 1.0 / 60);
    for (int f = 0; f < frames; ++f) out += frameLine(f);
    return out;
}

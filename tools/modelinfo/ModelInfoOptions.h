#pragma once
// The command line of kestrova-modelinfo.
#include <optional>
#include <string>
#include <vector>

struct Point3 {
    float x = 0, y = 0, z = 0;
};

struct ModelInfoOptions {
    std::string file;
    std::optional<float> scale;  // the reader's default when absent
    bool json = false;
    bool time = false;
    std::string png;
    int camera = 0;
    std::optional<Point3> eye, at;  // both or neither
    std::string motion;  // a BVH file that moves a skinned model's bones
    int frame = 0;       // the motion's frame drawn; 0 is the rest pose
    bool bones = true;   // skeletons are drawn over their skin
};

std::optional<ModelInfoOptions> parseModelInfoOptions(const std::vector<std::string>& args, std::string& error);

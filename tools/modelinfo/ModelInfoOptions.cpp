#include "ModelInfoOptions.h"

#include <cstdio>

namespace {

bool parsePoint(const std::string& text, Point3& p) {
    char end = 0;
    return std::sscanf(text.c_str(), "%f,%f,%f%c", &p.x, &p.y, &p.z, &end) == 3;
}

bool parseNumber(const std::string& text, float& value) {
    char end = 0;
    return std::sscanf(text.c_str(), "%f%c", &value, &end) == 1;
}

}  // namespace

std::optional<ModelInfoOptions> parseModelInfoOptions(const std::vector<std::string>& args, std::string& error) {
    ModelInfoOptions o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        Point3 p;
        float number = 0;
        if (a == "--json") {
            o.json = true;
        } else if (a == "--time") {
            o.time = true;
        } else if (a == "--motion" && hasValue) {
            o.motion = args[++i];
        } else if (a == "--frame" && hasValue && parseNumber(args[i + 1], number) && number >= 0) {
            o.frame = static_cast<int>(number);
            ++i;
        } else if (a == "--no-bones") {
            o.bones = false;
        } else if (a == "--png" && hasValue) {
            o.png = args[++i];
        } else if (a == "--camera" && hasValue && parseNumber(args[i + 1], number) && number >= 0 && number <= 2) {
            o.camera = static_cast<int>(number);
            ++i;
        } else if ((a == "--eye" || a == "--at") && hasValue && parsePoint(args[i + 1], p)) {
            (a == "--eye" ? o.eye : o.at) = p;
            ++i;
        } else if (o.file.empty() && !a.starts_with("--")) {
            o.file = a;
        } else if (!o.scale && !a.starts_with("--") && parseNumber(a, number) && number > 0) {
            o.scale = number;
        } else {
            error = "unexpected argument '" + a + "'";
            return std::nullopt;
        }
    }
    if (o.file.empty()) error = "no file given";
    if (o.eye.has_value() != o.at.has_value()) error = "--eye and --at go together";
    if (!error.empty()) return std::nullopt;
    return o;
}

#include "ModelReport.h"

#include <algorithm>
#include <cstdio>

using nlohmann::ordered_json;

namespace {

ordered_json point(const T3dpoint& p) { return {{"X", p.X}, {"Y", p.Y}, {"Z", p.Z}}; }

// Names are byte strings; bytes outside ASCII are taken as Latin-1 so that the JSON stays valid UTF-8.
std::string utf8(const std::string& bytes) {
    std::string out;
    for (const unsigned char c : bytes) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += static_cast<char>(0xC0 | c >> 6);
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

ordered_json meshJson(const TGL3dsMesh& mesh) {
    ordered_json groups = ordered_json::array();
    for (const std::string& name : mesh.FMATNAME) groups.push_back(utf8(name));
    return {{"FID", mesh.FID},
            {"FNAME", utf8(mesh.FNAME)},
            {"FNUMVERTEX", mesh.FNUMVERTEX},
            {"FNUMINDICES", mesh.FNUMINDICES},
            {"FMATNAME", groups},
            {"FPIVOT", point(mesh.FPIVOT)},
            {"FMINIMUM", point(mesh.FMINIMUM)},
            {"FMAXIMUM", point(mesh.FMAXIMUM)}};
}

ordered_json materialJson(const TGL3dsMaterial& m) {
    return {{"FNAME", utf8(m.FNAME)},
            {"FAMBR", m.FAMBR},
            {"FAMBG", m.FAMBG},
            {"FAMBB", m.FAMBB},
            {"FDIFR", m.FDIFR},
            {"FDIFG", m.FDIFG},
            {"FDIFB", m.FDIFB},
            {"FSPCR", m.FSPCR},
            {"FSPCG", m.FSPCG},
            {"FSPCB", m.FSPCB},
            {"FTRANSPARENCY", m.FTRANSPARENCY},
            {"FTWOSIDED", m.FTWOSIDED},
            {"FHASTEXTUREMAP", m.FHASTEXTUREMAP},
            {"FFILENAME", utf8(m.FFILENAME)},
            {"TEXTUREFOUND", m.FTEXID != 0},
            {"FHASBUMPMAP", m.FHASBUMPMAP},
            {"FBUMPMAPFILENAME", utf8(m.FBUMPMAPFILENAME)},
            {"FBUMPMAPSTRENGTH", m.FBUMPMAPSTRENGTH}};
}

ordered_json skeletonJson(const TGLSkeleton& skeleton) {
    ordered_json bones = ordered_json::array();
    for (const auto& bone : skeleton.FBONE)
        bones.push_back({{"FNAME", utf8(bone->FNAME)},
                         {"FPARENTNAME", utf8(bone->FPARENTNAME)},
                         {"PARENTFOUND", bone->FPARENT != nullptr},
                         {"FBVHCHANNELTYPE", bone->FBVHCHANNELTYPE},
                         {"FTRANSLATE", point(bone->FTRANSLATE)},
                         {"FNUMTRANSLATEFRAMES", bone->FNUMTRANSLATEFRAMES},
                         {"FNUMROTATEFRAMES", bone->FNUMROTATEFRAMES}});
    return {{"FNAME", utf8(skeleton.FNAME)},
            {"FNUMBONES", skeleton.FNUMBONES},
            {"FNUMFRAMES", skeleton.FNUMFRAMES},
            {"FBONE", bones}};
}

const char* kindOf(std::int32_t type) {
    switch (type) {
    case MESHMSA: return "milkshape";
    case MESHBIN: return "bin";
    default: return "3ds";
    }
}

std::string format(const char* pattern, auto... values) {
    char line[512];
    std::snprintf(line, sizeof line, pattern, values...);
    return line;
}

}  // namespace

ordered_json modelJson(const std::string& file, const TGLAll3dsMesh& model) {
    ordered_json meshes = ordered_json::array(), materials = ordered_json::array();
    for (std::int32_t i = 0; i < model.FNUMMESHES; ++i) meshes.push_back(meshJson(*model.GETMESH(i)));
    for (std::int32_t i = 0; i < model.FNUMMATERIALS; ++i) materials.push_back(materialJson(*model.GETMATERIAL(i)));
    ordered_json skeletons = ordered_json::array();
    for (const auto& skeleton : model.FSKELETON) skeletons.push_back(skeletonJson(*skeleton));
    return {{"file", file},
            {"kind", kindOf(model.FTYPE)},
            {"FTYPE", model.FTYPE},
            {"FVERSION", model.FVERSION},
            {"FMASTERSCALE", model.FMASTERSCALE},
            {"FNUMMESHES", model.FNUMMESHES},
            {"FNUMMATERIALS", model.FNUMMATERIALS},
            {"FMINIMUM", point(model.FMINIMUM)},
            {"FMAXIMUM", point(model.FMAXIMUM)},
            {"FMESH", meshes},
            {"FMATERIAL", materials},
            {"FSKELETON", skeletons}};
}

ordered_json motionJson(const std::string& file, const TGLSkeleton& skeleton) {
    return {{"file", file}, {"kind", "bvh"}, {"FSKELETON", ordered_json::array({skeletonJson(skeleton)})}};
}

ordered_json terrainJson(const std::string& file, const TerrainGrid& grid) {
    const auto [low, high] = std::minmax_element(grid.heights.begin(), grid.heights.end());
    return {{"file", file},  {"kind", "ter"},     {"nX", grid.nX},
            {"nY", grid.nY}, {"heightMin", *low}, {"heightMax", *high}};
}

namespace {

std::string skeletonSummary(const ordered_json& skeleton) {
    std::string text = format("  skeleton: %d bones, %d frames\n", skeleton["FNUMBONES"].get<int>(),
                              skeleton["FNUMFRAMES"].get<int>());
    for (const auto& bone : skeleton["FBONE"]) {
        const std::string parent = bone["FPARENTNAME"];
        text += format("    bone %-14s parent %-14s channels %4d, %d keys\n", bone["FNAME"].get<std::string>().c_str(),
                       parent.empty() ? "-" : parent.c_str(), bone["FBVHCHANNELTYPE"].get<int>(),
                       bone["FNUMROTATEFRAMES"].get<int>());
    }
    return text;
}

}  // namespace

std::string summaryOf(const ordered_json& r) {
    const std::string file = r["file"];
    if (r["kind"] == "bvh") return file + ":\n" + skeletonSummary(r["FSKELETON"][0]);
    if (r["kind"] == "ter")
        return format("%s: %d x %d samples, heights %g .. %g\n", file.c_str(), r["nX"].get<int>(), r["nY"].get<int>(),
                      r["heightMin"].get<double>(), r["heightMax"].get<double>());
    int triangles = 0;
    for (const auto& mesh : r["FMESH"]) triangles += mesh["FNUMINDICES"].get<int>() / 3;
    const auto& lo = r["FMINIMUM"];
    const auto& hi = r["FMAXIMUM"];
    std::string text = format("%s: %d objects, %d triangles, %d materials; box x %g .. %g, y %g .. %g, z %g .. %g\n",
                              file.c_str(), r["FNUMMESHES"].get<int>(), triangles, r["FNUMMATERIALS"].get<int>(),
                              lo["X"].get<double>(), hi["X"].get<double>(), lo["Y"].get<double>(),
                              hi["Y"].get<double>(), lo["Z"].get<double>(), hi["Z"].get<double>());
    for (const auto& mesh : r["FMESH"]) {
        std::string groups;
        for (const auto& g : mesh["FMATNAME"]) groups.append(" ").append(g.get<std::string>());
        text +=
            format("  object %-12s %6d vertices %6d triangles, groups:%s\n", mesh["FNAME"].get<std::string>().c_str(),
                   mesh["FNUMVERTEX"].get<int>(), mesh["FNUMINDICES"].get<int>() / 3, groups.c_str());
    }
    for (const auto& m : r["FMATERIAL"]) {
        const std::string map = m["FFILENAME"];
        const char* found = m["TEXTUREFOUND"].get<bool>() ? "loaded" : "missing";
        text += format("  material %-12s opacity %.2f%s", m["FNAME"].get<std::string>().c_str(),
                       m["FTRANSPARENCY"].get<double>(), m["FTWOSIDED"].get<bool>() ? ", two-sided" : "");
        text += map.empty() ? "\n" : format(", map %s (%s)\n", map.c_str(), found);
    }
    for (const auto& skeleton : r["FSKELETON"]) text += skeletonSummary(skeleton);
    return text;
}

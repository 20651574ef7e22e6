#pragma once
// A small 3DS writer for tests: chunks are built from their data and their
// children, so that a test states a file the way the format nests it.
// Vertices are given as the file holds them (z up).
#include "KEVA_3DS/Chunks3ds.h"
#include "KEVA_3DS/ModelTypes.h"

#include <array>
#include <bit>
#include <cstdint>
#include <string>
#include <vector>

namespace w3ds {

using Bytes = std::vector<std::uint8_t>;

inline Bytes& operator+=(Bytes& a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

inline Bytes operator+(Bytes a, const Bytes& b) { return a += b; }

inline Bytes u16(std::uint16_t v) { return {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8)}; }
inline Bytes u32(std::uint32_t v) {
    return u16(static_cast<std::uint16_t>(v)) + u16(static_cast<std::uint16_t>(v >> 16));
}
inline Bytes f32(float v) { return u32(std::bit_cast<std::uint32_t>(v)); }
inline Bytes text(const std::string& s) { return Bytes(s.begin(), s.end()) + Bytes{0}; }

inline Bytes chunk(std::uint16_t id, const Bytes& body = {}) {
    return u16(id) + u32(static_cast<std::uint32_t>(body.size() + 6)) + body;
}

inline Bytes percentage(std::uint16_t id, std::int16_t percent) {
    return chunk(id, chunk(INT_PERCENTAGE, u16(static_cast<std::uint16_t>(percent))));
}

inline Bytes byteColour(std::uint16_t block, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return chunk(block, chunk(MAT_COLOR24, Bytes{r, g, b}));
}

inline Bytes floatColour(std::uint16_t block, float r, float g, float b) {
    return chunk(block, chunk(MAT_COLOR, f32(r) + f32(g) + f32(b)));
}

// A material: its name chunk, then its properties.
inline Bytes material(const std::string& name, const Bytes& properties = {}) {
    return chunk(MAT_MATRIAL, chunk(MAT_MATNAME, text(name)) + properties);
}

inline Bytes textureMap(const std::string& file) { return chunk(MAT_TEXTURE, chunk(MAT_MAPFILE, text(file))); }

inline Bytes vertices(const std::vector<T3dpoint>& points) {
    Bytes b = u16(static_cast<std::uint16_t>(points.size()));
    for (const T3dpoint& p : points) b += f32(p.X) + f32(p.Y) + f32(p.Z);
    return chunk(TRI_VERTEXL, b);
}

inline Bytes mapping(const std::vector<TGLMap>& uvs) {
    Bytes b = u16(static_cast<std::uint16_t>(uvs.size()));
    for (const TGLMap& uv : uvs) b += f32(uv.TU) + f32(uv.TV);
    return chunk(TRI_MAPPINGCOORDS, b);
}

inline Bytes materialGroup(const std::string& name, const std::vector<std::uint16_t>& triangles) {
    Bytes b = text(name) + u16(static_cast<std::uint16_t>(triangles.size()));
    for (std::uint16_t t : triangles) b += u16(t);
    return chunk(TRI_MATERIAL, b);
}

// The face list with its children (material groups, smoothing).
inline Bytes faces(const std::vector<std::array<std::uint16_t, 3>>& triangles, const Bytes& children = {}) {
    Bytes b = u16(static_cast<std::uint16_t>(triangles.size()));
    for (const auto& t : triangles) b += u16(t[0]) + u16(t[1]) + u16(t[2]) + u16(7);
    return chunk(TRI_FACEL1, b + children);
}

// An object holding a triangle mesh made of `parts` (vertices, mapping, faces, matrix).
inline Bytes object(const std::string& name, const Bytes& parts) {
    return chunk(EDIT_OBJECT, text(name) + chunk(OBJ_TRIMESH, parts));
}

// A keyframer with one object node per pivot.
inline Bytes keyframer(const std::vector<T3dpoint>& pivots) {
    Bytes nodes;
    for (const T3dpoint& p : pivots) nodes += chunk(KEYF_OBJDES, chunk(KEYF_OBJPIVOT, f32(p.X) + f32(p.Y) + f32(p.Z)));
    return chunk(KEYF3DS, nodes);
}

// A whole file: version 3, the editor's chunks, then the rest (keyframer).
inline Bytes file(const Bytes& editor, const Bytes& rest = {}) {
    return chunk(MAIN3DS, chunk(VERS3DS, u32(3)) + chunk(EDIT3DS, editor) + rest);
}

}  // namespace w3ds

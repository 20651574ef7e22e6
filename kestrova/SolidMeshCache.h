#pragma once
// The meshes that bodies are drawn with, each recorded the first time a body
// of its shape is drawn and shared by every body of that shape.
#include "kestrova/SolidMesh.h"

#include <array>

// What tells one solid from another: a kind number and up to seven sizes.
using SolidKey = std::array<float, 8>;

// The mesh kept for `key`, or nullptr.
const SolidMesh* findSolid(const SolidKey& key);
// A new empty mesh for `key`. The cache keeps a bounded number of meshes: when
// it is full it starts afresh, so that scenes rebuilt with random sizes do not
// make it grow without end.
SolidMesh& addSolid(const SolidKey& key);

// The mesh for `key`, recorded by record(mesh) the first time.
template <typename Record>
const SolidMesh& cachedSolid(const SolidKey& key, Record&& record) {
    if (const SolidMesh* mesh = findSolid(key)) return *mesh;
    SolidMesh& mesh = addSolid(key);
    record(mesh);
    return mesh;
}

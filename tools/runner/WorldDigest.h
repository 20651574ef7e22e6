#pragma once
// A fingerprint of where every body of a world stands, so that two runs can be
// compared exactly without writing out thousands of matrices.
#include "KEVA_Physics/engine/NewtonImport.h"

#include <string>

// FNV-1a over the bytes of every body's matrix, in the world's body order, as
// 16 hex digits; "" for no world.
std::string worldDigest(const NewtonWorld* world);

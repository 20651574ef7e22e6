#pragma once
// Vector helpers on model points; triangle normals face the side from which
// the corners run clockwise.
#include "KEVA_3DS/ModelTypes.h"

T3dpoint VECTORSUBTRACT(const T3dpoint& V1, const T3dpoint& V2);
T3dpoint VCROSS(const T3dpoint& A, const T3dpoint& B);
// Writes V divided by its length into OUT; a zero vector leaves OUT untouched.
void NORMALIZE(const T3dpoint& V, T3dpoint& OUT);
// The unit normal of the triangle P1, P2, P3 taken against its counter-clockwise
// winding; the zero vector for a triangle without area.
T3dpoint CALCNORMALVECTOR(const T3dpoint& P1, const T3dpoint& P2, const T3dpoint& P3);

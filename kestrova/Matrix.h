#pragma once
// Body matrices from Euler angles, and rotating vectors by a matrix's rotation part.
#include "base/GLTypes.h"

TGLBaseMatrix MATRIXLOADIDENTITY();

// Rotation yaw (Z) * pitch (Y) * roll (X) built from angles taken as RADIANS
// (the historical name says otherwise). Only the nine rotation elements are
// written; the rest is copied from `base`, so passing a body's matrix keeps
// its translation.
TGLBaseMatrix MATRIXEULERDEG(const TGLVector& ang, const TGLBaseMatrix& base = MATRIXLOADIDENTITY());
// The same rotation from angles in DEGREES.
TGLBaseMatrix MATRIXEULERRAD(const TGLVector& ang, const TGLBaseMatrix& base = MATRIXLOADIDENTITY());

// Writes the transpose of the MATRIXEULERRAD rotation of `v` (degrees) into m.
void MATRIXSETROTATION(const TGLVector& v, TGLBaseMatrix& m);
// Writes v into the translation elements of m.
void MATRIXSETTRANSFORM(const TGLVector& v, TGLBaseMatrix& m);

// The rotation part of m applied to vec (the translation is ignored).
TGLVector MATRIXVECROT(const TGLVector& vec, const TGLBaseMatrix& m);
// The same, also stored back into vec.
TGLVector MATRIXVECROT2(TGLVector& vec, const TGLBaseMatrix& m);

// A full matrix of a rotation by `ang` radians about y.
TGLBaseMatrix MATRIXYAW(float ang);

// a * b: the matrix that glMultMatrixf(b) makes of a.
TGLBaseMatrix MATRIXPRODUCT(const TGLBaseMatrix& a, const TGLBaseMatrix& b);

#pragma once
// One textured quad, for the gravity arrows and the logo.

// P1 top-left, P2 top-right, P3 bottom-left, P4 bottom-right: the normal comes
// from P2, P1, P3, and the texture stands upright seen from +Z.
void QUAD(float x1, float y1, float z1, float x2, float y2, float z2, float x3, float y3, float z3, float x4,
          float y4, float z4);

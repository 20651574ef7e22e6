#include "KEVA_3DS/ModelVectors.h"

#include <cmath>

T3dpoint VECTORSUBTRACT(const T3dpoint& V1, const T3dpoint& V2) { return {V1.X - V2.X, V1.Y - V2.Y, V1.Z - V2.Z}; }

T3dpoint VCROSS(const T3dpoint& A, const T3dpoint& B) {
    return {A.Y * B.Z - A.Z * B.Y, A.Z * B.X - A.X * B.Z, A.X * B.Y - A.Y * B.X};
}

void NORMALIZE(const T3dpoint& V, T3dpoint& OUT) {
    const float length = std::sqrt(V.X * V.X + V.Y * V.Y + V.Z * V.Z);
    if (length > 0) OUT = {V.X / length, V.Y / length, V.Z / length};
}

T3dpoint CALCNORMALVECTOR(const T3dpoint& P1, const T3dpoint& P2, const T3dpoint& P3) {
    T3dpoint normal;
    NORMALIZE(VCROSS(VECTORSUBTRACT(P1, P2), VECTORSUBTRACT(P1, P3)), normal);
    return {-normal.X, -normal.Y, -normal.Z};
}

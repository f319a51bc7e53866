#include "gfxutil/GfxMath.h"

#include <cmath>

GFXMATRIX::GFXMATRIX(float m11, float m12, float m13, float m14, float m21, float m22, float m23, float m24,
                       float m31, float m32, float m33, float m34, float m41, float m42, float m43, float m44)
    : D3DMATRIX{} {
    const float values[16] = {m11, m12, m13, m14, m21, m22, m23, m24, m31, m32, m33, m34, m41, m42, m43, m44};
    for (int i = 0; i < 16; ++i) {
        m[i / 4][i % 4] = values[i];
    }
}

GFXMATRIX GFXMATRIX::operator*(const GFXMATRIX& other) const {
    GFXMATRIX product;
    GfxMatrixMultiply(&product, this, &other);
    return product;
}

bool GFXMATRIX::operator==(const GFXMATRIX& other) const {
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            if (m[r][c] != other.m[r][c]) {
                return false;
            }
        }
    }
    return true;
}

GFXMATRIX* GfxMatrixIdentity(GFXMATRIX* out) {
    *out = GFXMATRIX(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1);
    return out;
}

GFXMATRIX* GfxMatrixMultiply(GFXMATRIX* out, const GFXMATRIX* a, const GFXMATRIX* b) {
    GFXMATRIX product;  // out may alias a or b
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            product.m[r][c] = a->m[r][0] * b->m[0][c] + a->m[r][1] * b->m[1][c] + a->m[r][2] * b->m[2][c] +
                              a->m[r][3] * b->m[3][c];
        }
    }
    *out = product;
    return out;
}

namespace {

// The 2 x 2 minors of the lower two rows and of the upper two rows, from
// which both the determinant and the adjugate follow (Laplace expansion).
struct Minors {
    double low[6];
    double high[6];
};

Minors MinorsOf(const GFXMATRIX& a) {
    auto e = [&a](int r, int c) { return static_cast<double>(a.m[r][c]); };
    Minors n{};
    n.high[0] = e(0, 0) * e(1, 1) - e(0, 1) * e(1, 0);
    n.high[1] = e(0, 0) * e(1, 2) - e(0, 2) * e(1, 0);
    n.high[2] = e(0, 0) * e(1, 3) - e(0, 3) * e(1, 0);
    n.high[3] = e(0, 1) * e(1, 2) - e(0, 2) * e(1, 1);
    n.high[4] = e(0, 1) * e(1, 3) - e(0, 3) * e(1, 1);
    n.high[5] = e(0, 2) * e(1, 3) - e(0, 3) * e(1, 2);
    n.low[0] = e(2, 0) * e(3, 1) - e(2, 1) * e(3, 0);
    n.low[1] = e(2, 0) * e(3, 2) - e(2, 2) * e(3, 0);
    n.low[2] = e(2, 0) * e(3, 3) - e(2, 3) * e(3, 0);
    n.low[3] = e(2, 1) * e(3, 2) - e(2, 2) * e(3, 1);
    n.low[4] = e(2, 1) * e(3, 3) - e(2, 3) * e(3, 1);
    n.low[5] = e(2, 2) * e(3, 3) - e(2, 3) * e(3, 2);
    return n;
}

double DeterminantFrom(const Minors& n) {
    return n.high[0] * n.low[5] - n.high[1] * n.low[4] + n.high[2] * n.low[3] + n.high[3] * n.low[2] -
           n.high[4] * n.low[1] + n.high[5] * n.low[0];
}

}  // namespace

float GfxMatrixDeterminant(const GFXMATRIX* m) { return static_cast<float>(DeterminantFrom(MinorsOf(*m))); }

GFXMATRIX* GfxMatrixInverse(GFXMATRIX* out, float* determinant, const GFXMATRIX* m) {
    const Minors n = MinorsOf(*m);
    const double det = DeterminantFrom(n);
    if (determinant != nullptr) {
        *determinant = static_cast<float>(det);
    }
    if (det == 0.0 || !std::isfinite(det)) {
        return nullptr;
    }
    auto e = [m](int r, int c) { return static_cast<double>(m->m[r][c]); };
    const double adj[4][4] = {
        {e(1, 1) * n.low[5] - e(1, 2) * n.low[4] + e(1, 3) * n.low[3],
         -e(0, 1) * n.low[5] + e(0, 2) * n.low[4] - e(0, 3) * n.low[3],
         e(3, 1) * n.high[5] - e(3, 2) * n.high[4] + e(3, 3) * n.high[3],
         -e(2, 1) * n.high[5] + e(2, 2) * n.high[4] - e(2, 3) * n.high[3]},
        {-e(1, 0) * n.low[5] + e(1, 2) * n.low[2] - e(1, 3) * n.low[1],
         e(0, 0) * n.low[5] - e(0, 2) * n.low[2] + e(0, 3) * n.low[1],
         -e(3, 0) * n.high[5] + e(3, 2) * n.high[2] - e(3, 3) * n.high[1],
         e(2, 0) * n.high[5] - e(2, 2) * n.high[2] + e(2, 3) * n.high[1]},
        {e(1, 0) * n.low[4] - e(1, 1) * n.low[2] + e(1, 3) * n.low[0],
         -e(0, 0) * n.low[4] + e(0, 1) * n.low[2] - e(0, 3) * n.low[0],
         e(3, 0) * n.high[4] - e(3, 1) * n.high[2] + e(3, 3) * n.high[0],
         -e(2, 0) * n.high[4] + e(2, 1) * n.high[2] - e(2, 3) * n.high[0]},
        {-e(1, 0) * n.low[3] + e(1, 1) * n.low[1] - e(1, 2) * n.low[0],
         e(0, 0) * n.low[3] - e(0, 1) * n.low[1] + e(0, 2) * n.low[0],
         -e(3, 0) * n.high[3] + e(3, 1) * n.high[1] - e(3, 2) * n.high[0],
         e(2, 0) * n.high[3] - e(2, 1) * n.high[1] + e(2, 2) * n.high[0]},
    };
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            out->m[r][c] = static_cast<float>(adj[r][c] / det);
        }
    }
    return out;
}

GFXMATRIX* GfxMatrixTranspose(GFXMATRIX* out, const GFXMATRIX* m) {
    GFXMATRIX t;
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            t.m[r][c] = m->m[c][r];
        }
    }
    *out = t;
    return out;
}

GFXMATRIX* GfxMatrixTranslation(GFXMATRIX* out, float x, float y, float z) {
    *out = GFXMATRIX(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, x, y, z, 1);
    return out;
}

GFXMATRIX* GfxMatrixScaling(GFXMATRIX* out, float sx, float sy, float sz) {
    *out = GFXMATRIX(sx, 0, 0, 0, 0, sy, 0, 0, 0, 0, sz, 0, 0, 0, 0, 1);
    return out;
}

GFXMATRIX* GfxMatrixRotationX(GFXMATRIX* out, float angle) {
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    *out = GFXMATRIX(1, 0, 0, 0, 0, c, s, 0, 0, -s, c, 0, 0, 0, 0, 1);
    return out;
}

GFXMATRIX* GfxMatrixRotationY(GFXMATRIX* out, float angle) {
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    *out = GFXMATRIX(c, 0, -s, 0, 0, 1, 0, 0, s, 0, c, 0, 0, 0, 0, 1);
    return out;
}

GFXMATRIX* GfxMatrixRotationZ(GFXMATRIX* out, float angle) {
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    *out = GFXMATRIX(c, s, 0, 0, -s, c, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1);
    return out;
}

GFXMATRIX* GfxMatrixRotationYawPitchRoll(GFXMATRIX* out, float yaw, float pitch, float roll) {
    GFXMATRIX rollM;
    GFXMATRIX pitchM;
    GFXMATRIX yawM;
    GfxMatrixRotationZ(&rollM, roll);
    GfxMatrixRotationX(&pitchM, pitch);
    GfxMatrixRotationY(&yawM, yaw);
    GFXMATRIX rollPitch;
    GfxMatrixMultiply(&rollPitch, &rollM, &pitchM);
    return GfxMatrixMultiply(out, &rollPitch, &yawM);
}

GFXMATRIX* GfxMatrixLookAtLH(GFXMATRIX* out, const GFXVECTOR3* eye, const GFXVECTOR3* at,
                               const GFXVECTOR3* up) {
    GFXVECTOR3 zAxis = *at - *eye;
    GfxVec3Normalize(&zAxis, &zAxis);
    GFXVECTOR3 xAxis;
    GfxVec3Cross(&xAxis, up, &zAxis);
    GfxVec3Normalize(&xAxis, &xAxis);
    GFXVECTOR3 yAxis;
    GfxVec3Cross(&yAxis, &zAxis, &xAxis);
    *out = GFXMATRIX(xAxis.x, yAxis.x, zAxis.x, 0, xAxis.y, yAxis.y, zAxis.y, 0, xAxis.z, yAxis.z, zAxis.z, 0,
                      -GfxVec3Dot(&xAxis, eye), -GfxVec3Dot(&yAxis, eye), -GfxVec3Dot(&zAxis, eye), 1);
    return out;
}

GFXMATRIX* GfxMatrixPerspectiveFovLH(GFXMATRIX* out, float fovY, float aspect, float zNear, float zFar) {
    const float yScale = 1.0f / std::tan(fovY / 2.0f);
    const float xScale = yScale / aspect;
    const float depth = zFar / (zFar - zNear);
    *out = GFXMATRIX(xScale, 0, 0, 0, 0, yScale, 0, 0, 0, 0, depth, 1, 0, 0, -zNear * depth, 0);
    return out;
}

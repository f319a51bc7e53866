#include "gfxutil/D3DXMath.h"

#include <cmath>

D3DXMATRIX::D3DXMATRIX(float m11, float m12, float m13, float m14, float m21, float m22, float m23, float m24,
                       float m31, float m32, float m33, float m34, float m41, float m42, float m43, float m44)
    : D3DMATRIX{} {
    const float values[16] = {m11, m12, m13, m14, m21, m22, m23, m24, m31, m32, m33, m34, m41, m42, m43, m44};
    for (int i = 0; i < 16; ++i) {
        m[i / 4][i % 4] = values[i];
    }
}

D3DXMATRIX D3DXMATRIX::operator*(const D3DXMATRIX& other) const {
    D3DXMATRIX product;
    D3DXMatrixMultiply(&product, this, &other);
    return product;
}

bool D3DXMATRIX::operator==(const D3DXMATRIX& other) const {
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            if (m[r][c] != other.m[r][c]) {
                return false;
            }
        }
    }
    return true;
}

D3DXMATRIX* D3DXMatrixIdentity(D3DXMATRIX* out) {
    *out = D3DXMATRIX(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1);
    return out;
}

D3DXMATRIX* D3DXMatrixMultiply(D3DXMATRIX* out, const D3DXMATRIX* a, const D3DXMATRIX* b) {
    D3DXMATRIX product;  // out may alias a or b
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

Minors MinorsOf(const D3DXMATRIX& a) {
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

float D3DXMatrixDeterminant(const D3DXMATRIX* m) { return static_cast<float>(DeterminantFrom(MinorsOf(*m))); }

D3DXMATRIX* D3DXMatrixInverse(D3DXMATRIX* out, float* determinant, const D3DXMATRIX* m) {
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

D3DXMATRIX* D3DXMatrixTranspose(D3DXMATRIX* out, const D3DXMATRIX* m) {
    D3DXMATRIX t;
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            t.m[r][c] = m->m[c][r];
        }
    }
    *out = t;
    return out;
}

D3DXMATRIX* D3DXMatrixTranslation(D3DXMATRIX* out, float x, float y, float z) {
    *out = D3DXMATRIX(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, x, y, z, 1);
    return out;
}

D3DXMATRIX* D3DXMatrixScaling(D3DXMATRIX* out, float sx, float sy, float sz) {
    *out = D3DXMATRIX(sx, 0, 0, 0, 0, sy, 0, 0, 0, 0, sz, 0, 0, 0, 0, 1);
    return out;
}

D3DXMATRIX* D3DXMatrixRotationX(D3DXMATRIX* out, float angle) {
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    *out = D3DXMATRIX(1, 0, 0, 0, 0, c, s, 0, 0, -s, c, 0, 0, 0, 0, 1);
    return out;
}

D3DXMATRIX* D3DXMatrixRotationY(D3DXMATRIX* out, float angle) {
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    *out = D3DXMATRIX(c, 0, -s, 0, 0, 1, 0, 0, s, 0, c, 0, 0, 0, 0, 1);
    return out;
}

D3DXMATRIX* D3DXMatrixRotationZ(D3DXMATRIX* out, float angle) {
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    *out = D3DXMATRIX(c, s, 0, 0, -s, c, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1);
    return out;
}

D3DXMATRIX* D3DXMatrixRotationYawPitchRoll(D3DXMATRIX* out, float yaw, float pitch, float roll) {
    D3DXMATRIX rollM;
    D3DXMATRIX pitchM;
    D3DXMATRIX yawM;
    D3DXMatrixRotationZ(&rollM, roll);
    D3DXMatrixRotationX(&pitchM, pitch);
    D3DXMatrixRotationY(&yawM, yaw);
    D3DXMATRIX rollPitch;
    D3DXMatrixMultiply(&rollPitch, &rollM, &pitchM);
    return D3DXMatrixMultiply(out, &rollPitch, &yawM);
}

D3DXMATRIX* D3DXMatrixLookAtLH(D3DXMATRIX* out, const D3DXVECTOR3* eye, const D3DXVECTOR3* at,
                               const D3DXVECTOR3* up) {
    D3DXVECTOR3 zAxis = *at - *eye;
    D3DXVec3Normalize(&zAxis, &zAxis);
    D3DXVECTOR3 xAxis;
    D3DXVec3Cross(&xAxis, up, &zAxis);
    D3DXVec3Normalize(&xAxis, &xAxis);
    D3DXVECTOR3 yAxis;
    D3DXVec3Cross(&yAxis, &zAxis, &xAxis);
    *out = D3DXMATRIX(xAxis.x, yAxis.x, zAxis.x, 0, xAxis.y, yAxis.y, zAxis.y, 0, xAxis.z, yAxis.z, zAxis.z, 0,
                      -D3DXVec3Dot(&xAxis, eye), -D3DXVec3Dot(&yAxis, eye), -D3DXVec3Dot(&zAxis, eye), 1);
    return out;
}

D3DXMATRIX* D3DXMatrixPerspectiveFovLH(D3DXMATRIX* out, float fovY, float aspect, float zNear, float zFar) {
    const float yScale = 1.0f / std::tan(fovY / 2.0f);
    const float xScale = yScale / aspect;
    const float depth = zFar / (zFar - zNear);
    *out = D3DXMATRIX(xScale, 0, 0, 0, 0, yScale, 0, 0, 0, 0, depth, 1, 0, 0, -zNear * depth, 0);
    return out;
}

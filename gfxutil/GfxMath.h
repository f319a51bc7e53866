#pragma once
// Vectors and 4 x 4 matrices in Direct3D 9's conventions: row vectors
// (v' = v * M), left-handed coordinates, matrices stored row by row.

#include "platform/d3d9/D3D9Types.h"

struct GFXVECTOR2 {
    float x = 0.0f;
    float y = 0.0f;
    GFXVECTOR2() = default;
    GFXVECTOR2(float x_, float y_) : x(x_), y(y_) {}
};

struct GFXVECTOR3 : D3DVECTOR {
    GFXVECTOR3() : D3DVECTOR{0.0f, 0.0f, 0.0f} {}
    GFXVECTOR3(float x_, float y_, float z_) : D3DVECTOR{x_, y_, z_} {}
    GFXVECTOR3(const D3DVECTOR& v) : D3DVECTOR(v) {}  // NOLINT: implicit like the original

    GFXVECTOR3 operator+(const GFXVECTOR3& o) const { return {x + o.x, y + o.y, z + o.z}; }
    GFXVECTOR3 operator-(const GFXVECTOR3& o) const { return {x - o.x, y - o.y, z - o.z}; }
    GFXVECTOR3 operator*(float s) const { return {x * s, y * s, z * s}; }
    GFXVECTOR3& operator+=(const GFXVECTOR3& o) {
        x += o.x;
        y += o.y;
        z += o.z;
        return *this;
    }
    bool operator==(const GFXVECTOR3& o) const { return x == o.x && y == o.y && z == o.z; }
};

struct GFXVECTOR4 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float w = 0.0f;
    GFXVECTOR4() = default;
    GFXVECTOR4(float x_, float y_, float z_, float w_) : x(x_), y(y_), z(z_), w(w_) {}
};

struct GFXMATRIX : D3DMATRIX {
    GFXMATRIX() : D3DMATRIX{} {}
    GFXMATRIX(const D3DMATRIX& m) : D3DMATRIX(m) {}  // NOLINT: implicit like the original
    GFXMATRIX(float m11, float m12, float m13, float m14, float m21, float m22, float m23, float m24, float m31,
               float m32, float m33, float m34, float m41, float m42, float m43, float m44);

    float& operator()(int row, int column) { return m[row][column]; }
    float operator()(int row, int column) const { return m[row][column]; }
    GFXMATRIX operator*(const GFXMATRIX& other) const;
    bool operator==(const GFXMATRIX& other) const;
};

// Each returns its out-parameter, so calls can be nested.
GFXMATRIX* GfxMatrixIdentity(GFXMATRIX* out);
GFXMATRIX* GfxMatrixMultiply(GFXMATRIX* out, const GFXMATRIX* a, const GFXMATRIX* b);
// Null (out untouched) when the matrix is singular; the determinant is
// reported either way when asked for.
GFXMATRIX* GfxMatrixInverse(GFXMATRIX* out, float* determinant, const GFXMATRIX* m);
float GfxMatrixDeterminant(const GFXMATRIX* m);
GFXMATRIX* GfxMatrixTranspose(GFXMATRIX* out, const GFXMATRIX* m);
GFXMATRIX* GfxMatrixTranslation(GFXMATRIX* out, float x, float y, float z);
GFXMATRIX* GfxMatrixScaling(GFXMATRIX* out, float sx, float sy, float sz);
GFXMATRIX* GfxMatrixRotationX(GFXMATRIX* out, float angle);
GFXMATRIX* GfxMatrixRotationY(GFXMATRIX* out, float angle);
GFXMATRIX* GfxMatrixRotationZ(GFXMATRIX* out, float angle);
// Roll about z first, then pitch about x, then yaw about y.
GFXMATRIX* GfxMatrixRotationYawPitchRoll(GFXMATRIX* out, float yaw, float pitch, float roll);
GFXMATRIX* GfxMatrixLookAtLH(GFXMATRIX* out, const GFXVECTOR3* eye, const GFXVECTOR3* at,
                               const GFXVECTOR3* up);
GFXMATRIX* GfxMatrixPerspectiveFovLH(GFXMATRIX* out, float fovY, float aspect, float zNear, float zFar);

float GfxVec3Dot(const GFXVECTOR3* a, const GFXVECTOR3* b);
GFXVECTOR3* GfxVec3Cross(GFXVECTOR3* out, const GFXVECTOR3* a, const GFXVECTOR3* b);
float GfxVec3Length(const GFXVECTOR3* v);
// A zero vector stays zero.
GFXVECTOR3* GfxVec3Normalize(GFXVECTOR3* out, const GFXVECTOR3* v);
// (x, y, z, 1) * m, divided by the resulting w.
GFXVECTOR3* GfxVec3TransformCoord(GFXVECTOR3* out, const GFXVECTOR3* v, const GFXMATRIX* m);
// (x, y, z, 0) * m: directions ignore the translation.
GFXVECTOR3* GfxVec3TransformNormal(GFXVECTOR3* out, const GFXVECTOR3* v, const GFXMATRIX* m);
GFXVECTOR4* GfxVec3Transform(GFXVECTOR4* out, const GFXVECTOR3* v, const GFXMATRIX* m);

// Matrix and vector operations against values worked out by hand.

#include "gfxutil/D3DXMath.h"
#include "gfxutil/D3DXVersion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

constexpr float kTolerance = 1e-5f;
constexpr float kHalfPi = std::numbers::pi_v<float> / 2;

void ExpectVector(const D3DXVECTOR3& v, float x, float y, float z) {
    EXPECT_NEAR(v.x, x, kTolerance);
    EXPECT_NEAR(v.y, y, kTolerance);
    EXPECT_NEAR(v.z, z, kTolerance);
}

void ExpectMatrix(const D3DXMATRIX& actual, const D3DXMATRIX& expected) {
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            EXPECT_NEAR(actual(r, c), expected(r, c), kTolerance) << "row " << r << " column " << c;
        }
    }
}

D3DXVECTOR3 Coord(const D3DXVECTOR3& v, const D3DXMATRIX& m) {
    D3DXVECTOR3 out;
    D3DXVec3TransformCoord(&out, &v, &m);
    return out;
}

TEST(MathTest, LookAtPutsTheTargetStraightAheadOnPositiveZ) {
    D3DXMATRIX view;
    const D3DXVECTOR3 eye{0, 0, -15};
    const D3DXVECTOR3 origin{0, 0, 0};
    const D3DXVECTOR3 up{0, 1, 0};
    D3DXMatrixLookAtLH(&view, &eye, &origin, &up);
    ExpectMatrix(view, D3DXMATRIX(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 15, 1));

    // Looking along +x: +z of the world is on the viewer's left (left-handed).
    const D3DXVECTOR3 alongX{1, 0, 0};
    D3DXMatrixLookAtLH(&view, &origin, &alongX, &up);
    ExpectMatrix(view, D3DXMATRIX(0, 0, 1, 0, 0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 0, 1));
    ExpectVector(Coord({5, 0, 0}, view), 0, 0, 5);
    ExpectVector(Coord({0, 0, 1}, view), -1, 0, 0);
}

TEST(MathTest, PerspectiveMapsNearToZeroFarToOneAndDividesByDepth) {
    D3DXMATRIX projection;
    D3DXMatrixPerspectiveFovLH(&projection, kHalfPi, 2.0f, 1.0f, 3.0f);
    ExpectMatrix(projection, D3DXMATRIX(0.5f, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1.5f, 1, 0, 0, -1.5f, 0));
    ExpectVector(Coord({0, 0, 1}, projection), 0, 0, 0);
    ExpectVector(Coord({0, 0, 3}, projection), 0, 0, 1);
    ExpectVector(Coord({2, 1, 2}, projection), 0.5f, 0.5f, 0.75f);
}

TEST(MathTest, MultiplyAppliesTheLeftMatrixFirst) {
    D3DXMATRIX translate;
    D3DXMATRIX scale;
    D3DXMatrixTranslation(&translate, 1, 2, 3);
    D3DXMatrixScaling(&scale, 2, 2, 2);
    D3DXMATRIX product;
    D3DXMatrixMultiply(&product, &translate, &scale);
    ExpectVector(Coord({0, 0, 0}, product), 2, 4, 6);
    D3DXMatrixMultiply(&product, &scale, &translate);
    ExpectVector(Coord({0, 0, 0}, product), 1, 2, 3);
    // The output may be one of the inputs.
    D3DXMatrixMultiply(&scale, &scale, &translate);
    ExpectMatrix(scale, product);
}

TEST(MathTest, InverseAndDeterminant) {
    const D3DXMATRIX m(2, 0, 0, 0, 0, 4, 0, 0, 0, 0, 8, 0, 1, 2, 3, 1);
    D3DXMATRIX inverse;
    float determinant = 0;
    ASSERT_EQ(D3DXMatrixInverse(&inverse, &determinant, &m), &inverse);
    EXPECT_FLOAT_EQ(determinant, 64.0f);
    ExpectMatrix(inverse, D3DXMATRIX(0.5f, 0, 0, 0, 0, 0.25f, 0, 0, 0, 0, 0.125f, 0, -0.5f, -0.5f, -0.375f, 1));

    const D3DXMATRIX shear(1, 2, 0, 0, 3, 4, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1);
    ASSERT_NE(D3DXMatrixInverse(&inverse, &determinant, &shear), nullptr);
    EXPECT_FLOAT_EQ(determinant, -2.0f);
    ExpectMatrix(inverse, D3DXMATRIX(-2, 1, 0, 0, 1.5f, -0.5f, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1));

    // A dense matrix: M * M^-1 is the identity.
    const D3DXMATRIX dense(3, 1, 4, 1, 5, 9, 2, 6, 5, 3, 5, 8, 9, 7, 9, 3);
    ASSERT_NE(D3DXMatrixInverse(&inverse, nullptr, &dense), nullptr);
    D3DXMATRIX identity;
    ExpectMatrix(dense * inverse, *D3DXMatrixIdentity(&identity));

    const D3DXMATRIX singular(1, 2, 3, 4, 2, 4, 6, 8, 0, 0, 1, 0, 0, 0, 0, 1);
    D3DXMATRIX untouched = m;
    EXPECT_EQ(D3DXMatrixInverse(&untouched, &determinant, &singular), nullptr);
    EXPECT_EQ(determinant, 0.0f);
    EXPECT_EQ(untouched, m);
}

TEST(MathTest, YawPitchRollTurnsRollThenPitchThenYaw) {
    D3DXMATRIX r;
    D3DXMatrixRotationYawPitchRoll(&r, kHalfPi, 0, 0);
    ExpectVector(Coord({0, 0, 1}, r), 1, 0, 0);  // yaw turns ahead to the right
    D3DXMatrixRotationYawPitchRoll(&r, 0, kHalfPi, 0);
    ExpectVector(Coord({0, 0, 1}, r), 0, -1, 0);  // positive pitch looks down
    D3DXMatrixRotationYawPitchRoll(&r, 0, 0, kHalfPi);
    ExpectVector(Coord({1, 0, 0}, r), 0, 1, 0);
    // Roll before yaw: x rolls up to y, which yaw leaves alone.
    D3DXMatrixRotationYawPitchRoll(&r, kHalfPi, 0, kHalfPi);
    ExpectVector(Coord({1, 0, 0}, r), 0, 1, 0);
    // For row vectors the camera's rotation is Rx(pitch) * Ry(yaw).
    D3DXMATRIX pitch;
    D3DXMATRIX yaw;
    D3DXMatrixRotationX(&pitch, 0.3f);
    D3DXMatrixRotationY(&yaw, 1.1f);
    D3DXMatrixRotationYawPitchRoll(&r, 1.1f, 0.3f, 0);
    ExpectMatrix(r, pitch * yaw);
}

TEST(MathTest, VectorsNormaliseAndTransform) {
    D3DXVECTOR3 v{3, 4, 0};
    D3DXVec3Normalize(&v, &v);
    ExpectVector(v, 0.6f, 0.8f, 0);
    D3DXVECTOR3 zero{0, 0, 0};
    D3DXVec3Normalize(&v, &zero);
    ExpectVector(v, 0, 0, 0);

    D3DXMATRIX move;
    D3DXMatrixTranslation(&move, 5, 5, 5);
    const D3DXVECTOR3 direction{1, 0, 0};
    D3DXVec3TransformNormal(&v, &direction, &move);
    ExpectVector(v, 1, 0, 0);
    ExpectVector(Coord(direction, move), 6, 5, 5);
}

TEST(MathTest, VersionCheckAcceptsOnlyTheVersionsBuiltFor) {
    EXPECT_TRUE(D3DXCheckVersion(32, D3DX_SDK_VERSION));
    EXPECT_EQ(D3DX_SDK_VERSION, 22u);
    EXPECT_FALSE(D3DXCheckVersion(31, D3DX_SDK_VERSION));
    EXPECT_FALSE(D3DXCheckVersion(32, 21));
}

}  // namespace

// Matrix and vector operations against values worked out by hand.

#include "gfxutil/GfxMath.h"
#include "gfxutil/GfxVersion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

constexpr float kTolerance = 1e-5f;
constexpr float kHalfPi = std::numbers::pi_v<float> / 2;

void ExpectVector(const GFXVECTOR3& v, float x, float y, float z) {
    EXPECT_NEAR(v.x, x, kTolerance);
    EXPECT_NEAR(v.y, y, kTolerance);
    EXPECT_NEAR(v.z, z, kTolerance);
}

void ExpectMatrix(const GFXMATRIX& actual, const GFXMATRIX& expected) {
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            EXPECT_NEAR(actual(r, c), expected(r, c), kTolerance) << "row " << r << " column " << c;
        }
    }
}

GFXVECTOR3 Coord(const GFXVECTOR3& v, const GFXMATRIX& m) {
    GFXVECTOR3 out;
    GfxVec3TransformCoord(&out, &v, &m);
    return out;
}

TEST(MathTest, LookAtPutsTheTargetStraightAheadOnPositiveZ) {
    GFXMATRIX view;
    const GFXVECTOR3 eye{0, 0, -15};
    const GFXVECTOR3 origin{0, 0, 0};
    const GFXVECTOR3 up{0, 1, 0};
    GfxMatrixLookAtLH(&view, &eye, &origin, &up);
    ExpectMatrix(view, GFXMATRIX(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 15, 1));

    // Looking along +x: +z of the world is on the viewer's left (left-handed).
    const GFXVECTOR3 alongX{1, 0, 0};
    GfxMatrixLookAtLH(&view, &origin, &alongX, &up);
    ExpectMatrix(view, GFXMATRIX(0, 0, 1, 0, 0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 0, 1));
    ExpectVector(Coord({5, 0, 0}, view), 0, 0, 5);
    ExpectVector(Coord({0, 0, 1}, view), -1, 0, 0);
}

TEST(MathTest, PerspectiveMapsNearToZeroFarToOneAndDividesByDepth) {
    GFXMATRIX projection;
    GfxMatrixPerspectiveFovLH(&projection, kHalfPi, 2.0f, 1.0f, 3.0f);
    ExpectMatrix(projection, GFXMATRIX(0.5f, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1.5f, 1, 0, 0, -1.5f, 0));
    ExpectVector(Coord({0, 0, 1}, projection), 0, 0, 0);
    ExpectVector(Coord({0, 0, 3}, projection), 0, 0, 1);
    ExpectVector(Coord({2, 1, 2}, projection), 0.5f, 0.5f, 0.75f);
}

TEST(MathTest, MultiplyAppliesTheLeftMatrixFirst) {
    GFXMATRIX translate;
    GFXMATRIX scale;
    GfxMatrixTranslation(&translate, 1, 2, 3);
    GfxMatrixScaling(&scale, 2, 2, 2);
    GFXMATRIX product;
    GfxMatrixMultiply(&product, &translate, &scale);
    ExpectVector(Coord({0, 0, 0}, product), 2, 4, 6);
    GfxMatrixMultiply(&product, &scale, &translate);
    ExpectVector(Coord({0, 0, 0}, product), 1, 2, 3);
    // The output may be one of the inputs.
    GfxMatrixMultiply(&scale, &scale, &translate);
    ExpectMatrix(scale, product);
}

TEST(MathTest, InverseAndDeterminant) {
    const GFXMATRIX m(2, 0, 0, 0, 0, 4, 0, 0, 0, 0, 8, 0, 1, 2, 3, 1);
    GFXMATRIX inverse;
    float determinant = 0;
    ASSERT_EQ(GfxMatrixInverse(&inverse, &determinant, &m), &inverse);
    EXPECT_FLOAT_EQ(determinant, 64.0f);
    ExpectMatrix(inverse, GFXMATRIX(0.5f, 0, 0, 0, 0, 0.25f, 0, 0, 0, 0, 0.125f, 0, -0.5f, -0.5f, -0.375f, 1));

    const GFXMATRIX shear(1, 2, 0, 0, 3, 4, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1);
    ASSERT_NE(GfxMatrixInverse(&inverse, &determinant, &shear), nullptr);
    EXPECT_FLOAT_EQ(determinant, -2.0f);
    ExpectMatrix(inverse, GFXMATRIX(-2, 1, 0, 0, 1.5f, -0.5f, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1));

    // A dense matrix: M * M^-1 is the identity.
    const GFXMATRIX dense(3, 1, 4, 1, 5, 9, 2, 6, 5, 3, 5, 8, 9, 7, 9, 3);
    ASSERT_NE(GfxMatrixInverse(&inverse, nullptr, &dense), nullptr);
    GFXMATRIX identity;
    ExpectMatrix(dense * inverse, *GfxMatrixIdentity(&identity));

    const GFXMATRIX singular(1, 2, 3, 4, 2, 4, 6, 8, 0, 0, 1, 0, 0, 0, 0, 1);
    GFXMATRIX untouched = m;
    EXPECT_EQ(GfxMatrixInverse(&untouched, &determinant, &singular), nullptr);
    EXPECT_EQ(determinant, 0.0f);
    EXPECT_EQ(untouched, m);
}

TEST(MathTest, YawPitchRollTurnsRollThenPitchThenYaw) {
    GFXMATRIX r;
    GfxMatrixRotationYawPitchRoll(&r, kHalfPi, 0, 0);
    ExpectVector(Coord({0, 0, 1}, r), 1, 0, 0);  // yaw turns ahead to the right
    GfxMatrixRotationYawPitchRoll(&r, 0, kHalfPi, 0);
    ExpectVector(Coord({0, 0, 1}, r), 0, -1, 0);  // positive pitch looks down
    GfxMatrixRotationYawPitchRoll(&r, 0, 0, kHalfPi);
    ExpectVector(Coord({1, 0, 0}, r), 0, 1, 0);
    // Roll before yaw: x rolls up to y, which yaw leaves alone.
    GfxMatrixRotationYawPitchRoll(&r, kHalfPi, 0, kHalfPi);
    ExpectVector(Coord({1, 0, 0}, r), 0, 1, 0);
    // For row vectors the camera's rotation is Rx(pitch) * Ry(yaw).
    GFXMATRIX pitch;
    GFXMATRIX yaw;
    GfxMatrixRotationX(&pitch, 0.3f);
    GfxMatrixRotationY(&yaw, 1.1f);
    GfxMatrixRotationYawPitchRoll(&r, 1.1f, 0.3f, 0);
    ExpectMatrix(r, pitch * yaw);
}

TEST(MathTest, VectorsNormaliseAndTransform) {
    GFXVECTOR3 v{3, 4, 0};
    GfxVec3Normalize(&v, &v);
    ExpectVector(v, 0.6f, 0.8f, 0);
    GFXVECTOR3 zero{0, 0, 0};
    GfxVec3Normalize(&v, &zero);
    ExpectVector(v, 0, 0, 0);

    GFXMATRIX move;
    GfxMatrixTranslation(&move, 5, 5, 5);
    const GFXVECTOR3 direction{1, 0, 0};
    GfxVec3TransformNormal(&v, &direction, &move);
    ExpectVector(v, 1, 0, 0);
    ExpectVector(Coord(direction, move), 6, 5, 5);
}

TEST(MathTest, VersionCheckAcceptsOnlyTheVersionsBuiltFor) {
    EXPECT_TRUE(GfxCheckVersion(32, GFX_SDK_VERSION));
    EXPECT_EQ(GFX_SDK_VERSION, 22u);
    EXPECT_FALSE(GfxCheckVersion(31, GFX_SDK_VERSION));
    EXPECT_FALSE(GfxCheckVersion(32, 21));
}

}  // namespace

// The single-precision rules that decide a solid's kind and its integer
// points.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>

#include "mapexport/MapWriter.h"
#include "mapexport/SnapToInteger.h"
#include "mapexport/SolidGeometry.h"

namespace ondrel::testing {
namespace {

float FromBits(std::uint32_t bits) { return std::bit_cast<float>(bits); }

// The third is the float nearest 1/3 (0x3EAAAAAB), multiplied, not a
// division by 3: a sum of 5 gives 1.66666675, where 5/3 would be 1.66666663.
TEST(TriangleCentroid, MultipliesBySinglePrecisionThird) {
    const Vector3 c = TriangleCentroid({2, 0, 1}, {2, 0, 1}, {1, 5, 3});
    EXPECT_EQ(c.x, 1.66666675f);
    EXPECT_EQ(c.y, 1.66666675f);
    EXPECT_EQ(std::bit_cast<std::uint32_t>(c.x), 0x3FD55556u);
    EXPECT_NE(c.x, 5.0f / 3.0f);
}

// (c - origin) * scale, not c * scale - origin * scale: for x = -19.7 with
// origin -7 the first gives -508.00003 (written -509), the second -508.
TEST(FacePoints, SubtractTheOriginBeforeScaling) {
    const BrushFace face{{{-19.7f, 0, 0}, {-7.0f, 0, 0}, {-7.0f, 0, 0}}};
    char text[kFacePointsBufferSize];
    FormatFacePoints(face, -7.0f, 0, 0, 40.0f, text);
    EXPECT_STREQ(text, "(0 0 0) (-509 0 0) (0 0 0)");
}

TEST(SnapToInteger, FloorsExceptStrictlyBetweenMinusOneAndZero) {
    EXPECT_EQ(SnapToInteger(2.7f), 2);
    EXPECT_EQ(SnapToInteger(3.0f), 3);
    EXPECT_EQ(SnapToInteger(0.0f), 0);
    EXPECT_EQ(SnapToInteger(-0.0f), 0);
    EXPECT_EQ(SnapToInteger(-0.5f), 0);
    EXPECT_EQ(SnapToInteger(-0.99999994f), 0);
    EXPECT_EQ(SnapToInteger(-1.0f), -1);
    EXPECT_EQ(SnapToInteger(-1.5f), -2);
    EXPECT_EQ(SnapToInteger(-6.0000005f), -7);
}

TEST(SnapToInteger, IsDefinedForEveryFloat) {
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_EQ(SnapToInteger(std::numeric_limits<float>::quiet_NaN()), 0);
    EXPECT_EQ(SnapToInteger(inf), 2147483647);
    EXPECT_EQ(SnapToInteger(-inf), -2147483647 - 1);
    EXPECT_EQ(SnapToInteger(2147483648.0f), 2147483647);
    EXPECT_EQ(SnapToInteger(-2147483648.0f), -2147483647 - 1);
    EXPECT_EQ(SnapToInteger(-3e9f), -2147483647 - 1);
    EXPECT_EQ(SnapToInteger(2147483520.0f), 2147483520);
    EXPECT_EQ(SnapToInteger(FromBits(1)), 0);
}

TEST(IsAxisAligned, AcceptsAFewUnitsInTheLastPlaceAroundPlusOrMinusOne) {
    EXPECT_TRUE(IsAxisAligned({0, 1, 0}));
    EXPECT_TRUE(IsAxisAligned({0, 0, -1}));
    EXPECT_TRUE(IsAxisAligned({0.9999999f, 0, 0}));
    EXPECT_TRUE(IsAxisAligned({-1.0000001f, 0, 0}));
    EXPECT_FALSE(IsAxisAligned({0.9999997f, 0, 0}));
    EXPECT_FALSE(IsAxisAligned({0, 0.7071f, 0.7071f}));
}

TEST(IsAxisAligned, BoundsAreInclusiveBitPatterns) {
    for (std::uint32_t bits : {0x3F7FFFFEu, 0x3F7FFFFFu, 0x3F800000u, 0x3F800001u, 0xBF800001u, 0xBF7FFFFEu}) {
        EXPECT_TRUE(IsAxisAligned({0, 0, FromBits(bits)})) << std::hex << bits;
    }
    for (std::uint32_t bits : {0x3F7FFFFDu, 0x3F800002u, 0xBF800002u, 0xBF7FFFFDu}) {
        EXPECT_FALSE(IsAxisAligned({FromBits(bits), 0, 0})) << std::hex << bits;
    }
}

TEST(IsAxisAligned, NotANumberIsNeverAligned) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_FALSE(IsAxisAligned({nan, nan, nan}));
    EXPECT_TRUE(IsAxisAligned({nan, 1.0f, nan}));
}

TEST(TriangleCentroid, SumsLeftToRightAndMultipliesByTheNearestThird) {
    const Vector3 c = TriangleCentroid({1, 0, 3}, {2, 0, 0}, {0, 1, 0});
    const float third = FromBits(0x3EAAAAABu);
    EXPECT_EQ(c.x, 3.0f * third);
    EXPECT_EQ(c.y, third);
    EXPECT_EQ(TriangleCentroid({1, 1, 1}, {1, 1, 1}, {1, 1, 1}).x, 3.0f * third);
    EXPECT_EQ(c.z, 3.0f * third);
    // Rounding of the first sum shows: (1e8 + 1) + -1e8 is 0, not 1.
    EXPECT_EQ(TriangleCentroid({1e8f, 0, 0}, {1, 0, 0}, {-1e8f, 0, 0}).x, 0.0f);
}

}  // namespace
}  // namespace ondrel::testing

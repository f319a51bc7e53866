// The preview's default camera must show the whole level whatever its shape
// and whatever the picture's; a given eye or target must be honoured.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "preview/PreviewView.h"

namespace ondrel::preview {
namespace {

using conversion::PreviewRequest;

// Where a level point lands: x and y in [-1, 1] across the picture, z in
// [0, 1] between the near and far planes, when it is in view.
GFXVECTOR3 Project(const PreviewView& view, const GFXVECTOR3& point) {
    const GFXMATRIX transform = view.view * view.projection;
    GFXVECTOR3 projected;
    GfxVec3TransformCoord(&projected, &point, &transform);
    return projected;
}

std::vector<GFXVECTOR3> Corners(const LevelBounds& box) {
    std::vector<GFXVECTOR3> corners;
    for (int i = 0; i < 8; ++i) {
        corners.push_back({(i & 1) ? box.high.x : box.low.x, (i & 2) ? box.high.y : box.low.y,
                           (i & 4) ? box.high.z : box.low.z});
    }
    return corners;
}

PreviewRequest Picture(unsigned width, unsigned height) {
    PreviewRequest request;
    request.width = width;
    request.height = height;
    return request;
}

TEST(PreviewViewTest, TheWholeBoxIsInViewForEveryShapeOfLevelAndPicture) {
    const LevelBounds levels[] = {
        {{-10, -10, -10}, {10, 10, 10}},
        {{0, 0, 0}, {5000, 10, 200}},       // long and flat
        {{100, -3, 7}, {101, 400, 8}},      // a tall thin tower away from the origin
        {{-1e4f, 0, -1e4f}, {1e4f, 0, 1e4f}},  // one flat floor
        {{3, 3, 3}, {3, 3, 3}},             // a single point
    };
    for (const LevelBounds& box : levels) {
        for (const auto& [width, height] : {std::pair{1024u, 768u}, std::pair{200u, 1000u}, std::pair{3000u, 100u}}) {
            const PreviewView view = FrameLevel(box, Picture(width, height));
            for (const GFXVECTOR3& corner : Corners(box)) {
                const GFXVECTOR3 p = Project(view, corner);
                EXPECT_LE(std::fabs(p.x), 1.0f) << width << "x" << height << " corner " << corner.x << "," << corner.y;
                EXPECT_LE(std::fabs(p.y), 1.0f) << width << "x" << height;
                EXPECT_GE(p.z, 0.0f);
                EXPECT_LE(p.z, 1.0f);
            }
            // The box's centre is in the middle of the picture, to well
            // under a pixel (float arithmetic on a level 20,000 units wide).
            const GFXVECTOR3 centre = Project(view, (box.low + box.high) * 0.5f);
            EXPECT_NEAR(centre.x, 0.0f, 1e-3f) << box.low.x << " " << width << "x" << height;
            EXPECT_NEAR(centre.y, 0.0f, 1e-3f);
        }
    }
}

// Not needlessly small: some corner comes near the picture's edge.
TEST(PreviewViewTest, TheLevelFillsThePicture) {
    const LevelBounds cube{{-1, -1, -1}, {1, 1, 1}};
    const PreviewView view = FrameLevel(cube, Picture(1024, 768));
    float widest = 0.0f;
    for (const GFXVECTOR3& corner : Corners(cube)) {
        const GFXVECTOR3 p = Project(view, corner);
        widest = std::max({widest, std::fabs(p.x), std::fabs(p.y)});
    }
    EXPECT_GT(widest, 0.6f);
}

TEST(PreviewViewTest, AGivenEyeAndTargetAreHonoured) {
    const LevelBounds box{{-10, -10, -10}, {10, 10, 10}};
    PreviewRequest request = Picture(640, 480);
    request.eye = conversion::PreviewPoint{0.0f, 0.0f, -50.0f};
    request.lookAt = conversion::PreviewPoint{5.0f, 0.0f, 0.0f};
    const PreviewView view = FrameLevel(box, request);
    // The target is in the middle; the eye is the view's origin.
    const GFXVECTOR3 target = Project(view, {5.0f, 0.0f, 0.0f});
    EXPECT_NEAR(target.x, 0.0f, 1e-5f);
    EXPECT_NEAR(target.y, 0.0f, 1e-5f);
    GFXVECTOR3 eyeInView;
    const GFXVECTOR3 eye{0.0f, 0.0f, -50.0f};
    GfxVec3TransformCoord(&eyeInView, &eye, &view.view);
    EXPECT_NEAR(GfxVec3Length(&eyeInView), 0.0f, 1e-4f);

    // An eye inside the level still sees what is in front of it.
    request.eye = conversion::PreviewPoint{0.0f, 0.0f, 0.0f};
    request.lookAt = conversion::PreviewPoint{0.0f, 0.0f, 1.0f};
    const GFXVECTOR3 ahead = Project(FrameLevel(box, request), {0.0f, 0.0f, 9.0f});
    EXPECT_GE(ahead.z, 0.0f);
    EXPECT_LE(ahead.z, 1.0f);

    // Looking straight down keeps a usable view.
    request.eye = conversion::PreviewPoint{0.0f, 100.0f, 0.0f};
    request.lookAt = conversion::PreviewPoint{0.0f, 0.0f, 0.0f};
    const GFXVECTOR3 below = Project(FrameLevel(box, request), {0.0f, -10.0f, 0.0f});
    EXPECT_TRUE(std::isfinite(below.x) && std::isfinite(below.y));
    EXPECT_NEAR(below.x, 0.0f, 1e-4f);
}

TEST(PreviewViewTest, BoundsSpanEveryRecord) {
    const LevelVertex records[] = {{1, 5, -2, 0, 0, 0, 0}, {-3, 2, 4, 0, 0, 0, 0}, {0, -7, 1, 0, 0, 0, 0}};
    const auto bounds = BoundsOf(records, 3);
    ASSERT_TRUE(bounds.has_value());
    EXPECT_EQ(bounds->low, (GFXVECTOR3{-3, -7, -2}));
    EXPECT_EQ(bounds->high, (GFXVECTOR3{1, 5, 4}));
    EXPECT_FALSE(BoundsOf(records, 0).has_value());
}

}  // namespace
}  // namespace ondrel::preview

// The skin holds a picture at every element rectangle and keeps pictures
// apart, so filtering one never picks up its neighbour.

#include "tools/skingen/SkinLayout.h"
#include "tools/skingen/SkinPainter.h"

#include <gtest/gtest.h>

namespace {

int OpaquePixels(const gfxutil::Image& image, const RECT& r) {
    int count = 0;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            count += (image.At(x, y) >> 24) > 128 ? 1 : 0;
        }
    }
    return count;
}

TEST(SkinTest, EveryElementHasAPictureInsideTheTexture) {
    const gfxutil::Image skin = skingen::PaintSkin();
    for (const auto& element : skingen::kSkinElements) {
        const RECT& r = element.rect;
        ASSERT_LE(r.right, skin.width) << element.name;
        ASSERT_LE(r.bottom, skin.height) << element.name;
        const int area = (r.right - r.left) * (r.bottom - r.top);
        EXPECT_GT(OpaquePixels(skin, r), area / 10) << element.name;
    }
}

TEST(SkinTest, PicturesSideBySideLeaveATransparentSeam) {
    const gfxutil::Image skin = skingen::PaintSkin();
    // Button face | fill layer | combo button, check box | mark | radio | dot.
    for (int seam : {136, 272}) {
        EXPECT_EQ(OpaquePixels(skin, RECT{seam - 1, 0, seam + 1, 54}), 0) << seam;
    }
    for (int seam : {27, 54, 81}) {
        EXPECT_EQ(OpaquePixels(skin, RECT{seam - 1, 54, seam + 1, 81}), 0) << seam;
    }
    EXPECT_EQ(OpaquePixels(skin, RECT{0, 53, 136, 55}), 0);
}

}  // namespace

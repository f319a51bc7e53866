#include "preview/PreviewView.h"

#include <algorithm>
#include <cmath>

namespace ondrel::preview {
namespace {

constexpr float kFieldOfViewY = 0.785398163f;  // the viewer's
// From in front (the viewer starts looking along +z), above and to the right.
const GFXVECTOR3 kDefaultSide{0.55f, 0.65f, -1.0f};
// Room around the level, so its edges do not touch the picture's.
constexpr float kMargin = 1.05f;

GFXVECTOR3 Point(const conversion::PreviewPoint& point) { return GFXVECTOR3{point[0], point[1], point[2]}; }

GFXVECTOR3 Unit(const GFXVECTOR3& v) {
    GFXVECTOR3 unit;
    GfxVec3Normalize(&unit, &v);
    return unit;
}

// How far from the box's centre an eye looking along `forward` must stand
// for every corner of the box to be in the picture: a corner at `across`
// and `upward` from the line of sight, `along` it beyond the centre, needs
// |across| <= tanX (distance + along), and the same upwards.
float FittingDistance(const LevelBounds& bounds, const GFXVECTOR3& forward, const GFXVECTOR3& up, float aspect) {
    const float tanY = std::tan(kFieldOfViewY / 2.0f);
    const float tanX = tanY * aspect;
    GFXVECTOR3 right;
    GfxVec3Cross(&right, &up, &forward);
    right = Unit(right);
    GFXVECTOR3 upward;
    GfxVec3Cross(&upward, &forward, &right);
    const GFXVECTOR3 centre = (bounds.low + bounds.high) * 0.5f;
    float distance = 0.0f;
    for (int i = 0; i < 8; ++i) {
        const GFXVECTOR3 corner{(i & 1) ? bounds.high.x : bounds.low.x, (i & 2) ? bounds.high.y : bounds.low.y,
                                (i & 4) ? bounds.high.z : bounds.low.z};
        const GFXVECTOR3 offset = corner - centre;
        const float along = GfxVec3Dot(&offset, &forward);
        const float across = std::fabs(GfxVec3Dot(&offset, &right));
        const float upwards = std::fabs(GfxVec3Dot(&offset, &upward));
        distance = std::max({distance, across / tanX - along, upwards / tanY - along});
    }
    return distance * kMargin;
}

}  // namespace

std::optional<LevelBounds> BoundsOf(const LevelVertex* records, std::uint32_t count) {
    if (count == 0) return std::nullopt;
    const GFXVECTOR3 first{records[0].x, records[0].y, records[0].z};
    LevelBounds bounds{first, first};
    for (std::uint32_t i = 1; i < count; ++i) {
        const LevelVertex& v = records[i];
        bounds.low = {std::min(bounds.low.x, v.x), std::min(bounds.low.y, v.y), std::min(bounds.low.z, v.z)};
        bounds.high = {std::max(bounds.high.x, v.x), std::max(bounds.high.y, v.y), std::max(bounds.high.z, v.z)};
    }
    return bounds;
}

PreviewView FrameLevel(const LevelBounds& bounds, const conversion::PreviewRequest& request) {
    const GFXVECTOR3 centre = (bounds.low + bounds.high) * 0.5f;
    const GFXVECTOR3 halfDiagonal = (bounds.high - bounds.low) * 0.5f;
    // A level of one point still gets a camera that can see it, from far
    // enough for float coordinates that far from the origin to aim it.
    const float radius = std::max(GfxVec3Length(&halfDiagonal), std::max(1.0f, GfxVec3Length(&centre)) * 1e-3f);
    const float aspect = static_cast<float>(request.width) / static_cast<float>(request.height);

    const GFXVECTOR3 lookAt = request.lookAt ? Point(*request.lookAt) : centre;
    GFXVECTOR3 eye;
    if (request.eye) {
        eye = Point(*request.eye);
    } else {
        // Looking at another point than the centre, step back by the distance
        // between them too, so the whole level stays in view. Never closer
        // than the box's own size, so a flat level is not seen edge on.
        const GFXVECTOR3 offset = lookAt - centre;
        const GFXVECTOR3 forward = Unit(kDefaultSide * -1.0f);
        const float distance = std::max(FittingDistance(bounds, forward, GFXVECTOR3{0.0f, 1.0f, 0.0f}, aspect), radius);
        eye = lookAt + Unit(kDefaultSide) * (distance + GfxVec3Length(&offset));
    }
    GFXVECTOR3 forward = lookAt - eye;
    // Looking at the eye itself means looking ahead. Otherwise the target
    // is the point itself: a step of one unit from an eye far away would
    // lose the direction's low bits.
    const bool atTheEye = GfxVec3Length(&forward) < radius * 1e-4f;
    if (atTheEye) forward = GFXVECTOR3{0.0f, 0.0f, 1.0f};
    forward = Unit(forward);
    const GFXVECTOR3 target = atTheEye ? eye + forward : lookAt;
    // Straight up or down, "up" is along the depth axis instead.
    const GFXVECTOR3 up = std::fabs(forward.y) > 0.999f ? GFXVECTOR3{0.0f, 0.0f, 1.0f} : GFXVECTOR3{0.0f, 1.0f, 0.0f};

    const GFXVECTOR3 toCentre = centre - eye;
    const float centreDistance = GfxVec3Length(&toCentre);
    const float farPlane = (centreDistance + radius) * kMargin;
    const float nearPlane = std::max(farPlane * 1e-4f, (centreDistance - radius) / kMargin);

    PreviewView view{};
    GfxMatrixLookAtLH(&view.view, &eye, &target, &up);
    GfxMatrixPerspectiveFovLH(&view.projection, kFieldOfViewY, aspect, nearPlane, farPlane);
    return view;
}

}  // namespace ondrel::preview

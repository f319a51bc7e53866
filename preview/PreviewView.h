#pragma once
// Where the preview's camera stands and what it sees: by default the whole
// level, looked at from in front, above and to one side, at its bounding
// box's centre; the user may give the eye, the point looked at, or both.

#include <cstdint>
#include <optional>

#include "conversion/PreviewRequest.h"
#include "gfxutil/GfxMath.h"
#include "level/LevelVertex.h"

namespace ondrel::preview {

struct LevelBounds {
    GFXVECTOR3 low;
    GFXVECTOR3 high;
};

// The box around the records; none for no records.
std::optional<LevelBounds> BoundsOf(const LevelVertex* records, std::uint32_t count);

struct PreviewView {
    GFXMATRIX view;
    GFXMATRIX projection;
};

// The viewer's field of view (a quarter turn's half) at the picture's aspect,
// near and far planes around the whole box, so nothing of it is clipped away
// in depth.
PreviewView FrameLevel(const LevelBounds& bounds, const conversion::PreviewRequest& request);

}  // namespace ondrel::preview

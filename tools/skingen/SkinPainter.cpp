#include "SkinPainter.h"

#include "Canvas.h"
#include "SkinLayout.h"

namespace skingen {
namespace {

// A calm slate-and-blue scheme: dark faces for white captions, light fields
// for dark text, one blue accent for marks, selection and captions.
const Colour kSlateTop = Rgb(0x44536F);
const Colour kSlateBottom = Rgb(0x263148);
const Colour kSlateEdge = Rgb(0x9DB4DC);
const Colour kFieldTop = Rgb(0xFFFFFF);
const Colour kFieldBottom = Rgb(0xEEF2F8);
const Colour kFieldEdge = Rgb(0x687B9E);
const Colour kAccent = Rgb(0x2F6BCF);
const Colour kAccentLight = Rgb(0x5B95EC);
const Colour kAccentDark = Rgb(0x2556AA);
const Colour kGlyph = Rgb(0x33435E);

// Buttons are drawn about 125 x 22: their pictures shrink some 2.4 times
// more vertically, so corners and edges are drawn that much taller.
constexpr float kButtonSquash = 2.4f;

void PaintButton(Canvas& canvas) {
    const Box face{1, 1, 135, 53};
    canvas.FillRoundedRect(face, 6, VerticalGradient(face, kSlateTop, kSlateBottom), kButtonSquash);
    canvas.StrokeRoundedRect(face, 6, 2, Solid(kSlateEdge), kButtonSquash);
    // The fill layer lightens the face under the mouse (dark captions then).
    const Box fill{137, 1, 271, 53};
    canvas.FillRoundedRect(fill, 6, VerticalGradient(fill, Rgb(0xFFFFFF), Rgb(0xD6E2F4)), kButtonSquash);
}

void PaintCheckAndRadio(Canvas& canvas) {
    const Box box{2, 56, 25, 79};
    canvas.FillRoundedRect(box, 4, VerticalGradient(box, kFieldTop, kFieldBottom));
    canvas.StrokeRoundedRect(box, 4, 2, Solid(kFieldEdge));
    const float tick[] = {33.0f, 67.5f, 38.5f, 73.0f, 48.0f, 61.0f};
    canvas.StrokeLine(tick, 3, 3.6f, Solid(kAccentDark));

    canvas.FillCircle(67.5f, 67.5f, 11.5f, VerticalGradient(Box{56, 56, 79, 79}, kFieldTop, kFieldBottom));
    canvas.StrokeCircle(67.5f, 67.5f, 11.5f, 2.0f, Solid(kFieldEdge));
    canvas.FillCircle(94.5f, 67.5f, 5.5f, Solid(kAccentDark));
}

void PaintFieldFrame(Canvas& canvas) {
    // One frame serves the edit box (cut into nine pieces) and the combo
    // box's main element (whole, with a pixel of margin).
    const Box frame{8, 82, 246, 121};
    canvas.FillRoundedRect(frame, 4, VerticalGradient(frame, kFieldTop, kFieldBottom));
    canvas.StrokeRoundedRect(frame, 4, 2, Solid(kFieldEdge));
}

void PaintCombo(Canvas& canvas) {
    const Box button{273, 1, 324, 48};
    canvas.FillRoundedRect(button, 8, VerticalGradient(button, kSlateTop, kSlateBottom));
    canvas.StrokeRoundedRect(button, 8, 3, Solid(kSlateEdge));
    const float chevron[] = {289.0f, 19.5f, 298.5f, 29.0f, 308.0f, 19.5f};
    canvas.StrokeLine(chevron, 3, 4.0f, Solid(Rgb(0xFFFFFF)));

    const Box list{8, 124, 240, 264};
    canvas.FillRoundedRect(list, 3, Solid(Rgb(0xFBFCFE)));
    canvas.StrokeRoundedRect(list, 3, 1.5f, Solid(kFieldEdge));
}

void PaintAccentBar(Canvas& canvas) {
    // Selection highlight and caption bar share these pixels.
    const Box bar{7, 266, 241, 289};
    canvas.FillRoundedRect(bar, 0, VerticalGradient(bar, kAccentLight, kAccent));
    canvas.FillRoundedRect(Box{7, 266, 241, 267}, 0, Solid(Rgb(0x8DB8F5, 0.8f)));
}

void PaintArrowButton(Canvas& canvas, const Box& box, bool up) {
    canvas.FillRoundedRect(box, 4, VerticalGradient(box, Rgb(0xEDF1F8), Rgb(0xCCD6E6)));
    canvas.StrokeRoundedRect(box, 4, 1.2f, Solid(Rgb(0x7F90B0)));
    const float cx = (box.left + box.right) / 2;
    const float cy = (box.top + box.bottom) / 2;
    const float dy = up ? -2.5f : 2.5f;
    const float chevron[] = {cx - 5.0f, cy - dy, cx, cy + dy, cx + 5.0f, cy - dy};
    canvas.StrokeLine(chevron, 3, 2.4f, Solid(kGlyph));
}

void PaintScrollBar(Canvas& canvas) {
    PaintArrowButton(canvas, Box{244, 125, 264, 143}, true);
    PaintArrowButton(canvas, Box{244, 156, 264, 175}, false);
    // Stretched vertically: every row of the track is the same.
    canvas.FillRoundedRect(Box{246, 144, 262, 155}, 0, Solid(Rgb(0xD3DAE6, 0.85f)));
    const Box thumb{268, 124, 284, 166};
    canvas.FillRoundedRect(thumb, 6, Solid(Rgb(0x8798B8)));
    canvas.StrokeRoundedRect(thumb, 6, 1.5f, Solid(Rgb(0x56678A)));
}

}  // namespace

gfxutil::Image PaintSkin() {
    gfxutil::Image image(kSkinSize, kSkinSize, 0);
    Canvas canvas(image);
    PaintButton(canvas);
    PaintCheckAndRadio(canvas);
    PaintFieldFrame(canvas);
    PaintCombo(canvas);
    PaintAccentBar(canvas);
    PaintScrollBar(canvas);
    canvas.BleedEdges();
    return image;
}

}  // namespace skingen

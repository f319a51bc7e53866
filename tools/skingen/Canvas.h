#pragma once
// A small anti-aliased painter over a 32-bit image: filled shapes with
// per-pixel colour, composited "over" what is there.

#include "gfxutil/Image.h"

#include <cstdint>
#include <functional>

namespace skingen {

struct Colour {
    float r = 0, g = 0, b = 0, a = 0;  // 0..1, not premultiplied
};

Colour Rgb(std::uint32_t rgb, float alpha = 1.0f);
Colour Mix(const Colour& a, const Colour& b, float t);

struct Box {
    float left, top, right, bottom;
};

// Colour at a point, for gradients.
using Paint = std::function<Colour(float x, float y)>;
Paint Solid(const Colour& c);
Paint VerticalGradient(const Box& box, const Colour& top, const Colour& bottom);

class Canvas {
public:
    explicit Canvas(gfxutil::Image& image) : image_(image) {}

    // `squash` > 1 makes corners and ring that many times taller than wide,
    // for pictures the dialogs shrink more vertically than horizontally.
    void FillRoundedRect(const Box& box, float radius, const Paint& paint, float squash = 1.0f);
    // A ring of the given width just inside the box's rounded outline.
    void StrokeRoundedRect(const Box& box, float radius, float width, const Paint& paint, float squash = 1.0f);
    void FillCircle(float cx, float cy, float radius, const Paint& paint);
    void StrokeCircle(float cx, float cy, float radius, float width, const Paint& paint);
    // A polyline of round-capped segments.
    void StrokeLine(const float* points, int count, float width, const Paint& paint);
    void FillTriangle(float x0, float y0, float x1, float y1, float x2, float y2, const Paint& paint);

    // Gives fully transparent pixels the colour of an opaque neighbour, so
    // filtering at shape edges does not pull in black.
    void BleedEdges();

private:
    using Inside = std::function<bool(float x, float y)>;
    void Fill(const Box& bounds, const Inside& inside, const Paint& paint);
    void Blend(int x, int y, const Colour& c, float coverage);

    gfxutil::Image& image_;
};

}  // namespace skingen

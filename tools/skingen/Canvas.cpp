#include "Canvas.h"

#include <algorithm>
#include <cmath>

namespace skingen {
namespace {

// 4 x 4 samples a pixel: enough for smooth edges at these sizes.
constexpr int kSamples = 4;

// Signed distance to the outline, measured with y shrunk by `squash`.
float RoundedRectDistance(const Box& b, float radius, float x, float y, float squash) {
    const float cx = (b.left + b.right) / 2;
    const float cy = (b.top + b.bottom) / 2;
    const float hx = (b.right - b.left) / 2 - radius;
    const float hy = (b.bottom - b.top) / 2 / squash - radius;
    const float py = std::fabs(y - cy) / squash;
    const float dx = std::max(std::fabs(x - cx) - hx, 0.0f);
    const float dy = std::max(py - hy, 0.0f);
    const float outside = std::sqrt(dx * dx + dy * dy);
    const float inside = std::min(std::max(std::fabs(x - cx) - hx, py - hy), 0.0f);
    return outside + inside - radius;
}

float SegmentDistance(float px, float py, float ax, float ay, float bx, float by) {
    const float vx = bx - ax;
    const float vy = by - ay;
    const float lengthSquared = vx * vx + vy * vy;
    float t = lengthSquared > 0 ? ((px - ax) * vx + (py - ay) * vy) / lengthSquared : 0.0f;
    t = std::clamp(t, 0.0f, 1.0f);
    const float dx = px - (ax + t * vx);
    const float dy = py - (ay + t * vy);
    return std::sqrt(dx * dx + dy * dy);
}

float Cross(float ax, float ay, float bx, float by, float px, float py) {
    return (bx - ax) * (py - ay) - (by - ay) * (px - ax);
}

std::uint8_t Byte(float v) { return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f)); }

}  // namespace

Colour Rgb(std::uint32_t rgb, float alpha) {
    return Colour{static_cast<float>((rgb >> 16) & 0xFF) / 255.0f, static_cast<float>((rgb >> 8) & 0xFF) / 255.0f,
                  static_cast<float>(rgb & 0xFF) / 255.0f, alpha};
}

Colour Mix(const Colour& a, const Colour& b, float t) {
    return Colour{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

Paint Solid(const Colour& c) {
    return [c](float, float) { return c; };
}

Paint VerticalGradient(const Box& box, const Colour& top, const Colour& bottom) {
    return [=](float, float y) {
        const float t = std::clamp((y - box.top) / std::max(box.bottom - box.top, 1.0f), 0.0f, 1.0f);
        return Mix(top, bottom, t);
    };
}

void Canvas::Blend(int x, int y, const Colour& c, float coverage) {
    const float sa = c.a * coverage;
    if (sa <= 0.0f) {
        return;
    }
    std::uint32_t& pixel = image_.At(x, y);
    const float da = static_cast<float>(pixel >> 24) / 255.0f;
    const float outA = sa + da * (1.0f - sa);
    auto channel = [&](float source, int shift) {
        const float dest = static_cast<float>((pixel >> shift) & 0xFF) / 255.0f;
        return (source * sa + dest * da * (1.0f - sa)) / outA;
    };
    const std::uint8_t r = Byte(channel(c.r, 16));
    const std::uint8_t g = Byte(channel(c.g, 8));
    const std::uint8_t b = Byte(channel(c.b, 0));
    pixel = (static_cast<std::uint32_t>(Byte(outA)) << 24) | (static_cast<std::uint32_t>(r) << 16) |
            (static_cast<std::uint32_t>(g) << 8) | b;
}

void Canvas::Fill(const Box& bounds, const Inside& inside, const Paint& paint) {
    const int x0 = std::max(0, static_cast<int>(std::floor(bounds.left)));
    const int y0 = std::max(0, static_cast<int>(std::floor(bounds.top)));
    const int x1 = std::min(image_.width, static_cast<int>(std::ceil(bounds.right)));
    const int y1 = std::min(image_.height, static_cast<int>(std::ceil(bounds.bottom)));
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            int hits = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const float px = static_cast<float>(x) + (static_cast<float>(sx) + 0.5f) / kSamples;
                    const float py = static_cast<float>(y) + (static_cast<float>(sy) + 0.5f) / kSamples;
                    hits += inside(px, py) ? 1 : 0;
                }
            }
            if (hits > 0) {
                Blend(x, y, paint(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f),
                      static_cast<float>(hits) / (kSamples * kSamples));
            }
        }
    }
}

void Canvas::FillRoundedRect(const Box& box, float radius, const Paint& paint, float squash) {
    Fill(box, [&](float x, float y) { return RoundedRectDistance(box, radius, x, y, squash) <= 0.0f; }, paint);
}

void Canvas::StrokeRoundedRect(const Box& box, float radius, float width, const Paint& paint, float squash) {
    Fill(box,
         [&](float x, float y) {
             const float d = RoundedRectDistance(box, radius, x, y, squash);
             return d <= 0.0f && d > -width;
         },
         paint);
}

void Canvas::FillCircle(float cx, float cy, float radius, const Paint& paint) {
    Fill(Box{cx - radius, cy - radius, cx + radius, cy + radius},
         [&](float x, float y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius; }, paint);
}

void Canvas::StrokeCircle(float cx, float cy, float radius, float width, const Paint& paint) {
    Fill(Box{cx - radius, cy - radius, cx + radius, cy + radius},
         [&](float x, float y) {
             const float d = std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy));
             return d <= radius && d > radius - width;
         },
         paint);
}

void Canvas::StrokeLine(const float* points, int count, float width, const Paint& paint) {
    if (count < 2) {
        return;
    }
    Box bounds{points[0], points[1], points[0], points[1]};
    for (int i = 1; i < count; ++i) {
        bounds.left = std::min(bounds.left, points[2 * i]);
        bounds.right = std::max(bounds.right, points[2 * i]);
        bounds.top = std::min(bounds.top, points[2 * i + 1]);
        bounds.bottom = std::max(bounds.bottom, points[2 * i + 1]);
    }
    const float half = width / 2;
    bounds = Box{bounds.left - half, bounds.top - half, bounds.right + half, bounds.bottom + half};
    Fill(bounds,
         [&](float x, float y) {
             for (int i = 0; i + 1 < count; ++i) {
                 if (SegmentDistance(x, y, points[2 * i], points[2 * i + 1], points[2 * i + 2], points[2 * i + 3]) <=
                     half) {
                     return true;
                 }
             }
             return false;
         },
         paint);
}

void Canvas::FillTriangle(float x0, float y0, float x1, float y1, float x2, float y2, const Paint& paint) {
    const Box bounds{std::min({x0, x1, x2}), std::min({y0, y1, y2}), std::max({x0, x1, x2}), std::max({y0, y1, y2})};
    Fill(bounds,
         [&](float x, float y) {
             const float a = Cross(x0, y0, x1, y1, x, y);
             const float b = Cross(x1, y1, x2, y2, x, y);
             const float c = Cross(x2, y2, x0, y0, x, y);
             return (a >= 0 && b >= 0 && c >= 0) || (a <= 0 && b <= 0 && c <= 0);
         },
         paint);
}

void Canvas::BleedEdges() {
    const gfxutil::Image source = image_;
    for (int y = 0; y < image_.height; ++y) {
        for (int x = 0; x < image_.width; ++x) {
            if ((source.At(x, y) >> 24) != 0) {
                continue;
            }
            std::uint32_t best = source.At(x, y);
            std::uint32_t bestAlpha = 0;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx;
                    const int ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= image_.width || ny >= image_.height) {
                        continue;
                    }
                    const std::uint32_t alpha = source.At(nx, ny) >> 24;
                    if (alpha > bestAlpha) {
                        bestAlpha = alpha;
                        best = source.At(nx, ny);
                    }
                }
            }
            image_.At(x, y) = best & 0x00FFFFFFu;
        }
    }
}

}  // namespace skingen

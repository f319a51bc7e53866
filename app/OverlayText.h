#pragma once
// The line of text over the scene: the framework's frame statistics in
// yellow at the top left.

namespace ondrel::app {

inline constexpr int kOverlayLineHeight = 15;

void RenderOverlayText(double time);

}  // namespace ondrel::app

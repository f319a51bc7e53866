#pragma once
// The least a program can do to draw the viewer's level with OpenGL: its
// own context on an offscreen SDL window, the level's 28-byte records in one
// static buffer, and one small shader computing the same lighting as the
// viewer's scene (one directional light, ambient, vertex colour), with the
// same culling and depth test. The viewer's frame is measured against it.

#include <cstdint>

#include "gfxutil/GfxMath.h"
#include "level/LevelVertex.h"

struct SDL_Window;

namespace ondrel::bench {

class BareGlBaseline {
public:
    BareGlBaseline(unsigned width, unsigned height);
    ~BareGlBaseline();
    BareGlBaseline(const BareGlBaseline&) = delete;
    BareGlBaseline& operator=(const BareGlBaseline&) = delete;

    bool Ready() const { return program_ != 0; }
    // Copies the records into the GL buffer (one upload), and waits for it.
    void Upload(const LevelVertex* records, std::uint32_t count);
    // Clears, draws every uploaded triangle with the transform, swaps and
    // waits until the frame is done.
    void DrawFrame(const GFXMATRIX& transform, const GFXVECTOR3& lightTowards);
    const char* Renderer() const;

private:
    void MakeCurrent() const;

    SDL_Window* window_ = nullptr;
    void* context_ = nullptr;
    unsigned program_ = 0;
    unsigned vertexArray_ = 0;
    unsigned buffer_ = 0;
    std::uint32_t count_ = 0;
};

}  // namespace ondrel::bench

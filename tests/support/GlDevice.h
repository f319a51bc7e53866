#pragma once
// A real OpenGL device in a hidden SDL window for pixel tests, with a way to
// read the back buffer back. Tests skip when no GL context can be had.

#include "gfxutil/Image.h"
#include "platform/d3d9/D3D9.h"

#include <gtest/gtest.h>

#include <string>

struct SDL_Window;

namespace gfxtest {

class GlDeviceTest : public ::testing::Test {
protected:
    static constexpr int kWidth = 320;
    static constexpr int kHeight = 240;

    void SetUp() override;
    void TearDown() override;

    // Clears to the colour and opens a scene.
    void BeginFrame(D3DCOLOR clear);
    // Closes the scene and reads the back buffer.
    gfxutil::Image EndFrame();
    // Saves a screenshot when ONDREL_SCREENSHOT_DIR names a folder.
    static void Keep(const gfxutil::Image& image, const std::string& name);

    SDL_Window* window_ = nullptr;
    IDirect3D9* d3d_ = nullptr;
    IDirect3DDevice9* device_ = nullptr;
};

struct PixelBox {
    int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
    bool empty = true;
};

// The box around every pixel that differs from the background.
PixelBox LitBox(const gfxutil::Image& image, std::uint32_t background, const RECT* within = nullptr);

}  // namespace gfxtest

#pragma once
// What the smoke program draws: a level read from a file, or a few built-in
// lit triangles, drawn from one static managed buffer with the viewer's
// material, grey ambient and clockwise culling, under one swaying
// directional light, through view and projection transforms of a camera
// circling the level.

#include <memory>
#include <string>
#include <vector>

#include "level/LevelVertex.h"
#include "platform/d3d9/D3D9.h"
#include "scene/LevelVertexBufferFactory.h"

#include "level/LevelData.h"

namespace ondrel::smoke {

class SmokeScene {
public:
    explicit SmokeScene(IDirect3DDevice9* device);
    ~SmokeScene();
    SmokeScene(const SmokeScene&) = delete;
    SmokeScene& operator=(const SmokeScene&) = delete;

    bool LoadLevel(const std::string& path, bool binary, std::string* error);
    bool UseBuiltInTriangles(std::string* error);
    std::size_t TriangleCount() const { return vertexCount_ / 3; }

    // Clears, draws and ends the scene; presenting is the caller's.
    void Render(float seconds);

private:
    void Frame(const std::vector<LevelVertex>& vertices);
    void Frame(const LevelVertex* vertices, std::size_t count);

    IDirect3DDevice9* device_;
    scene::DeviceLevelVertexBufferFactory factory_;
    std::unique_ptr<LevelVertexBuffer> ownBuffer_;
    std::unique_ptr<LevelData> level_;
    IDirect3DVertexBuffer9* buffer_ = nullptr;
    UINT vertexCount_ = 0;
    float centre_[3] = {0, 0, 0};
    float radius_ = 1.0f;
};

}  // namespace ondrel::smoke

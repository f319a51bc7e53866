#include "SmokeScene.h"

#include "scene/SceneLighting.h"

#include <algorithm>
#include <cmath>

namespace ondrel::smoke {
namespace {

struct Vec3 {
    float x, y, z;
};

Vec3 Sub(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
float Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 Cross(Vec3 a, Vec3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
Vec3 Normalised(Vec3 v) {
    const float length = std::sqrt(Dot(v, v));
    return length > 0.0f ? Vec3{v.x / length, v.y / length, v.z / length} : v;
}

// Left-handed look-at and perspective, row-vector convention.
D3DMATRIX LookAt(Vec3 eye, Vec3 at, Vec3 up) {
    const Vec3 z = Normalised(Sub(at, eye));
    const Vec3 x = Normalised(Cross(up, z));
    const Vec3 y = Cross(z, x);
    D3DMATRIX m{};
    m._11 = x.x, m._12 = y.x, m._13 = z.x;
    m._21 = x.y, m._22 = y.y, m._23 = z.y;
    m._31 = x.z, m._32 = y.z, m._33 = z.z;
    m._41 = -Dot(x, eye), m._42 = -Dot(y, eye), m._43 = -Dot(z, eye), m._44 = 1.0f;
    return m;
}

D3DMATRIX Perspective(float fovY, float aspect, float nearZ, float farZ) {
    const float yScale = 1.0f / std::tan(fovY / 2.0f);
    D3DMATRIX m{};
    m._11 = yScale / aspect;
    m._22 = yScale;
    m._33 = farZ / (farZ - nearZ);
    m._34 = 1.0f;
    m._43 = -nearZ * farZ / (farZ - nearZ);
    return m;
}

// Flat normal by the level files' rule, (p1 - p0) x (p2 - p0): it points away
// from the side that is seen, and the upward light below lights it.
void SetFlatNormal(LevelVertex* v) {
    const Vec3 a{v[0].x, v[0].y, v[0].z}, b{v[1].x, v[1].y, v[1].z}, c{v[2].x, v[2].y, v[2].z};
    const Vec3 n = Normalised(Cross(Sub(b, a), Sub(c, a)));
    for (int i = 0; i < 3; ++i) v[i].nx = n.x, v[i].ny = n.y, v[i].nz = n.z;
}

// A small pyramid on a floor: faces in four colours, lit from above.
std::vector<LevelVertex> BuiltInTriangles() {
    const Vec3 apex{0, 2, 0}, p0{-1.5f, 0, -1.5f}, p1{1.5f, 0, -1.5f}, p2{1.5f, 0, 1.5f}, p3{-1.5f, 0, 1.5f};
    const Vec3 corners[4] = {p0, p1, p2, p3};
    const std::uint32_t colours[4] = {0xFFE04040, 0xFF40C040, 0xFF4060E0, 0xFFE0C040};
    std::vector<LevelVertex> out;
    for (int i = 0; i < 4; ++i) {
        const Vec3 a = corners[i], b = corners[(i + 1) % 4];
        // Listed to run counter-clockwise seen from outside: the side the
        // viewer's clockwise culling keeps.
        LevelVertex tri[3] = {{a.x, a.y, a.z, 0, 0, 0, colours[i]},
                              {b.x, b.y, b.z, 0, 0, 0, colours[i]},
                              {apex.x, apex.y, apex.z, 0, 0, 0, colours[i]}};
        SetFlatNormal(tri);
        out.insert(out.end(), tri, tri + 3);
    }
    const float f = 4.0f;
    LevelVertex floor[6] = {{-f, 0, -f, 0, 0, 0, 0xFFA0A0A0}, {f, 0, f, 0, 0, 0, 0xFFA0A0A0},
                            {-f, 0, f, 0, 0, 0, 0xFFA0A0A0},  {-f, 0, -f, 0, 0, 0, 0xFFA0A0A0},
                            {f, 0, -f, 0, 0, 0, 0xFFA0A0A0},  {f, 0, f, 0, 0, 0, 0xFFA0A0A0}};
    SetFlatNormal(floor);
    SetFlatNormal(floor + 3);
    out.insert(out.end(), floor, floor + 6);
    return out;
}

}  // namespace

SmokeScene::SmokeScene(IDirect3DDevice9* device) : device_(device), factory_(device) {}

SmokeScene::~SmokeScene() {
    level_.reset();
    ownBuffer_.reset();
}

void SmokeScene::Frame(const LevelVertex* vertices, std::size_t count) {
    if (count == 0) return;
    Vec3 low{vertices[0].x, vertices[0].y, vertices[0].z}, high = low;
    for (std::size_t i = 1; i < count; ++i) {
        low = {std::min(low.x, vertices[i].x), std::min(low.y, vertices[i].y), std::min(low.z, vertices[i].z)};
        high = {std::max(high.x, vertices[i].x), std::max(high.y, vertices[i].y), std::max(high.z, vertices[i].z)};
    }
    centre_[0] = (low.x + high.x) / 2, centre_[1] = (low.y + high.y) / 2, centre_[2] = (low.z + high.z) / 2;
    const Vec3 half = Sub(high, Vec3{centre_[0], centre_[1], centre_[2]});
    radius_ = std::max(0.001f, std::sqrt(Dot(half, half)));
}

void SmokeScene::Frame(const std::vector<LevelVertex>& vertices) { Frame(vertices.data(), vertices.size()); }

bool SmokeScene::UseBuiltInTriangles(std::string* error) {
    const std::vector<LevelVertex> vertices = BuiltInTriangles();
    ownBuffer_ = factory_.CreateBuffer(static_cast<std::uint32_t>(vertices.size()));
    if (ownBuffer_ == nullptr || !ownBuffer_->Fill(vertices.data(), static_cast<std::uint32_t>(vertices.size()))) {
        *error = "the device refused the vertex buffer";
        return false;
    }
    buffer_ = scene::DeviceVertexBufferOf(ownBuffer_.get());
    vertexCount_ = static_cast<UINT>(vertices.size());
    Frame(vertices);
    return true;
}

bool SmokeScene::LoadLevel(const std::string& path, bool binary, std::string* error) {
    level_ = std::make_unique<LevelData>();
    level_->SetBufferFactory(&factory_);
    if (!level_->Import(std::filesystem::path(path), binary)) {
        *error = "cannot import " + path;
        return false;
    }
    buffer_ = scene::DeviceVertexBufferOf(level_->sourceBuffer.get());
    vertexCount_ = level_->sourceCount;
    Frame(level_->sourceVertices.get(), level_->sourceCount);
    return buffer_ != nullptr;
}

void SmokeScene::Render(float seconds) {
    D3DSURFACE_DESC target{};
    IDirect3DSurface9* backBuffer = nullptr;
    if (SUCCEEDED(device_->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &backBuffer))) {
        backBuffer->GetDesc(&target);
        backBuffer->Release();
    }
    scene::ApplySceneLighting(device_, static_cast<DWORD>(seconds * 1000.0f));

    device_->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, scene::kSceneClearColour, 1.0f, 0);
    if (FAILED(device_->BeginScene())) return;
    if (buffer_ != nullptr && vertexCount_ >= 3 && target.Height > 0) {
        const float angle = seconds * 0.5f;
        const Vec3 centre{centre_[0], centre_[1], centre_[2]};
        const Vec3 eye{centre.x + std::sin(angle) * radius_ * 1.6f, centre.y + radius_ * 0.9f,
                       centre.z - std::cos(angle) * radius_ * 1.6f};
        const D3DMATRIX view = LookAt(eye, centre, {0, 1, 0});
        const D3DMATRIX projection = Perspective(0.7853982f, static_cast<float>(target.Width) / target.Height,
                                                 radius_ * 0.01f, radius_ * 10.0f);
        D3DMATRIX identity{};
        identity._11 = identity._22 = identity._33 = identity._44 = 1.0f;
        device_->SetTransform(D3DTS_WORLD, &identity);
        device_->SetTransform(D3DTS_VIEW, &view);
        device_->SetTransform(D3DTS_PROJECTION, &projection);
        device_->SetRenderState(D3DRS_CULLMODE, D3DCULL_CW);
        device_->SetTexture(0, nullptr);
        device_->SetFVF(kLevelVertexFormat);
        device_->SetStreamSource(0, buffer_, 0, kLevelVertexStride);
        device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, vertexCount_ / 3);
    }
    device_->EndScene();
}

}  // namespace ondrel::smoke

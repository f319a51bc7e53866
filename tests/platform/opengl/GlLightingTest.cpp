// Fixed-function lighting on the OpenGL backend against Direct3D 9's formula:
// colour = emissive + ambient material x (global ambient + light ambients)
//        + diffuse material x sum(light diffuse x max(N.L, 0)),
// computed in camera space, normals by the inverse transpose of world x view
// and not renormalised unless asked, vertex colour as diffuse material.

#include <algorithm>
#include <cmath>

#include "tests/support/GlTestDevice.h"

namespace ondrel::testing {
using namespace ondrel::graphics;
namespace {

constexpr D3DCOLOR kVertexColour = 0xFF8040C0;
constexpr int kAmbient8 = 0x40;

D3DMATRIX Identity() {
    D3DMATRIX m{};
    m._11 = m._22 = m._33 = m._44 = 1.0f;
    return m;
}

D3DMATRIX Scaling(float s) {
    D3DMATRIX m = Identity();
    m._11 = m._22 = m._33 = s;
    return m;
}

D3DMATRIX RotationY(float angle) {
    D3DMATRIX m = Identity();
    m._11 = std::cos(angle);
    m._13 = -std::sin(angle);
    m._31 = std::sin(angle);
    m._33 = std::cos(angle);
    return m;
}

// The expected 8-bit channel: ambient material 1 times global ambient 0x40,
// plus the diffuse material channel times N.L (white light), saturated.
int Expected(int diffuseChannel, double nDotL) {
    const double value = kAmbient8 + diffuseChannel * std::max(0.0, nDotL);
    return static_cast<int>(std::lround(std::min(255.0, value)));
}

class GlLightingTest : public GlDeviceTest {
protected:
    void SetUp() override {
        GlDeviceTest::SetUp();
        if (HasFatalFailure()) return;
        D3DMATERIAL9 material{};
        material.Diffuse = {1, 1, 1, 1};
        material.Ambient = {1, 1, 1, 1};
        device_->SetMaterial(&material);
        D3DLIGHT9 light{};
        light.Type = D3DLIGHT_DIRECTIONAL;
        light.Diffuse = {1, 1, 1, 0};
        light.Direction = {0, 0, 1};  // along the view: lights surfaces facing the camera fully
        light.Range = 10000.0f;
        device_->SetLight(0, &light);
        device_->LightEnable(0, TRUE);
        device_->SetRenderState(D3DRS_LIGHTING, TRUE);
        device_->SetRenderState(D3DRS_AMBIENT, 0x00404040);
    }

    // A screen-filling square facing the camera with normal (0, 0, -length).
    void DrawFacingSquare(float normalLength) {
        const float n = -normalLength;
        const LitVertex square[4] = {{-1, 1, 0.5f, 0, 0, n, kVertexColour},
                                     {1, 1, 0.5f, 0, 0, n, kVertexColour},
                                     {1, -1, 0.5f, 0, 0, n, kVertexColour},
                                     {-1, -1, 0.5f, 0, 0, n, kVertexColour}};
        device_->SetFVF(kLitVertexFvf);
        ASSERT_EQ(device_->DrawPrimitiveUP(D3DPT_TRIANGLEFAN, 2, square, sizeof(LitVertex)), D3D_OK);
    }

    void ExpectCentre(double nDotL, const char* what) {
        const DWORD pixel = Pixel(32, 32);
        EXPECT_NEAR(Red(pixel), Expected(0x80, nDotL), 2) << what;
        EXPECT_NEAR(Green(pixel), Expected(0x40, nDotL), 2) << what;
        EXPECT_NEAR(Blue(pixel), Expected(0xC0, nDotL), 2) << what;
    }
};

TEST_F(GlLightingTest, ShortNormalsDimTheDiffuseTermUnlessNormalised) {
    DrawFacingSquare(0.5f);
    ExpectCentre(0.5, "normal of length 0.5 as given");

    device_->SetRenderState(D3DRS_NORMALIZENORMALS, TRUE);
    DrawFacingSquare(0.5f);
    ExpectCentre(1.0, "normalised");
}

TEST_F(GlLightingTest, NormalsFollowTheInverseTransposeOfTheWorldMatrix) {
    const D3DMATRIX doubled = Scaling(2.0f);
    device_->SetTransform(D3DTS_WORLD, &doubled);
    DrawFacingSquare(1.0f);
    ExpectCentre(0.5, "world scaled by 2 halves the normal");
}

TEST_F(GlLightingTest, LightsStayInWorldSpaceWhenTheViewTurns) {
    // Turn the camera a quarter round and the square with it, so it still
    // faces the camera; the light keeps pointing along world z, now across.
    const float quarter = 1.5707963f;
    const D3DMATRIX view = RotationY(quarter);
    const D3DMATRIX world = RotationY(-quarter);
    device_->SetTransform(D3DTS_VIEW, &view);
    device_->SetTransform(D3DTS_WORLD, &world);
    DrawFacingSquare(1.0f);
    ExpectCentre(0.0, "light across the surface: ambient only");
}

TEST_F(GlLightingTest, ColourSourcesAmbientAndLightSlots) {
    device_->LightEnable(0, FALSE);
    DrawFacingSquare(1.0f);
    ExpectCentre(0.0, "no light enabled: ambient only");

    device_->LightEnable(0, TRUE);
    device_->SetRenderState(D3DRS_COLORVERTEX, FALSE);
    D3DMATERIAL9 material{};
    material.Diffuse = {0.5f, 0.5f, 0.5f, 1.0f};
    material.Ambient = {1, 1, 1, 1};
    device_->SetMaterial(&material);
    DrawFacingSquare(1.0f);
    const DWORD grey = Pixel(32, 32);
    EXPECT_NEAR(Red(grey), 64 + 128, 2) << "material diffuse instead of the vertex colour";
    EXPECT_NEAR(Blue(grey), 64 + 128, 2);

    device_->SetRenderState(D3DRS_LIGHTING, FALSE);
    DrawFacingSquare(1.0f);
    EXPECT_EQ(Pixel(32, 32), kVertexColour & 0xFFFFFFu) << "unlit: the vertex colour as it is";
}

TEST_F(GlLightingTest, WholeTransformInTheWorldMatrixAsTheSceneDrawsIt) {
    // The scene puts world x view x projection into the world matrix and
    // leaves view and projection at identity; lighting then runs on that
    // matrix too. A projection that scales x and y by 2 and keeps z leaves
    // the facing normal's z untouched.
    D3DMATRIX wvp = Identity();
    wvp._11 = 2.0f;
    wvp._22 = 2.0f;
    device_->SetTransform(D3DTS_WORLD, &wvp);
    DrawFacingSquare(1.0f);
    ExpectCentre(1.0, "z of the normal kept");

    wvp._33 = 4.0f;  // depth scaled: the normal's z shrinks to a quarter
    device_->SetTransform(D3DTS_WORLD, &wvp);
    device_->Clear(0, nullptr, D3DCLEAR_ZBUFFER, 0, 1.0f, 0);
    const LitVertex near[4] = {{-1, 1, 0.1f, 0, 0, -1, kVertexColour},
                               {1, 1, 0.1f, 0, 0, -1, kVertexColour},
                               {1, -1, 0.1f, 0, 0, -1, kVertexColour},
                               {-1, -1, 0.1f, 0, 0, -1, kVertexColour}};
    device_->SetFVF(kLitVertexFvf);
    ASSERT_EQ(device_->DrawPrimitiveUP(D3DPT_TRIANGLEFAN, 2, near, sizeof(LitVertex)), D3D_OK);
    ExpectCentre(0.25, "depth scale 4: N.L a quarter");
}

}  // namespace
}  // namespace ondrel::testing

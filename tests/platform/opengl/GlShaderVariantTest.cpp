// The fixed-function shaders are compiled per combination of the states
// that choose their paths. A state left out of that choice would let a draw
// reuse another combination's shaders: every change below must show in the
// very next draw on the same device.

#include "platform/opengl/GlShaderVariant.h"
#include "tests/support/GlTestDevice.h"

namespace ondrel::testing {
using namespace ondrel::graphics;
namespace {

// The same choices as a test source would make, with one array element free.
ShaderChoices SampleChoices(int lastOfC) {
    ShaderChoices choices;
    choices.Bool("uA", true);
    choices.Int("uB", -7);
    choices.Ints("uC", {1, 2, lastOfC});
    choices.Bools("uD", {0, 1});
    choices.Int("uMissing", 1);
    return choices;
}

TEST(ShaderChoicesTest, ChosenUniformsBecomeConstantsAndKeysTellCombinationsApart) {
    const char* source = "uniform bool uA;\nuniform int uB;\nuniform int uC[3];\nuniform bool uD[2];\nuniform vec4 uE;\n";
    const ShaderChoices choices = SampleChoices(3);
    EXPECT_EQ(choices.Apply(source),
              "const bool uA = true;\nconst int uB = -7;\nconst int uC[3] = int[3](1, 2, 3);\n"
              "const bool uD[2] = bool[2](false, true);\nuniform vec4 uE;\n");
    EXPECT_NE(SampleChoices(4).Key(), choices.Key());
    EXPECT_EQ(SampleChoices(3).Key(), choices.Key());
    // Neighbouring values may not run together into one key.
    ShaderChoices joined, split;
    joined.Ints("uC", {12, 3});
    split.Ints("uC", {1, 23});
    EXPECT_NE(joined.Key(), split.Key());
}

class GlShaderVariantTest : public GlDeviceTest {
protected:
    static constexpr float kAll = kTargetSize - 0.5f;

    // A screen-filling square facing the camera, lit from straight ahead.
    void DrawLitSquare(D3DCOLOR colour) {
        const LitVertex square[4] = {{-1, 1, 0.5f, 0, 0, -1, colour},
                                     {1, 1, 0.5f, 0, 0, -1, colour},
                                     {1, -1, 0.5f, 0, 0, -1, colour},
                                     {-1, -1, 0.5f, 0, 0, -1, colour}};
        device_->SetFVF(kLitVertexFvf);
        ASSERT_EQ(device_->DrawPrimitiveUP(D3DPT_TRIANGLEFAN, 2, square, sizeof(LitVertex)), D3D_OK);
    }

    void Wipe() { device_->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF000000, 1.0f, 0); }
};

TEST_F(GlShaderVariantTest, EachChoiceChangeReachesTheNextDraw) {
    D3DMATERIAL9 material{};
    material.Diffuse = {1, 1, 1, 1};
    device_->SetMaterial(&material);
    D3DLIGHT9 light{};
    light.Type = D3DLIGHT_DIRECTIONAL;
    light.Diffuse = {0.5f, 0.5f, 0.5f, 0};
    light.Direction = {0, 0, 1};
    device_->SetLight(0, &light);
    device_->LightEnable(0, TRUE);

    device_->SetRenderState(D3DRS_LIGHTING, FALSE);
    DrawLitSquare(0xFFFFFFFF);
    EXPECT_EQ(Pixel(32, 32), 0xFFFFFFu) << "unlit: the vertex colour";

    device_->SetRenderState(D3DRS_LIGHTING, TRUE);
    DrawLitSquare(0xFFFFFFFF);
    EXPECT_NEAR(Red(Pixel(32, 32)), 128, 2) << "lit by one half-bright light";

    device_->LightEnable(0, FALSE);
    Wipe();
    DrawLitSquare(0xFFFFFFFF);
    EXPECT_EQ(Pixel(32, 32), 0x000000u) << "lit by no light at all";

    device_->LightEnable(0, TRUE);
    device_->SetRenderState(D3DRS_DIFFUSEMATERIALSOURCE, D3DMCS_MATERIAL);
    DrawLitSquare(0xFF000000);
    EXPECT_NEAR(Green(Pixel(32, 32)), 128, 2) << "diffuse from the white material, not the black vertex";

    device_->SetRenderState(D3DRS_LIGHTING, FALSE);
    device_->SetRenderState(D3DRS_ALPHATESTENABLE, TRUE);
    device_->SetRenderState(D3DRS_ALPHAFUNC, D3DCMP_NEVER);
    Wipe();
    DrawScreenQuad(-0.5f, -0.5f, kAll, kAll, 0xFF00FF00);
    EXPECT_EQ(Pixel(32, 32), 0x000000u) << "alpha function NEVER";

    device_->SetRenderState(D3DRS_ALPHAFUNC, D3DCMP_ALWAYS);
    DrawScreenQuad(-0.5f, -0.5f, kAll, kAll, 0xFF00FF00);
    EXPECT_EQ(Pixel(32, 32), 0x00FF00u) << "alpha function ALWAYS";

    device_->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
    device_->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TFACTOR);
    device_->SetRenderState(D3DRS_TEXTUREFACTOR, 0xFF0000FF);
    DrawScreenQuad(-0.5f, -0.5f, kAll, kAll, 0xFF00FF00);
    EXPECT_EQ(Pixel(32, 32), 0x0000FFu) << "the stage selects the texture factor";

    device_->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_DIFFUSE);
    DrawScreenQuad(-0.5f, -0.5f, kAll, kAll, 0xFF00FF00);
    EXPECT_EQ(Pixel(32, 32), 0x00FF00u) << "the stage selects the diffuse colour again";
}

}  // namespace
}  // namespace ondrel::testing

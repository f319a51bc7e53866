// The resource manager through the device's life, and what a dialog leaves
// behind on the device when it draws.

#include "GuiTestSupport.h"
#include "framework/FrameworkErrors.h"
#include "gui/GuiButton.h"
#include "gui/GuiResourceManager.h"
#include "gui/GuiSharedState.h"

namespace ondrel::testing {
namespace {

using graphics::ObjectKind;

class GuiDeviceTest : public GuiRecordingTest {
protected:
    gui::GuiResourceManager& Manager() { return gui::GetGlobalResourceManager(); }
};

HRESULT MissingEverything(LPWSTR destination, int capacity, LPCWSTR /*name*/) {
    if (capacity > 0) destination[0] = 0;
    return framework::MediaNotFound;
}

TEST_F(GuiDeviceTest, NamesAreSharedWhateverTheirCase) {
    const int skin = Manager().AcquireTexture(u"ui\\CONTROLS.dds");
    EXPECT_EQ(skin, 0) << "the dialog's own skin record";
    EXPECT_EQ(Manager().AcquireFont(u"ARIAL", 14, 400), 0);
    EXPECT_EQ(Manager().AcquireFont(u"arial", 15, 400), 1) << "another height is another font";
    EXPECT_EQ(Manager().AcquireFont(u"arial", 14, 700), 2);
    EXPECT_EQ(Manager().FontCount(), 3);
    ASSERT_NE(Manager().GetFontNode(2), nullptr);
    EXPECT_NE(Manager().GetFontNode(2)->font, nullptr) << "made at once while a device is known";
    EXPECT_EQ(Manager().GetTextureNode(0)->width, 512u);
    EXPECT_EQ(Manager().GetTextureNode(7), nullptr);
}

TEST_F(GuiDeviceTest, DeviceStepsMakeAndReleaseEveryObjectAndRecordsSurvive) {
    EXPECT_NE(Manager().StateBlock(), nullptr);
    Manager().OnDeviceLost();
    EXPECT_EQ(Manager().StateBlock(), nullptr);
    EXPECT_EQ(Manager().OnDeviceReset(), S_OK);
    Manager().OnDeviceLost();
    Manager().OnDeviceDestroyed();
    EXPECT_EQ(Manager().Sprite(), nullptr);
    EXPECT_EQ(world_->LiveObjects(ObjectKind::Texture), 0) << "skin and glyph pages released";

    ASSERT_EQ(Manager().OnDeviceCreated(device_), S_OK) << "the kept records are made again";
    EXPECT_NE(Manager().GetTextureNode(0)->texture, nullptr);
    EXPECT_NE(Manager().GetFontNode(0)->font, nullptr);

    Manager().OnDeviceDestroyed();
    Manager().SetMediaFinder(&MissingEverything);
    EXPECT_EQ(Manager().OnDeviceCreated(device_), framework::MediaNotFound);
    Manager().GetTextureNode(0)->fileName[0] = 0;
    EXPECT_EQ(Manager().OnDeviceCreated(device_), S_OK) << "a record without a name is skipped";
}

TEST_F(GuiDeviceTest, RenderRestoresTheDeviceStateItChanged) {
    dialog_->SetSize(200, 100);
    dialog_->SetBackgroundColours(0x80000000);
    dialog_->AddButton(1, u"OK", 10, 10, 80, 30);
    device_->SetRenderState(D3DRS_ALPHABLENDENABLE, FALSE);
    device_->SetRenderState(D3DRS_ZENABLE, TRUE);
    RenderFrames(3);
    DWORD blending = 1;
    DWORD depth = 0;
    device_->GetRenderState(D3DRS_ALPHABLENDENABLE, &blending);
    device_->GetRenderState(D3DRS_ZENABLE, &depth);
    EXPECT_EQ(blending, static_cast<DWORD>(FALSE));
    EXPECT_EQ(depth, static_cast<DWORD>(TRUE));
    EXPECT_GE(world_->CountCalls("IDirect3DDevice9::DrawPrimitiveUP"), 6u) << "background and sprites each frame";
}

TEST_F(GuiDeviceTest, FilledRectanglesGiveBackTheDeclarationTheyBorrow) {
    const D3DVERTEXELEMENT9 layout[] = {{0, 0, D3DDECLTYPE_FLOAT3, D3DDECLMETHOD_DEFAULT, D3DDECLUSAGE_POSITION, 0},
                                        D3DDECL_END()};
    IDirect3DVertexDeclaration9* declaration = nullptr;
    ASSERT_EQ(device_->CreateVertexDeclaration(layout, &declaration), D3D_OK);
    device_->SetVertexDeclaration(declaration);
    ASSERT_EQ(device_->BeginScene(), D3D_OK);
    const RECT area{0, 0, 20, 10};
    EXPECT_EQ(dialog_->DrawFilledRect(&area, 0xFF00FF00), D3D_OK);
    device_->EndScene();
    IDirect3DVertexDeclaration9* current = nullptr;
    device_->GetVertexDeclaration(&current);
    EXPECT_EQ(current, declaration) << "the caller's declaration is back";
    if (current != nullptr) current->Release();
    device_->SetVertexDeclaration(nullptr);
    EXPECT_EQ(declaration->Release(), 0u) << "no reference left behind";
}

TEST_F(GuiDeviceTest, ASharedRefreshFadesControlsInAgainAndFocusesTheDefault) {
    dialog_->EnableKeyboardInput(true);
    gui::GuiButton* button = nullptr;
    dialog_->AddButton(1, u"OK", 10, 10, 80, 30, 0, true, &button);
    RenderFrames(30);
    EXPECT_GT(button->elements[0].textureColour.current.a, 0.5f) << "faded in";
    gui::SharedGuiState().refreshTime = 1.0;
    RenderFrames(1, 0.0f);
    EXPECT_EQ(button->elements[0].textureColour.current.a, 0.0f) << "hidden again, fading in";
    EXPECT_EQ(gui::GuiDialog::FocusedControl(), button);
}

}  // namespace
}  // namespace ondrel::testing

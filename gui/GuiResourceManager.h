#pragma once
// The fonts, textures, sprite batch and state block every dialog shares.
// Records are kept by name for the program's life; their device objects
// follow the device through creation, reset, loss and destruction, which
// the framework forwards here.

#include "framework/DeviceSteps.h"
#include "gfxutil/GfxFont.h"
#include "gfxutil/GfxSprite.h"
#include "devicesettings/enumeration/GrowableArray.h"
#include "platform/d3d9/D3D9.h"
#include "platform/win32/Windows.h"

namespace ondrel::gui {

inline constexpr int kGuiNameLength = 260;

struct GuiTextureNode {
    WCHAR fileName[kGuiNameLength] = {};
    IDirect3DTexture9* texture = nullptr;
    UINT width = 0;
    UINT height = 0;
};

struct GuiFontNode {
    WCHAR face[kGuiNameLength] = {};
    IGfxFont* font = nullptr;
    LONG height = 0;
    LONG weight = 0;
};

// Finds a media file by name into a path buffer (the framework's media
// search unless a test installs another).
using MediaFinder = HRESULT (*)(LPWSTR destination, int capacity, LPCWSTR name);

class GuiResourceManager final : public framework::ResourceManagerSteps {
public:
    GuiResourceManager();
    ~GuiResourceManager() override;
    GuiResourceManager(const GuiResourceManager&) = delete;
    GuiResourceManager& operator=(const GuiResourceManager&) = delete;

    // Index of the record with this name (any case), or of a new one; -1
    // when no record can be made.
    int AcquireTexture(LPCWSTR fileName);
    int AcquireFont(LPCWSTR face, LONG height, LONG weight);

    HRESULT OnDeviceCreated(IDirect3DDevice9* device);
    HRESULT OnDeviceReset();
    void OnDeviceLost();
    void OnDeviceDestroyed();

    // The framework's names for the same steps.
    HRESULT OnCreateDevice(IDirect3DDevice9* device) override { return OnDeviceCreated(device); }
    HRESULT OnResetDevice() override { return OnDeviceReset(); }
    void OnLostDevice() override { OnDeviceLost(); }
    void OnDestroyDevice() override { OnDeviceDestroyed(); }

    // Null for an index outside the table.
    GuiTextureNode* GetTextureNode(int index);
    GuiFontNode* GetFontNode(int index);
    int TextureCount() const { return textures_.GetSize(); }
    int FontCount() const { return fonts_.GetSize(); }

    IDirect3DDevice9* Device() const { return device_; }
    IGfxSprite* Sprite() const { return sprite_; }
    IDirect3DStateBlock9* StateBlock() const { return stateBlock_; }

    void SetMediaFinder(MediaFinder finder) { mediaFinder_ = finder; }

private:
    HRESULT CreateFont(int index);
    HRESULT CreateTexture(int index);

    IDirect3DStateBlock9* stateBlock_ = nullptr;
    IGfxSprite* sprite_ = nullptr;
    devicesettings::GrowableArray<GuiTextureNode*> textures_;
    devicesettings::GrowableArray<GuiFontNode*> fonts_;
    IDirect3DDevice9* device_ = nullptr;
    MediaFinder mediaFinder_;
};

// The one instance, made on first use.
GuiResourceManager& GetGlobalResourceManager();
// Destroys the instance (after releasing its device objects); the next
// GetGlobalResourceManager() starts empty. For tests and exit.
void ResetGlobalResourceManager();

}  // namespace ondrel::gui

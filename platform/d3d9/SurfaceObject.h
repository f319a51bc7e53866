#pragma once
// A surface: a stand-alone image in memory (offscreen plain surfaces), a view
// of one texture level, or the device's back buffer, which is read from the
// backend when it is locked.

#include <memory>

#include "platform/d3d9/ComObject.h"
#include "platform/d3d9/PixelImage.h"

namespace ondrel::graphics {

class DeviceCore;
class TextureObject;

class SurfaceObject final : public ComObject<IDirect3DSurface9> {
public:
    static SurfaceObject* Standalone(DeviceCore* device, UINT width, UINT height, D3DFORMAT format, D3DPOOL pool);
    static SurfaceObject* ForTextureLevel(TextureObject* texture, UINT level);
    static SurfaceObject* BackBuffer(DeviceCore* device);

    HRESULT GetDevice(IDirect3DDevice9** device) override;
    DWORD SetPriority(DWORD) override { return 0; }
    DWORD GetPriority() override { return 0; }
    void PreLoad() override {}
    D3DRESOURCETYPE GetType() override { return D3DRTYPE_SURFACE; }

    HRESULT GetContainer(REFIID riid, void** container) override;
    HRESULT GetDesc(D3DSURFACE_DESC* desc) override;
    HRESULT LockRect(D3DLOCKED_RECT* lockedRect, const RECT* rect, DWORD flags) override;
    HRESULT UnlockRect() override;

    bool IsBackBuffer() const { return kind_ == Kind::BackBuffer; }
    DeviceCore* Owner() const { return device_; }
    D3DSURFACE_DESC Desc() const;
    // The pixels; for the back buffer, what was last read from the backend.
    PixelImage& Image();

private:
    enum class Kind { Standalone, TextureLevel, BackBuffer };
    SurfaceObject(DeviceCore* device, Kind kind);
    ~SurfaceObject() override = default;
    void OnLastPublicRelease() override;
    void OnRevived() override;
    void TakeOwnerReference();
    void DropOwnerReference();

    DeviceCore* device_;
    Kind kind_;
    D3DPOOL pool_ = D3DPOOL_DEFAULT;
    PixelImage image_;  // stand-alone pixels, or the back buffer's last read
    TextureObject* texture_ = nullptr;
    UINT level_ = 0;
};

}  // namespace ondrel::graphics

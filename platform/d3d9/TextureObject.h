#pragma once
// A texture held in memory, one PixelImage per mip level.

#include <cstdint>
#include <vector>

#include "platform/d3d9/ComObject.h"
#include "platform/d3d9/PixelImage.h"

namespace ondrel::graphics {

class DeviceCore;

class TextureObject final : public ComObject<IDirect3DTexture9> {
public:
    // Levels 0 makes the whole chain down to 1 x 1. Null when the format
    // cannot be stored or memory cannot be had.
    static TextureObject* Create(DeviceCore* device, UINT width, UINT height, UINT levels, DWORD usage,
                                 D3DFORMAT format, D3DPOOL pool);

    HRESULT GetDevice(IDirect3DDevice9** device) override;
    DWORD SetPriority(DWORD priority) override;
    DWORD GetPriority() override { return priority_; }
    void PreLoad() override {}
    D3DRESOURCETYPE GetType() override { return D3DRTYPE_TEXTURE; }

    DWORD SetLOD(DWORD lodNew) override;
    DWORD GetLOD() override { return lod_; }
    DWORD GetLevelCount() override { return static_cast<DWORD>(levels_.size()); }
    HRESULT SetAutoGenFilterType(D3DTEXTUREFILTERTYPE filter) override;
    D3DTEXTUREFILTERTYPE GetAutoGenFilterType() override { return autoGenFilter_; }
    void GenerateMipSubLevels() override {}

    HRESULT GetLevelDesc(UINT level, D3DSURFACE_DESC* desc) override;
    HRESULT GetSurfaceLevel(UINT level, IDirect3DSurface9** surface) override;
    HRESULT LockRect(UINT level, D3DLOCKED_RECT* lockedRect, const RECT* rect, DWORD flags) override;
    HRESULT UnlockRect(UINT level) override;
    HRESULT AddDirtyRect(const RECT*) override { return D3D_OK; }

    DeviceCore* Owner() const { return device_; }
    PixelImage& Level(UINT level) { return levels_[level]; }
    const PixelImage& Level(UINT level) const { return levels_[level]; }
    D3DSURFACE_DESC LevelDesc(UINT level) const;
    // Moves whenever any level was written.
    std::uint64_t ContentVersion() const;

private:
    TextureObject(DeviceCore* device, DWORD usage, D3DFORMAT format, D3DPOOL pool);
    ~TextureObject() override;
    void OnLastPublicRelease() override;
    void OnRevived() override;

    DeviceCore* device_;
    DWORD usage_;
    D3DFORMAT format_;
    D3DPOOL pool_;
    std::vector<PixelImage> levels_;
    DWORD priority_ = 0;
    DWORD lod_ = 0;
    D3DTEXTUREFILTERTYPE autoGenFilter_ = D3DTEXF_LINEAR;
};

}  // namespace ondrel::graphics

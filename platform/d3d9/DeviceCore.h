#pragma once
// The device (IDirect3DDevice9) shared by the backends. It keeps every state,
// checks every call the way Direct3D 9 does, owns the device-loss state
// machine and hands pixels work to its backend's renderer.

#include <memory>
#include <string>
#include <string_view>

#include "platform/d3d9/ComObject.h"
#include "platform/d3d9/DeviceRenderer.h"
#include "platform/d3d9/DeviceState.h"
#include "platform/d3d9/SurfaceObject.h"
#include "platform/d3d9/SystemBackend.h"

namespace ondrel::graphics {

class SystemCore;

// Where a device stands with its window, as TestCooperativeLevel reports it.
enum class Cooperation {
    Operational,  // D3D_OK
    Lost,         // D3DERR_DEVICELOST: cannot be reset yet
    NotReset      // D3DERR_DEVICENOTRESET: waiting for Reset
};

class DeviceCore final : public ComObject<IDirect3DDevice9> {
public:
    static DeviceCore* Create(SystemCore* system, const DeviceCreation& creation,
                              std::unique_ptr<DeviceRenderer> renderer);

    // IDirect3DDevice9
    HRESULT TestCooperativeLevel() override;
    UINT GetAvailableTextureMem() override;
    HRESULT EvictManagedResources() override;
    HRESULT GetDirect3D(IDirect3D9** direct3d) override;
    HRESULT GetDeviceCaps(D3DCAPS9* caps) override;
    HRESULT GetDisplayMode(UINT swapChain, D3DDISPLAYMODE* mode) override;
    HRESULT GetCreationParameters(D3DDEVICE_CREATION_PARAMETERS* parameters) override;
    HRESULT SetCursorProperties(UINT xHotSpot, UINT yHotSpot, IDirect3DSurface9* cursorBitmap) override;
    void SetCursorPosition(INT x, INT y, DWORD flags) override;
    BOOL ShowCursor(BOOL show) override;
    HRESULT Reset(D3DPRESENT_PARAMETERS* presentationParameters) override;
    HRESULT Present(const RECT* sourceRect, const RECT* destRect, HWND destWindowOverride,
                    const RGNDATA* dirtyRegion) override;
    HRESULT GetBackBuffer(UINT swapChain, UINT backBuffer, D3DBACKBUFFER_TYPE type,
                          IDirect3DSurface9** surface) override;
    HRESULT CreateTexture(UINT width, UINT height, UINT levels, DWORD usage, D3DFORMAT format, D3DPOOL pool,
                          IDirect3DTexture9** texture, HANDLE* sharedHandle) override;
    HRESULT CreateVertexBuffer(UINT length, DWORD usage, DWORD fvf, D3DPOOL pool,
                               IDirect3DVertexBuffer9** vertexBuffer, HANDLE* sharedHandle) override;
    HRESULT CreateOffscreenPlainSurface(UINT width, UINT height, D3DFORMAT format, D3DPOOL pool,
                                        IDirect3DSurface9** surface, HANDLE* sharedHandle) override;
    HRESULT GetRenderTargetData(IDirect3DSurface9* renderTarget, IDirect3DSurface9* destSurface) override;
    HRESULT GetRenderTarget(DWORD renderTargetIndex, IDirect3DSurface9** renderTarget) override;
    HRESULT BeginScene() override;
    HRESULT EndScene() override;
    HRESULT Clear(DWORD count, const D3DRECT* rects, DWORD flags, D3DCOLOR color, float z, DWORD stencil) override;
    HRESULT SetTransform(D3DTRANSFORMSTATETYPE state, const D3DMATRIX* matrix) override;
    HRESULT GetTransform(D3DTRANSFORMSTATETYPE state, D3DMATRIX* matrix) override;
    HRESULT MultiplyTransform(D3DTRANSFORMSTATETYPE state, const D3DMATRIX* matrix) override;
    HRESULT SetViewport(const D3DVIEWPORT9* viewport) override;
    HRESULT GetViewport(D3DVIEWPORT9* viewport) override;
    HRESULT SetMaterial(const D3DMATERIAL9* material) override;
    HRESULT GetMaterial(D3DMATERIAL9* material) override;
    HRESULT SetLight(DWORD index, const D3DLIGHT9* light) override;
    HRESULT GetLight(DWORD index, D3DLIGHT9* light) override;
    HRESULT LightEnable(DWORD index, BOOL enable) override;
    HRESULT GetLightEnable(DWORD index, BOOL* enable) override;
    HRESULT SetRenderState(D3DRENDERSTATETYPE state, DWORD value) override;
    HRESULT GetRenderState(D3DRENDERSTATETYPE state, DWORD* value) override;
    HRESULT CreateStateBlock(D3DSTATEBLOCKTYPE type, IDirect3DStateBlock9** stateBlock) override;
    HRESULT BeginStateBlock() override;
    HRESULT EndStateBlock(IDirect3DStateBlock9** stateBlock) override;
    HRESULT GetTexture(DWORD stage, IDirect3DBaseTexture9** texture) override;
    HRESULT SetTexture(DWORD stage, IDirect3DBaseTexture9* texture) override;
    HRESULT GetTextureStageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type, DWORD* value) override;
    HRESULT SetTextureStageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type, DWORD value) override;
    HRESULT GetSamplerState(DWORD sampler, D3DSAMPLERSTATETYPE type, DWORD* value) override;
    HRESULT SetSamplerState(DWORD sampler, D3DSAMPLERSTATETYPE type, DWORD value) override;
    HRESULT SetScissorRect(const RECT* rect) override;
    HRESULT GetScissorRect(RECT* rect) override;
    HRESULT DrawPrimitive(D3DPRIMITIVETYPE primitiveType, UINT startVertex, UINT primitiveCount) override;
    HRESULT DrawPrimitiveUP(D3DPRIMITIVETYPE primitiveType, UINT primitiveCount, const void* vertexStreamZeroData,
                            UINT vertexStreamZeroStride) override;
    HRESULT DrawIndexedPrimitiveUP(D3DPRIMITIVETYPE primitiveType, UINT minVertexIndex, UINT numVertices,
                                   UINT primitiveCount, const void* indexData, D3DFORMAT indexDataFormat,
                                   const void* vertexStreamZeroData, UINT vertexStreamZeroStride) override;
    HRESULT CreateVertexDeclaration(const D3DVERTEXELEMENT9* vertexElements,
                                    IDirect3DVertexDeclaration9** declaration) override;
    HRESULT SetVertexDeclaration(IDirect3DVertexDeclaration9* declaration) override;
    HRESULT GetVertexDeclaration(IDirect3DVertexDeclaration9** declaration) override;
    HRESULT SetFVF(DWORD fvf) override;
    HRESULT GetFVF(DWORD* fvf) override;
    HRESULT SetVertexShader(IDirect3DVertexShader9* shader) override;
    HRESULT GetVertexShader(IDirect3DVertexShader9** shader) override;
    HRESULT SetPixelShader(IDirect3DPixelShader9* shader) override;
    HRESULT GetPixelShader(IDirect3DPixelShader9** shader) override;
    HRESULT SetStreamSource(UINT streamNumber, IDirect3DVertexBuffer9* streamData, UINT offsetInBytes,
                            UINT stride) override;
    HRESULT GetStreamSource(UINT streamNumber, IDirect3DVertexBuffer9** streamData, UINT* offsetInBytes,
                            UINT* stride) override;

    // For the device's own objects.
    const std::shared_ptr<ObjectCensus>& Census() const { return census_; }
    HRESULT Observe(std::string_view call, const std::string& arguments);
    void ForgetResource(const void* resource);
    void ResourceAlive(D3DPOOL pool, int delta);
    void StateBlockAlive(int delta) { liveStateBlocks_ += delta; }
    D3DSURFACE_DESC BackBufferDesc() const;
    bool BackBufferLockable() const;
    HRESULT ReadBackBuffer(PixelImage& into);
    const DeviceState& State() const { return state_; }
    bool IsRecordingStateBlock() const { return recording_ != nullptr; }
    void ApplyState(const DeviceState& saved, const StateMask& mask);

    // For backends: device loss. Lose() makes the device lost; once the
    // cause is gone, AllowReset() lets TestCooperativeLevel ask for Reset.
    void Lose();
    void AllowReset();
    Cooperation CooperationState() const { return cooperation_; }

    const D3DPRESENT_PARAMETERS& Presentation() const { return parameters_; }
    DeviceRenderer& Renderer() { return *renderer_; }
    bool CursorShown() const { return cursorShown_; }
    POINT CursorPosition() const { return cursorPosition_; }

private:
    struct Recording {
        DeviceState state;
        StateMask mask;
    };

    DeviceCore(SystemCore* system, const DeviceCreation& creation, std::unique_ptr<DeviceRenderer> renderer);
    ~DeviceCore() override;
    void OnLastPublicRelease() override;
    void OnRevived() override;

    DeviceState& WriteTarget() { return recording_ ? recording_->state : state_; }
    StateMask* RecordMask() { return recording_ ? &recording_->mask : nullptr; }
    HRESULT DrawVertices(D3DPRIMITIVETYPE type, UINT primitiveCount, DrawBatch& batch);
    DWORD CurrentFvf() const;
    bool ReleasesBeforeReset() const;

    SystemCore* system_;
    std::shared_ptr<ObjectCensus> census_;
    CallObserver* observer_;
    DeviceCreation creation_;
    D3DPRESENT_PARAMETERS parameters_;
    std::unique_ptr<DeviceRenderer> renderer_;
    DeviceState state_;
    std::unique_ptr<Recording> recording_;
    Binding<SurfaceObject> backBuffer_;
    Cooperation cooperation_ = Cooperation::Operational;
    bool inScene_ = false;
    bool cursorShown_ = false;
    POINT cursorPosition_{0, 0};
    int liveDefaultPoolResources_ = 0;
    int liveStateBlocks_ = 0;
};

}  // namespace ondrel::graphics

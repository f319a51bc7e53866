#include "platform/d3d9/DeviceCore.h"

#include "platform/d3d9/MatrixProduct.h"

#include <new>

#include "platform/d3d9/PixelFormats.h"
#include "platform/d3d9/StateBlockObject.h"
#include "platform/d3d9/SystemCore.h"

namespace ondrel::graphics {
namespace {

UINT VerticesOf(D3DPRIMITIVETYPE type, UINT primitives) {
    switch (type) {
        case D3DPT_POINTLIST: return primitives;
        case D3DPT_LINELIST: return primitives * 2;
        case D3DPT_LINESTRIP: return primitives + 1;
        case D3DPT_TRIANGLELIST: return primitives * 3;
        case D3DPT_TRIANGLESTRIP:
        case D3DPT_TRIANGLEFAN: return primitives + 2;
        default: return 0;
    }
}

}  // namespace

DeviceCore* DeviceCore::Create(SystemCore* system, const DeviceCreation& creation,
                               std::unique_ptr<DeviceRenderer> renderer) {
    auto* device = new (std::nothrow) DeviceCore(system, creation, std::move(renderer));
    if (device != nullptr) {
        device->renderer_->Attach(device);
        system->Backend().DeviceCreated(device);
    }
    return device;
}

DeviceCore::DeviceCore(SystemCore* system, const DeviceCreation& creation, std::unique_ptr<DeviceRenderer> renderer)
    : ComObject(system->Census(), ObjectKind::Device),
      system_(system),
      census_(system->Census()),
      observer_(system->Backend().Observer()),
      creation_(creation),
      parameters_(creation.parameters),
      renderer_(std::move(renderer)) {
    system_->AddRef();
    ResetToDefaults(state_, parameters_);
}

DeviceCore::~DeviceCore() = default;

// The last caller let go. Whatever is left is only bound to the device's
// state; let it go too, while the renderer can still free what it holds for
// it. Resources keep a binding on the device until they are destroyed, so
// the object itself outlives this.
void DeviceCore::OnLastPublicRelease() {
    recording_.reset();
    state_ = DeviceState{};
    backBuffer_.Reset(nullptr);
    system_->Backend().DeviceDestroyed(this);
    renderer_.reset();
    system_->Release();
}

void DeviceCore::OnRevived() {}

HRESULT DeviceCore::Observe(std::string_view call, const std::string& arguments) {
    return observer_ != nullptr ? observer_->OnCall(call, arguments) : D3D_OK;
}

void DeviceCore::ForgetResource(const void* resource) {
    if (renderer_) renderer_->ForgetResource(resource);
}

void DeviceCore::ResourceAlive(D3DPOOL pool, int delta) {
    if (pool == D3DPOOL_DEFAULT) liveDefaultPoolResources_ += delta;
}

D3DSURFACE_DESC DeviceCore::BackBufferDesc() const {
    return D3DSURFACE_DESC{parameters_.BackBufferFormat, D3DRTYPE_SURFACE, D3DUSAGE_RENDERTARGET, D3DPOOL_DEFAULT,
                           parameters_.MultiSampleType, parameters_.MultiSampleQuality,
                           parameters_.BackBufferWidth, parameters_.BackBufferHeight};
}

bool DeviceCore::BackBufferLockable() const {
    return (parameters_.Flags & D3DPRESENTFLAG_LOCKABLE_BACKBUFFER) != 0;
}

HRESULT DeviceCore::ReadBackBuffer(PixelImage& into) { return renderer_->ReadBackBuffer(into); }

void DeviceCore::ApplyState(const DeviceState& saved, const StateMask& mask) { CopyMasked(saved, state_, mask); }

void DeviceCore::Lose() {
    cooperation_ = Cooperation::Lost;
    inScene_ = false;
}

void DeviceCore::AllowReset() {
    if (cooperation_ == Cooperation::Lost) cooperation_ = Cooperation::NotReset;
}

bool DeviceCore::ReleasesBeforeReset() const { return liveDefaultPoolResources_ == 0 && liveStateBlocks_ == 0; }

DWORD DeviceCore::CurrentFvf() const {
    if (state_.declaration) return state_.declaration.Get()->Fvf();
    return state_.fvf;
}

// ---------------------------------------------------------------- status

HRESULT DeviceCore::TestCooperativeLevel() {
    if (HRESULT hr = Observe("IDirect3DDevice9::TestCooperativeLevel", {}); FAILED(hr)) return hr;
    switch (cooperation_) {
        case Cooperation::Lost: return D3DERR_DEVICELOST;
        case Cooperation::NotReset: return D3DERR_DEVICENOTRESET;
        case Cooperation::Operational: break;
    }
    return D3D_OK;
}

UINT DeviceCore::GetAvailableTextureMem() {
    Observe("IDirect3DDevice9::GetAvailableTextureMem", {});
    return renderer_->AvailableTextureMemory();
}

HRESULT DeviceCore::EvictManagedResources() { return Observe("IDirect3DDevice9::EvictManagedResources", {}); }

HRESULT DeviceCore::GetDirect3D(IDirect3D9** direct3d) {
    if (HRESULT hr = Observe("IDirect3DDevice9::GetDirect3D", {}); FAILED(hr)) return hr;
    if (direct3d == nullptr) return D3DERR_INVALIDCALL;
    system_->AddRef();
    *direct3d = system_;
    return D3D_OK;
}

HRESULT DeviceCore::GetDeviceCaps(D3DCAPS9* caps) {
    if (HRESULT hr = Observe("IDirect3DDevice9::GetDeviceCaps", {}); FAILED(hr)) return hr;
    if (caps == nullptr) return D3DERR_INVALIDCALL;
    *caps = creation_.caps;
    return D3D_OK;
}

HRESULT DeviceCore::GetDisplayMode(UINT swapChain, D3DDISPLAYMODE* mode) {
    if (HRESULT hr = Observe("IDirect3DDevice9::GetDisplayMode", FormatArguments(swapChain)); FAILED(hr)) return hr;
    if (mode == nullptr || swapChain != 0) return D3DERR_INVALIDCALL;
    if (parameters_.Windowed) return system_->GetAdapterDisplayMode(creation_.adapter, mode);
    *mode = D3DDISPLAYMODE{parameters_.BackBufferWidth, parameters_.BackBufferHeight,
                           parameters_.FullScreen_RefreshRateInHz, parameters_.BackBufferFormat};
    if (mode->Format == D3DFMT_A8R8G8B8) mode->Format = D3DFMT_X8R8G8B8;
    if (mode->Format == D3DFMT_A1R5G5B5) mode->Format = D3DFMT_X1R5G5B5;
    return D3D_OK;
}

HRESULT DeviceCore::GetCreationParameters(D3DDEVICE_CREATION_PARAMETERS* parameters) {
    if (HRESULT hr = Observe("IDirect3DDevice9::GetCreationParameters", {}); FAILED(hr)) return hr;
    if (parameters == nullptr) return D3DERR_INVALIDCALL;
    *parameters = D3DDEVICE_CREATION_PARAMETERS{creation_.adapter, creation_.type, creation_.focusWindow,
                                                creation_.behaviorFlags};
    return D3D_OK;
}

// ---------------------------------------------------------------- cursor

HRESULT DeviceCore::SetCursorProperties(UINT xHotSpot, UINT yHotSpot, IDirect3DSurface9* cursorBitmap) {
    if (HRESULT hr = Observe("IDirect3DDevice9::SetCursorProperties", FormatArguments(xHotSpot, yHotSpot, cursorBitmap));
        FAILED(hr)) {
        return hr;
    }
    if (cursorBitmap == nullptr) return D3DERR_INVALIDCALL;
    auto* surface = static_cast<SurfaceObject*>(cursorBitmap);
    const D3DSURFACE_DESC desc = surface->Desc();
    if (desc.Format != D3DFMT_A8R8G8B8 || xHotSpot >= desc.Width || yHotSpot >= desc.Height) {
        return D3DERR_INVALIDCALL;
    }
    renderer_->SetCursorImage(surface->Image(), xHotSpot, yHotSpot);
    return D3D_OK;
}

void DeviceCore::SetCursorPosition(INT x, INT y, DWORD flags) {
    Observe("IDirect3DDevice9::SetCursorPosition", FormatArguments(x, y, flags));
    cursorPosition_ = POINT{x, y};
    renderer_->MoveCursor(x, y);
}

BOOL DeviceCore::ShowCursor(BOOL show) {
    Observe("IDirect3DDevice9::ShowCursor", FormatArguments(show));
    const BOOL was = cursorShown_ ? TRUE : FALSE;
    cursorShown_ = show != FALSE;
    renderer_->ShowCursor(cursorShown_);
    return was;
}

// ---------------------------------------------------------------- presentation

HRESULT DeviceCore::Reset(D3DPRESENT_PARAMETERS* presentationParameters) {
    if (HRESULT hr = Observe("IDirect3DDevice9::Reset", FormatArguments(presentationParameters)); FAILED(hr)) {
        if (hr == D3DERR_DEVICELOST) Lose();
        return hr;
    }
    if (presentationParameters == nullptr) return D3DERR_INVALIDCALL;
    if (cooperation_ == Cooperation::Lost) return D3DERR_DEVICELOST;
    if (recording_ != nullptr || !ReleasesBeforeReset()) return D3DERR_INVALIDCALL;
    D3DPRESENT_PARAMETERS completed = *presentationParameters;
    if (HRESULT hr = system_->CompletePresentation(creation_.adapter, creation_.type, creation_.focusWindow, completed);
        FAILED(hr)) {
        return hr;
    }
    if (HRESULT hr = renderer_->Reset(completed); FAILED(hr)) {
        cooperation_ = Cooperation::NotReset;
        return hr;
    }
    parameters_ = completed;
    *presentationParameters = completed;
    ResetToDefaults(state_, parameters_);
    inScene_ = false;
    cooperation_ = Cooperation::Operational;
    return D3D_OK;
}

HRESULT DeviceCore::Present(const RECT* sourceRect, const RECT* destRect, HWND destWindowOverride,
                            const RGNDATA* dirtyRegion) {
    if (HRESULT hr = Observe("IDirect3DDevice9::Present",
                             FormatArguments(sourceRect, destRect, destWindowOverride, dirtyRegion));
        FAILED(hr)) {
        if (hr == D3DERR_DEVICELOST) Lose();
        return hr;
    }
    if (cooperation_ != Cooperation::Operational) return D3DERR_DEVICELOST;
    return renderer_->Present(sourceRect, destRect, destWindowOverride);
}

HRESULT DeviceCore::GetBackBuffer(UINT swapChain, UINT backBuffer, D3DBACKBUFFER_TYPE type,
                                  IDirect3DSurface9** surface) {
    if (HRESULT hr = Observe("IDirect3DDevice9::GetBackBuffer", FormatArguments(swapChain, backBuffer, type));
        FAILED(hr)) {
        return hr;
    }
    if (surface == nullptr) return D3DERR_INVALIDCALL;
    *surface = nullptr;
    if (swapChain != 0 || backBuffer >= parameters_.BackBufferCount) return D3DERR_INVALIDCALL;
    if (backBuffer_) {
        backBuffer_.Get()->AddRef();
    } else {
        SurfaceObject* created = SurfaceObject::BackBuffer(this);
        if (created == nullptr) return E_OUTOFMEMORY;
        backBuffer_.Reset(created);
    }
    *surface = backBuffer_.Get();
    return D3D_OK;
}

HRESULT DeviceCore::GetRenderTarget(DWORD renderTargetIndex, IDirect3DSurface9** renderTarget) {
    if (renderTargetIndex != 0) {
        if (renderTarget != nullptr) *renderTarget = nullptr;
        return renderTargetIndex < creation_.caps.NumSimultaneousRTs ? D3DERR_NOTFOUND : D3DERR_INVALIDCALL;
    }
    return GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, renderTarget);
}

HRESULT DeviceCore::GetRenderTargetData(IDirect3DSurface9* renderTarget, IDirect3DSurface9* destSurface) {
    if (HRESULT hr = Observe("IDirect3DDevice9::GetRenderTargetData", FormatArguments(renderTarget, destSurface));
        FAILED(hr)) {
        return hr;
    }
    if (renderTarget == nullptr || destSurface == nullptr) return D3DERR_INVALIDCALL;
    auto* source = static_cast<SurfaceObject*>(renderTarget);
    auto* dest = static_cast<SurfaceObject*>(destSurface);
    const D3DSURFACE_DESC sourceDesc = source->Desc();
    const D3DSURFACE_DESC destDesc = dest->Desc();
    if (!source->IsBackBuffer() || source->Owner() != this || dest->Owner() != this ||
        destDesc.Pool != D3DPOOL_SYSTEMMEM || destDesc.Width != sourceDesc.Width ||
        destDesc.Height != sourceDesc.Height || destDesc.Format != sourceDesc.Format) {
        return D3DERR_INVALIDCALL;
    }
    PixelImage pixels;
    if (HRESULT hr = renderer_->ReadBackBuffer(pixels); FAILED(hr)) return hr;
    PixelImage& target = dest->Image();
    for (UINT y = 0; y < target.Height() && y < pixels.Height(); ++y) {
        for (UINT x = 0; x < target.Width() && x < pixels.Width(); ++x) {
            target.SetPixelArgb(x, y, pixels.PixelArgb(x, y));
        }
    }
    target.Touch();
    return D3D_OK;
}

// ---------------------------------------------------------------- resources

HRESULT DeviceCore::CreateTexture(UINT width, UINT height, UINT levels, DWORD usage, D3DFORMAT format, D3DPOOL pool,
                                  IDirect3DTexture9** texture, HANDLE* sharedHandle) {
    if (HRESULT hr = Observe("IDirect3DDevice9::CreateTexture",
                             FormatArguments(width, height, levels, usage, format, pool));
        FAILED(hr)) {
        if (texture != nullptr) *texture = nullptr;
        return hr;
    }
    if (texture == nullptr || sharedHandle != nullptr) return D3DERR_INVALIDCALL;
    *texture = nullptr;
    if (width == 0 || height == 0 || width > creation_.caps.MaxTextureWidth ||
        height > creation_.caps.MaxTextureHeight || pool == D3DPOOL_SCRATCH + 1) {
        return D3DERR_INVALIDCALL;
    }
    if ((usage & D3DUSAGE_DYNAMIC) != 0 && pool == D3DPOOL_MANAGED) return D3DERR_INVALIDCALL;
    if ((usage & (D3DUSAGE_RENDERTARGET | D3DUSAGE_DEPTHSTENCIL)) != 0) return D3DERR_NOTAVAILABLE;
    if (!IsStorableFormat(format)) return D3DERR_INVALIDCALL;
    TextureObject* created = TextureObject::Create(this, width, height, levels, usage, format, pool);
    if (created == nullptr) return E_OUTOFMEMORY;
    *texture = created;
    return D3D_OK;
}

HRESULT DeviceCore::CreateVertexBuffer(UINT length, DWORD usage, DWORD fvf, D3DPOOL pool,
                                       IDirect3DVertexBuffer9** vertexBuffer, HANDLE* sharedHandle) {
    if (HRESULT hr = Observe("IDirect3DDevice9::CreateVertexBuffer", FormatArguments(length, usage, fvf, pool));
        FAILED(hr)) {
        if (vertexBuffer != nullptr) *vertexBuffer = nullptr;
        return hr;
    }
    if (vertexBuffer == nullptr || sharedHandle != nullptr) return D3DERR_INVALIDCALL;
    *vertexBuffer = nullptr;
    if (length == 0 || pool > D3DPOOL_SYSTEMMEM) return D3DERR_INVALIDCALL;
    if (fvf != 0) {
        const FvfLayout layout = DescribeFvf(fvf);
        if (!layout.valid || length < layout.stride) return D3DERR_INVALIDCALL;
    }
    if ((usage & D3DUSAGE_DYNAMIC) != 0 && pool == D3DPOOL_MANAGED) return D3DERR_INVALIDCALL;
    VertexBufferObject* created = VertexBufferObject::Create(this, length, usage, fvf, pool);
    if (created == nullptr) return E_OUTOFMEMORY;
    *vertexBuffer = created;
    return D3D_OK;
}

HRESULT DeviceCore::CreateOffscreenPlainSurface(UINT width, UINT height, D3DFORMAT format, D3DPOOL pool,
                                                IDirect3DSurface9** surface, HANDLE* sharedHandle) {
    if (HRESULT hr = Observe("IDirect3DDevice9::CreateOffscreenPlainSurface",
                             FormatArguments(width, height, format, pool));
        FAILED(hr)) {
        if (surface != nullptr) *surface = nullptr;
        return hr;
    }
    if (surface == nullptr || sharedHandle != nullptr) return D3DERR_INVALIDCALL;
    *surface = nullptr;
    if (width == 0 || height == 0 || pool == D3DPOOL_MANAGED || pool > D3DPOOL_SCRATCH) return D3DERR_INVALIDCALL;
    if (!IsStorableFormat(format)) return D3DERR_INVALIDCALL;
    SurfaceObject* created = SurfaceObject::Standalone(this, width, height, format, pool);
    if (created == nullptr) return E_OUTOFMEMORY;
    *surface = created;
    return D3D_OK;
}

// ---------------------------------------------------------------- scene

HRESULT DeviceCore::BeginScene() {
    if (HRESULT hr = Observe("IDirect3DDevice9::BeginScene", {}); FAILED(hr)) return hr;
    if (inScene_) return D3DERR_INVALIDCALL;
    inScene_ = true;
    return D3D_OK;
}

HRESULT DeviceCore::EndScene() {
    if (HRESULT hr = Observe("IDirect3DDevice9::EndScene", {}); FAILED(hr)) return hr;
    if (!inScene_) return D3DERR_INVALIDCALL;
    inScene_ = false;
    return D3D_OK;
}

HRESULT DeviceCore::Clear(DWORD count, const D3DRECT* rects, DWORD flags, D3DCOLOR color, float z, DWORD stencil) {
    if (HRESULT hr = Observe("IDirect3DDevice9::Clear", FormatArguments(count, rects, flags, color, z, stencil));
        FAILED(hr)) {
        return hr;
    }
    if ((count != 0 && rects == nullptr) || flags == 0 ||
        (flags & ~(D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL)) != 0) {
        return D3DERR_INVALIDCALL;
    }
    if ((flags & (D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL)) != 0 && !parameters_.EnableAutoDepthStencil) {
        return D3DERR_INVALIDCALL;
    }
    if (z < 0.0f || z > 1.0f) return D3DERR_INVALIDCALL;
    if (cooperation_ != Cooperation::Operational) return D3D_OK;
    return renderer_->Clear(state_, count, rects, flags, color, z, stencil);
}

// ---------------------------------------------------------------- fixed-function state

HRESULT DeviceCore::SetTransform(D3DTRANSFORMSTATETYPE state, const D3DMATRIX* matrix) {
    if (HRESULT hr = Observe("IDirect3DDevice9::SetTransform", FormatArguments(state, matrix)); FAILED(hr)) return hr;
    if (matrix == nullptr) return D3DERR_INVALIDCALL;
    const int slot = TransformSlot(state);
    if (slot < 0) return D3D_OK;  // world matrices beyond the fourth are never used by fixed function here
    WriteTarget().transforms[static_cast<std::size_t>(slot)] = *matrix;
    if (StateMask* mask = RecordMask()) mask->transforms.set(static_cast<std::size_t>(slot));
    return D3D_OK;
}

HRESULT DeviceCore::GetTransform(D3DTRANSFORMSTATETYPE state, D3DMATRIX* matrix) {
    if (HRESULT hr = Observe("IDirect3DDevice9::GetTransform", FormatArguments(state)); FAILED(hr)) return hr;
    if (matrix == nullptr) return D3DERR_INVALIDCALL;
    const int slot = TransformSlot(state);
    *matrix = slot < 0 ? IdentityMatrix() : state_.transforms[static_cast<std::size_t>(slot)];
    return D3D_OK;
}

HRESULT DeviceCore::MultiplyTransform(D3DTRANSFORMSTATETYPE state, const D3DMATRIX* matrix) {
    if (HRESULT hr = Observe("IDirect3DDevice9::MultiplyTransform", FormatArguments(state, matrix)); FAILED(hr)) {
        return hr;
    }
    if (matrix == nullptr) return D3DERR_INVALIDCALL;
    const int slot = TransformSlot(state);
    if (slot < 0) return D3D_OK;
    D3DMATRIX& target = WriteTarget().transforms[static_cast<std::size_t>(slot)];
    target = MatrixProduct(*matrix, state_.transforms[static_cast<std::size_t>(slot)]);
    if (StateMask* mask = RecordMask()) mask->transforms.set(static_cast<std::size_t>(slot));
    return D3D_OK;
}

HRESULT DeviceCore::SetViewport(const D3DVIEWPORT9* viewport) {
    if (HRESULT hr = Observe("IDirect3DDevice9::SetViewport", FormatArguments(viewport)); FAILED(hr)) return hr;
    if (viewport == nullptr || viewport->Width == 0 || viewport->Height == 0 ||
        viewport->X + viewport->Width > parameters_.BackBufferWidth ||
        viewport->Y + viewport->Height > parameters_.BackBufferHeight || viewport->MinZ < 0.0f ||
        viewport->MaxZ > 1.0f || viewport->MinZ > viewport->MaxZ) {
        return D3DERR_INVALIDCALL;
    }
    WriteTarget().viewport = *viewport;
    if (StateMask* mask = RecordMask()) mask->viewport = true;
    return D3D_OK;
}

HRESULT DeviceCore::GetViewport(D3DVIEWPORT9* viewport) {
    if (HRESULT hr = Observe("IDirect3DDevice9::GetViewport", {}); FAILED(hr)) return hr;
    if (viewport == nullptr) return D3DERR_INVALIDCALL;
    *viewport = state_.viewport;
    return D3D_OK;
}

HRESULT DeviceCore::SetMaterial(const D3DMATERIAL9* material) {
    if (HRESULT hr = Observe("IDirect3DDevice9::SetMaterial", FormatArguments(material)); FAILED(hr)) return hr;
    if (material == nullptr) return D3DERR_INVALIDCALL;
    WriteTarget().material = *material;
    if (StateMask* mask = RecordMask()) mask->material = true;
    return D3D_OK;
}

HRESULT DeviceCore::GetMaterial(D3DMATERIAL9* material) {
    if (HRESULT hr = Observe("IDirect3DDevice9::GetMaterial", {}); FAILED(hr)) return hr;
    if (material == nullptr) return D3DERR_INVALIDCALL;
    *material = state_.material;
    return D3D_OK;
}

HRESULT DeviceCore::SetLight(DWORD index, const D3DLIGHT9* light) {
    if (HRESULT hr = Observe("IDirect3DDevice9::SetLight", FormatArguments(index, light)); FAILED(hr)) return hr;
    if (light == nullptr || light->Type < D3DLIGHT_POINT || light->Type > D3DLIGHT_DIRECTIONAL) {
        return D3DERR_INVALIDCALL;
    }
    if (light->Type != D3DLIGHT_DIRECTIONAL && light->Range < 0.0f) return D3DERR_INVALIDCALL;
    WriteTarget().lights[index].light = *light;
    if (StateMask* mask = RecordMask()) mask->lights.insert(index);
    return D3D_OK;
}

HRESULT DeviceCore::GetLight(DWORD index, D3DLIGHT9* light) {
    if (HRESULT hr = Observe("IDirect3DDevice9::GetLight", FormatArguments(index)); FAILED(hr)) return hr;
    auto found = state_.lights.find(index);
    if (light == nullptr || found == state_.lights.end()) return D3DERR_INVALIDCALL;
    *light = found->second.light;
    return D3D_OK;
}

HRESULT DeviceCore::LightEnable(DWORD index, BOOL enable) {
    if (HRESULT hr = Observe("IDirect3DDevice9::LightEnable", FormatArguments(index, enable)); FAILED(hr)) return hr;
    DeviceState& target = WriteTarget();
    auto found = target.lights.find(index);
    if (found == target.lights.end()) {
        // Enabling (or disabling) a slot never set gives it the default light.
        found = target.lights.emplace(index, LightSlot{DefaultLight(), false}).first;
        auto existing = state_.lights.find(index);
        if (recording_ != nullptr && existing != state_.lights.end()) found->second.light = existing->second.light;
    }
    found->second.enabled = enable != FALSE;
    if (StateMask* mask = RecordMask()) mask->lights.insert(index);
    return D3D_OK;
}

HRESULT DeviceCore::GetLightEnable(DWORD index, BOOL* enable) {
    if (HRESULT hr = Observe("IDirect3DDevice9::GetLightEnable", FormatArguments(index)); FAILED(hr)) return hr;
    auto found = state_.lights.find(index);
    if (enable == nullptr || found == state_.lights.end()) return D3DERR_INVALIDCALL;
    // A non-zero value, not necessarily TRUE, as the runtime answers.
    *enable = found->second.enabled ? 128 : FALSE;
    return D3D_OK;
}

HRESULT DeviceCore::SetRenderState(D3DRENDERSTATETYPE state, DWORD value) {
    if (HRESULT hr = Observe("IDirect3DDevice9::SetRenderState", FormatArguments(state, value)); FAILED(hr)) return hr;
    if (state >= D3DRS_STATE_COUNT) return D3DERR_INVALIDCALL;
    WriteTarget().renderStates[state] = value;
    if (StateMask* mask = RecordMask()) mask->renderStates.set(state);
    return D3D_OK;
}

HRESULT DeviceCore::GetRenderState(D3DRENDERSTATETYPE state, DWORD* value) {
    if (HRESULT hr = Observe("IDirect3DDevice9::GetRenderState", FormatArguments(state)); FAILED(hr)) return hr;
    if (value == nullptr || state >= D3DRS_STATE_COUNT) return D3DERR_INVALIDCALL;
    *value = state_.renderStates[state];
    return D3D_OK;
}

// ---------------------------------------------------------------- state blocks

HRESULT DeviceCore::CreateStateBlock(D3DSTATEBLOCKTYPE type, IDirect3DStateBlock9** stateBlock) {
    if (HRESULT hr = Observe("IDirect3DDevice9::CreateStateBlock", FormatArguments(type)); FAILED(hr)) {
        if (stateBlock != nullptr) *stateBlock = nullptr;
        return hr;
    }
    if (stateBlock == nullptr) return D3DERR_INVALIDCALL;
    *stateBlock = nullptr;
    if (recording_ != nullptr) return D3DERR_INVALIDCALL;
    StateMask mask;
    switch (type) {
        case D3DSBT_ALL: mask = StateMask::All(); break;
        case D3DSBT_PIXELSTATE: mask = StateMask::PixelState(); break;
        case D3DSBT_VERTEXSTATE: mask = StateMask::VertexState(); break;
        default: return D3DERR_INVALIDCALL;
    }
    StateBlockObject* created = StateBlockObject::Create(this, mask);
    if (created == nullptr) return E_OUTOFMEMORY;
    *stateBlock = created;
    return D3D_OK;
}

HRESULT DeviceCore::BeginStateBlock() {
    if (HRESULT hr = Observe("IDirect3DDevice9::BeginStateBlock", {}); FAILED(hr)) return hr;
    if (recording_ != nullptr) return D3DERR_INVALIDCALL;
    recording_.reset(new (std::nothrow) Recording());
    return recording_ != nullptr ? D3D_OK : E_OUTOFMEMORY;
}

HRESULT DeviceCore::EndStateBlock(IDirect3DStateBlock9** stateBlock) {
    if (HRESULT hr = Observe("IDirect3DDevice9::EndStateBlock", {}); FAILED(hr)) return hr;
    if (stateBlock == nullptr || recording_ == nullptr) return D3DERR_INVALIDCALL;
    *stateBlock = nullptr;
    std::unique_ptr<Recording> recorded = std::move(recording_);
    // The block holds the values recorded, which never reached the device.
    StateBlockObject* created = StateBlockObject::Create(this, recorded->mask, &recorded->state);
    if (created == nullptr) return E_OUTOFMEMORY;
    *stateBlock = created;
    return D3D_OK;
}

// ---------------------------------------------------------------- textures and samplers

HRESULT DeviceCore::GetTexture(DWORD stage, IDirect3DBaseTexture9** texture) {
    if (HRESULT hr = Observe("IDirect3DDevice9::GetTexture", FormatArguments(stage)); FAILED(hr)) return hr;
    if (texture == nullptr || stage >= D3DTEXTURE_STAGE_COUNT) return D3DERR_INVALIDCALL;
    TextureObject* bound = state_.textures[stage].Get();
    if (bound != nullptr) bound->AddRef();
    *texture = bound;
    return D3D_OK;
}

HRESULT DeviceCore::SetTexture(DWORD stage, IDirect3DBaseTexture9* texture) {
    if (HRESULT hr = Observe("IDirect3DDevice9::SetTexture", FormatArguments(stage, texture)); FAILED(hr)) return hr;
    if (stage >= D3DTEXTURE_STAGE_COUNT) return D3DERR_INVALIDCALL;
    auto* object = static_cast<TextureObject*>(texture);
    if (object != nullptr && object->Owner() != this) return D3DERR_INVALIDCALL;
    WriteTarget().textures[stage].Reset(object);
    if (StateMask* mask = RecordMask()) mask->textures.set(stage);
    return D3D_OK;
}

HRESULT DeviceCore::GetTextureStageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type, DWORD* value) {
    if (HRESULT hr = Observe("IDirect3DDevice9::GetTextureStageState", FormatArguments(stage, type)); FAILED(hr)) {
        return hr;
    }
    if (value == nullptr || stage >= D3DTEXTURE_STAGE_COUNT || type >= D3DTSS_STATE_COUNT) return D3DERR_INVALIDCALL;
    *value = state_.stageStates[stage][type];
    return D3D_OK;
}

HRESULT DeviceCore::SetTextureStageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type, DWORD value) {
    if (HRESULT hr = Observe("IDirect3DDevice9::SetTextureStageState", FormatArguments(stage, type, value));
        FAILED(hr)) {
        return hr;
    }
    if (stage >= D3DTEXTURE_STAGE_COUNT || type >= D3DTSS_STATE_COUNT) return D3DERR_INVALIDCALL;
    WriteTarget().stageStates[stage][type] = value;
    if (StateMask* mask = RecordMask()) mask->stageStates[stage].set(type);
    return D3D_OK;
}

HRESULT DeviceCore::GetSamplerState(DWORD sampler, D3DSAMPLERSTATETYPE type, DWORD* value) {
    if (HRESULT hr = Observe("IDirect3DDevice9::GetSamplerState", FormatArguments(sampler, type)); FAILED(hr)) {
        return hr;
    }
    const int slot = SamplerSlot(sampler);
    if (value == nullptr || slot < 0 || type >= D3DSAMP_STATE_COUNT) return D3DERR_INVALIDCALL;
    *value = state_.samplerStates[static_cast<std::size_t>(slot)][type];
    return D3D_OK;
}

HRESULT DeviceCore::SetSamplerState(DWORD sampler, D3DSAMPLERSTATETYPE type, DWORD value) {
    if (HRESULT hr = Observe("IDirect3DDevice9::SetSamplerState", FormatArguments(sampler, type, value)); FAILED(hr)) {
        return hr;
    }
    const int slot = SamplerSlot(sampler);
    if (slot < 0 || type >= D3DSAMP_STATE_COUNT) return D3DERR_INVALIDCALL;
    WriteTarget().samplerStates[static_cast<std::size_t>(slot)][type] = value;
    if (StateMask* mask = RecordMask()) mask->samplerStates[static_cast<std::size_t>(slot)].set(type);
    return D3D_OK;
}

HRESULT DeviceCore::SetScissorRect(const RECT* rect) {
    if (HRESULT hr = Observe("IDirect3DDevice9::SetScissorRect", FormatArguments(rect)); FAILED(hr)) return hr;
    if (rect == nullptr) return D3DERR_INVALIDCALL;
    WriteTarget().scissor = *rect;
    if (StateMask* mask = RecordMask()) mask->scissor = true;
    return D3D_OK;
}

HRESULT DeviceCore::GetScissorRect(RECT* rect) {
    if (HRESULT hr = Observe("IDirect3DDevice9::GetScissorRect", {}); FAILED(hr)) return hr;
    if (rect == nullptr) return D3DERR_INVALIDCALL;
    *rect = state_.scissor;
    return D3D_OK;
}

// ---------------------------------------------------------------- drawing

HRESULT DeviceCore::DrawVertices(D3DPRIMITIVETYPE type, UINT primitiveCount, DrawBatch& batch) {
    if (!inScene_ || primitiveCount == 0 || primitiveCount > creation_.caps.MaxPrimitiveCount) {
        return D3DERR_INVALIDCALL;
    }
    batch.type = type;
    batch.primitiveCount = primitiveCount;
    batch.layout = DescribeFvf(CurrentFvf());
    if (!batch.layout.valid || batch.stride < batch.layout.stride) return D3DERR_INVALIDCALL;
    if (cooperation_ != Cooperation::Operational) return D3D_OK;
    return renderer_->Draw(state_, batch);
}

HRESULT DeviceCore::DrawPrimitive(D3DPRIMITIVETYPE primitiveType, UINT startVertex, UINT primitiveCount) {
    if (HRESULT hr = Observe("IDirect3DDevice9::DrawPrimitive",
                             FormatArguments(primitiveType, startVertex, primitiveCount));
        FAILED(hr)) {
        return hr;
    }
    const UINT vertices = VerticesOf(primitiveType, primitiveCount);
    const StreamSource& stream = state_.streams[0];
    const VertexBufferObject* buffer = stream.buffer.Get();
    if (vertices == 0 || buffer == nullptr || stream.stride == 0) return D3DERR_INVALIDCALL;
    const std::uint64_t first = stream.offset + static_cast<std::uint64_t>(startVertex) * stream.stride;
    const std::uint64_t end = first + static_cast<std::uint64_t>(vertices) * stream.stride;
    if (end > buffer->Size()) return D3DERR_INVALIDCALL;
    DrawBatch batch;
    batch.vertices = buffer->Bytes() + first;
    batch.vertexCount = vertices;
    batch.stride = stream.stride;
    batch.buffer = buffer;
    batch.bufferOffset = static_cast<UINT>(first);
    return DrawVertices(primitiveType, primitiveCount, batch);
}

HRESULT DeviceCore::DrawPrimitiveUP(D3DPRIMITIVETYPE primitiveType, UINT primitiveCount,
                                    const void* vertexStreamZeroData, UINT vertexStreamZeroStride) {
    if (HRESULT hr = Observe("IDirect3DDevice9::DrawPrimitiveUP",
                             FormatArguments(primitiveType, primitiveCount, vertexStreamZeroData,
                                             vertexStreamZeroStride));
        FAILED(hr)) {
        return hr;
    }
    const UINT vertices = VerticesOf(primitiveType, primitiveCount);
    if (vertices == 0 || vertexStreamZeroData == nullptr || vertexStreamZeroStride == 0) return D3DERR_INVALIDCALL;
    DrawBatch batch;
    batch.vertices = static_cast<const BYTE*>(vertexStreamZeroData);
    batch.vertexCount = vertices;
    batch.stride = vertexStreamZeroStride;
    const HRESULT hr = DrawVertices(primitiveType, primitiveCount, batch);
    // As the runtime does, the user-memory draw leaves stream 0 unset.
    state_.streams[0] = StreamSource{};
    return hr;
}

HRESULT DeviceCore::DrawIndexedPrimitiveUP(D3DPRIMITIVETYPE primitiveType, UINT minVertexIndex, UINT numVertices,
                                           UINT primitiveCount, const void* indexData, D3DFORMAT indexDataFormat,
                                           const void* vertexStreamZeroData, UINT vertexStreamZeroStride) {
    if (HRESULT hr = Observe("IDirect3DDevice9::DrawIndexedPrimitiveUP",
                             FormatArguments(primitiveType, minVertexIndex, numVertices, primitiveCount, indexData,
                                             indexDataFormat, vertexStreamZeroData, vertexStreamZeroStride));
        FAILED(hr)) {
        return hr;
    }
    const UINT indices = VerticesOf(primitiveType, primitiveCount);
    if (indices == 0 || indexData == nullptr || vertexStreamZeroData == nullptr || vertexStreamZeroStride == 0 ||
        numVertices == 0 || (indexDataFormat != D3DFMT_INDEX16 && indexDataFormat != D3DFMT_INDEX32)) {
        return D3DERR_INVALIDCALL;
    }
    // Indices are checked against the stated range so the renderer never
    // reads beyond the caller's vertices.
    const UINT limit = minVertexIndex + numVertices;
    for (UINT i = 0; i < indices; ++i) {
        const UINT index = indexDataFormat == D3DFMT_INDEX16 ? static_cast<const WORD*>(indexData)[i]
                                                             : static_cast<const DWORD*>(indexData)[i];
        if (index < minVertexIndex || index >= limit) return D3DERR_INVALIDCALL;
    }
    DrawBatch batch;
    batch.vertices = static_cast<const BYTE*>(vertexStreamZeroData);
    batch.vertexCount = limit;
    batch.stride = vertexStreamZeroStride;
    batch.indices = indexData;
    batch.indexFormat = indexDataFormat;
    batch.indexCount = indices;
    const HRESULT hr = DrawVertices(primitiveType, primitiveCount, batch);
    state_.streams[0] = StreamSource{};
    return hr;
}

HRESULT DeviceCore::CreateVertexDeclaration(const D3DVERTEXELEMENT9* vertexElements,
                                            IDirect3DVertexDeclaration9** declaration) {
    if (HRESULT hr = Observe("IDirect3DDevice9::CreateVertexDeclaration", FormatArguments(vertexElements));
        FAILED(hr)) {
        return hr;
    }
    if (vertexElements == nullptr || declaration == nullptr) return D3DERR_INVALIDCALL;
    *declaration = nullptr;
    VertexDeclarationObject* created = VertexDeclarationObject::FromElements(this, vertexElements);
    if (created == nullptr) return D3DERR_INVALIDCALL;
    *declaration = created;
    return D3D_OK;
}

HRESULT DeviceCore::SetVertexDeclaration(IDirect3DVertexDeclaration9* declaration) {
    if (HRESULT hr = Observe("IDirect3DDevice9::SetVertexDeclaration", FormatArguments(declaration)); FAILED(hr)) {
        return hr;
    }
    auto* object = static_cast<VertexDeclarationObject*>(declaration);
    DeviceState& target = WriteTarget();
    target.declaration.Reset(object);
    if (object != nullptr) target.fvf = object->Fvf();
    if (StateMask* mask = RecordMask()) mask->vertexFormat = true;
    return D3D_OK;
}

HRESULT DeviceCore::GetVertexDeclaration(IDirect3DVertexDeclaration9** declaration) {
    if (HRESULT hr = Observe("IDirect3DDevice9::GetVertexDeclaration", {}); FAILED(hr)) return hr;
    if (declaration == nullptr) return D3DERR_INVALIDCALL;
    *declaration = nullptr;
    if (!state_.declaration && state_.fvf != 0) {
        // A format set through SetFVF has a declaration too; make it on demand.
        VertexDeclarationObject* made = VertexDeclarationObject::FromFvf(this, state_.fvf);
        if (made == nullptr) return E_OUTOFMEMORY;
        state_.declaration.Reset(made);
        *declaration = made;  // the creation reference goes to the caller
        return D3D_OK;
    }
    VertexDeclarationObject* bound = state_.declaration.Get();
    if (bound != nullptr) bound->AddRef();
    *declaration = bound;
    return D3D_OK;
}

HRESULT DeviceCore::SetFVF(DWORD fvf) {
    if (HRESULT hr = Observe("IDirect3DDevice9::SetFVF", FormatArguments(fvf)); FAILED(hr)) return hr;
    DeviceState& target = WriteTarget();
    target.fvf = fvf;
    target.declaration.Reset(nullptr);
    if (StateMask* mask = RecordMask()) mask->vertexFormat = true;
    return D3D_OK;
}

HRESULT DeviceCore::GetFVF(DWORD* fvf) {
    if (HRESULT hr = Observe("IDirect3DDevice9::GetFVF", {}); FAILED(hr)) return hr;
    if (fvf == nullptr) return D3DERR_INVALIDCALL;
    *fvf = CurrentFvf();
    return D3D_OK;
}

HRESULT DeviceCore::SetVertexShader(IDirect3DVertexShader9* shader) {
    if (HRESULT hr = Observe("IDirect3DDevice9::SetVertexShader", FormatArguments(shader)); FAILED(hr)) return hr;
    if (shader != nullptr) return D3DERR_INVALIDCALL;  // this layer makes no shader objects
    WriteTarget().vertexShader = nullptr;
    if (StateMask* mask = RecordMask()) mask->vertexShader = true;
    return D3D_OK;
}

HRESULT DeviceCore::GetVertexShader(IDirect3DVertexShader9** shader) {
    if (shader == nullptr) return D3DERR_INVALIDCALL;
    *shader = nullptr;
    return Observe("IDirect3DDevice9::GetVertexShader", {});
}

HRESULT DeviceCore::SetPixelShader(IDirect3DPixelShader9* shader) {
    if (HRESULT hr = Observe("IDirect3DDevice9::SetPixelShader", FormatArguments(shader)); FAILED(hr)) return hr;
    if (shader != nullptr) return D3DERR_INVALIDCALL;
    WriteTarget().pixelShader = nullptr;
    if (StateMask* mask = RecordMask()) mask->pixelShader = true;
    return D3D_OK;
}

HRESULT DeviceCore::GetPixelShader(IDirect3DPixelShader9** shader) {
    if (shader == nullptr) return D3DERR_INVALIDCALL;
    *shader = nullptr;
    return Observe("IDirect3DDevice9::GetPixelShader", {});
}

HRESULT DeviceCore::SetStreamSource(UINT streamNumber, IDirect3DVertexBuffer9* streamData, UINT offsetInBytes,
                                    UINT stride) {
    if (HRESULT hr = Observe("IDirect3DDevice9::SetStreamSource",
                             FormatArguments(streamNumber, streamData, offsetInBytes, stride));
        FAILED(hr)) {
        return hr;
    }
    if (streamNumber >= kStreamSlots || streamNumber >= creation_.caps.MaxStreams ||
        stride > creation_.caps.MaxStreamStride) {
        return D3DERR_INVALIDCALL;
    }
    auto* buffer = static_cast<VertexBufferObject*>(streamData);
    if (buffer != nullptr && buffer->Owner() != this) return D3DERR_INVALIDCALL;
    StreamSource& stream = WriteTarget().streams[streamNumber];
    stream.buffer.Reset(buffer);
    stream.offset = offsetInBytes;
    stream.stride = stride;
    if (StateMask* mask = RecordMask()) mask->streams.set(streamNumber);
    return D3D_OK;
}

HRESULT DeviceCore::GetStreamSource(UINT streamNumber, IDirect3DVertexBuffer9** streamData, UINT* offsetInBytes,
                                    UINT* stride) {
    if (HRESULT hr = Observe("IDirect3DDevice9::GetStreamSource", FormatArguments(streamNumber)); FAILED(hr)) {
        return hr;
    }
    if (streamData == nullptr || offsetInBytes == nullptr || stride == nullptr || streamNumber >= kStreamSlots) {
        return D3DERR_INVALIDCALL;
    }
    const StreamSource& stream = state_.streams[streamNumber];
    VertexBufferObject* buffer = stream.buffer.Get();
    if (buffer != nullptr) buffer->AddRef();
    *streamData = buffer;
    *offsetInBytes = stream.offset;
    *stride = stream.stride;
    return D3D_OK;
}

}  // namespace ondrel::graphics

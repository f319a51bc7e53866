// The cursor in full screen: the class cursor as the device's hardware
// cursor, and the cursor kept inside the full-screen window.

#include "framework/Framework.h"
#include "framework/FrameworkState.h"

namespace ondrel::framework {

HRESULT SetDeviceCursor(IDirect3DDevice9* device, HCURSOR cursor) {
    if (device == nullptr) return E_INVALIDARG;
    // The platform hands out the picture as upright 32-bit ARGB with a
    // transparent outside, which is what the device's cursor surface wants.
    CursorImage image{};
    if (GetCursorImage(cursor, &image) == FALSE) return E_FAIL;
    IDirect3DSurface9* surface = nullptr;
    HRESULT status = device->CreateOffscreenPlainSurface(CursorImage::kSize, CursorImage::kSize, D3DFMT_A8R8G8B8,
                                                         D3DPOOL_SCRATCH, &surface, nullptr);
    if (FAILED(status)) return status;
    D3DLOCKED_RECT locked{};
    status = surface->LockRect(&locked, nullptr, 0);
    if (SUCCEEDED(status)) {
        for (int row = 0; row < CursorImage::kSize; ++row) {
            auto* target = reinterpret_cast<DWORD*>(static_cast<BYTE*>(locked.pBits) + row * locked.Pitch);
            for (int column = 0; column < CursorImage::kSize; ++column) {
                target[column] = image.pixels[row * CursorImage::kSize + column];
            }
        }
        surface->UnlockRect();
        status = device->SetCursorProperties(image.xHotspot, image.yHotspot, surface);
    }
    surface->Release();
    return status;
}

void SetupFullScreenCursor() {
    FrameworkState& state = State();
    IDirect3DDevice9* device = state.Get(&StateFields::device);
    bool windowed = IsWindowed();
    if (device != nullptr && state.Get(&StateFields::showCursorWhenFullScreen) && !windowed) {
        HWND window = state.Get(&StateFields::deviceWindowFullScreen);
        auto classCursor = reinterpret_cast<HCURSOR>(GetClassLongPtrW(window, GCLP_HCURSOR));
        SetDeviceCursor(device, classCursor);
        device->ShowCursor(TRUE);
    }
    if (!state.Get(&StateFields::clipCursorWhenFullScreen)) return;
    if (windowed) {
        ClipCursor(nullptr);
        return;
    }
    RECT bounds{};
    GetWindowRect(state.Get(&StateFields::deviceWindowFullScreen), &bounds);
    ClipCursor(&bounds);
}

}  // namespace ondrel::framework

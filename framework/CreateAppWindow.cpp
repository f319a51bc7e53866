// The framework's one window: class, size from the command line, title.

#include "framework/Framework.h"
#include "framework/FrameworkState.h"

namespace ondrel::framework {

namespace {

constexpr int kDefaultClientWidth = 640;
constexpr int kDefaultClientHeight = 480;

HRESULT EnsureInit() {
    FrameworkState& state = State();
    if (state.Get(&StateFields::inited)) return S_OK;
    if (state.Get(&StateFields::initCalled)) return E_FAIL;
    return Init(true, true, true);
}

HICON ProgramIcon(HINSTANCE instance) {
    WCHAR path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return ExtractIconW(instance, path, 0);
}

HRESULT RegisterWindowClass(HINSTANCE instance, HICON icon) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = kWindowClassName;
    if (RegisterClassExW(&windowClass) == 0) {
        DWORD error = GetLastError();
        if (error != ERROR_CLASS_ALREADY_EXISTS) return HRESULT_FROM_WIN32(error);
    }
    return S_OK;
}

}  // namespace

HRESULT CreateAppWindow(LPCWSTR title, HINSTANCE instance, HICON icon, HMENU menu, int x, int y) {
    FrameworkState& state = State();
    if (state.Get(&StateFields::insideDeviceCallback)) return E_FAIL;
    state.Set(&StateFields::windowCreateCalled, true);
    if (HRESULT status = EnsureInit(); FAILED(status)) return status;
    if (state.Get(&StateFields::focusWindow) != nullptr) return S_OK;

    if (instance == nullptr) instance = GetModuleHandleW(nullptr);
    if (icon == nullptr) icon = ProgramIcon(instance);
    if (HRESULT status = RegisterWindowClass(instance, icon); FAILED(status)) return status;

    state.Set(&StateFields::windowedStyle, WS_OVERLAPPEDWINDOW);
    if (int startX = state.Get(&StateFields::overrideStartX); startX != -1) x = startX;
    if (int startY = state.Get(&StateFields::overrideStartY); startY != -1) y = startY;
    state.Set(&StateFields::centerWindowOnMonitor, x == CW_USEDEFAULT && y == CW_USEDEFAULT);

    int width = state.Get(&StateFields::overrideWidth);
    int height = state.Get(&StateFields::overrideHeight);
    RECT outer{0, 0, width != 0 ? width : kDefaultClientWidth, height != 0 ? height : kDefaultClientHeight};
    AdjustWindowRect(&outer, WS_OVERLAPPEDWINDOW, menu != nullptr ? TRUE : FALSE);

    wcscpy_s(state.Address(&StateFields::windowTitle), kStateTextLength, title);
    HWND window = CreateWindowExW(0, kWindowClassName, state.Address(&StateFields::windowTitle),
                                  WS_OVERLAPPEDWINDOW, x, y, outer.right - outer.left, outer.bottom - outer.top,
                                  nullptr, menu, instance, nullptr);
    if (window == nullptr) return HRESULT_FROM_WIN32(GetLastError());

    RECT client{};
    RECT bounds{};
    GetClientRect(window, &client);
    GetWindowRect(window, &bounds);
    state.Set(&StateFields::windowedClientRect, client);
    state.Set(&StateFields::windowedWindowRect, bounds);
    state.Set(&StateFields::windowCreated, true);
    state.Set(&StateFields::focusWindow, window);
    state.Set(&StateFields::deviceWindowFullScreen, window);
    state.Set(&StateFields::deviceWindowWindowed, window);
    return S_OK;
}

}  // namespace ondrel::framework

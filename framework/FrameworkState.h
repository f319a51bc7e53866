#pragma once
// Everything the framework knows, in one process-wide object. Fields are
// reached only through Get / Set / Address, which enter stateLock while the
// thread-safe switch is on (a device created multithreaded may be used from
// other threads). The lock never covers more than one field access, so it is
// never held across a callback or a platform call.

#include <atomic>
#include <memory>

#include "framework/DeviceSettings.h"
#include "framework/DeviceSteps.h"
#include "framework/FrameworkCallbacks.h"
#include "platform/d3d9/D3D9.h"
#include "platform/win32/Windows.h"

namespace ondrel::devicesettings {
class DeviceEnumeration;
}

namespace ondrel::framework {

inline constexpr int kStateTextLength = 256;

// The fields, by group, in declaration order. Zero unless a default is given.
struct StateFields {
    // Direct3D objects
    IDirect3D9* direct3d = nullptr;
    IDirect3DDevice9* device = nullptr;
    devicesettings::DeviceEnumeration* enumeration = nullptr;
    DeviceSettings* currentSettings = nullptr;  // heap copy owned by the state
    D3DSURFACE_DESC backBufferSurfaceDesc{};
    D3DCAPS9 caps{};

    // Windows
    HWND focusWindow = nullptr;
    HWND deviceWindowFullScreen = nullptr;
    HWND deviceWindowWindowed = nullptr;
    HMONITOR adapterMonitor = nullptr;
    DWORD windowedStyle = 0;
    RECT windowedClientRect{};
    RECT fullScreenClientRect{};
    RECT windowedWindowRect{};
    HMENU savedMenu = nullptr;

    // Timing
    double time = 0.0;
    float elapsedTime = 0.0f;
    double lastStatsUpdateTime = 0.0;
    DWORD framesSinceStatsUpdate = 0;
    float framesPerSecond = 0.0f;
    int frameNumber = 0;
    bool constantFrameTime = false;
    float timePerFrame = 0.0f;

    // Switches
    bool handleDefaultHotkeys = false;
    bool showMessageBoxesOnError = true;
    bool clipCursorWhenFullScreen = false;
    bool showCursorWhenFullScreen = false;
    bool wireframe = false;
    bool autoChangeAdapter = true;
    bool centerWindowOnMonitor = false;

    // Lifecycle
    int exitCode = 0;
    bool inited = false;
    bool windowCreated = false;
    bool deviceCreated = false;
    bool initCalled = false;
    bool windowCreateCalled = false;
    bool deviceCreateCalled = false;
    bool deviceObjectsCreated = false;
    bool deviceObjectsReset = false;
    bool insideDeviceCallback = false;
    bool insideMainLoop = false;
    bool active = true;
    bool timePaused = false;
    bool renderingPaused = false;
    int pauseTimeCount = 0;
    int pauseRenderingCount = 0;
    bool deviceLost = false;
    bool minimized = false;
    bool maximized = false;
    bool ignoreSizeChange = false;

    // Command-line overrides
    int overrideAdapterOrdinal = -1;
    bool overrideWindowed = false;
    bool overrideFullScreen = false;
    int overrideStartX = -1;
    int overrideStartY = -1;
    int overrideWidth = 0;
    int overrideHeight = 0;
    bool overrideForceHAL = false;
    bool overrideForceREF = false;
    bool overrideForcePureHWVP = false;
    bool overrideForceHWVP = false;
    bool overrideForceSWVP = false;
    bool overrideConstantFrameTime = false;
    float overrideConstantTimePerFrame = 0.0f;
    int overrideQuitAfterFrame = 0;

    // Callbacks
    AcceptDeviceCallback acceptDeviceCallback = nullptr;
    AdjustDeviceSettingsCallback adjustDeviceSettingsCallback = nullptr;
    DeviceCreatedCallback deviceCreatedCallback = nullptr;
    DeviceResetCallback deviceResetCallback = nullptr;
    DeviceLostCallback deviceLostCallback = nullptr;
    DeviceDestroyedCallback deviceDestroyedCallback = nullptr;
    FrameMoveCallback frameMoveCallback = nullptr;
    FrameRenderCallback frameRenderCallback = nullptr;
    KeyPressedCallback keyPressedCallback = nullptr;
    WindowMessageCallback windowMessageCallback = nullptr;

    // Settings dialog (made on first need by the installed maker)
    SettingsDialogSteps* settingsDialog = nullptr;
    bool settingsDialogShown = false;

    // The parts above the framework that follow the device
    ResourceManagerSteps* resourceManager = nullptr;
    SettingsDialogMaker settingsDialogMaker = nullptr;

    // Text buffers, always terminated within the buffer
    WCHAR staticFrameStats[kStateTextLength]{};
    WCHAR frameStats[kStateTextLength]{};
    WCHAR windowTitle[kStateTextLength]{};
};

class FrameworkState {
public:
    FrameworkState();
    ~FrameworkState();
    FrameworkState(const FrameworkState&) = delete;
    FrameworkState& operator=(const FrameworkState&) = delete;

    template <class T>
    T Get(T StateFields::*field) {
        Guard guard(*this);
        return fields_.*field;
    }
    template <class T, class U>
    void Set(T StateFields::*field, U&& value) {
        Guard guard(*this);
        fields_.*field = static_cast<T>(std::forward<U>(value));
    }
    // Arrays and text: the lock covers taking the address only.
    template <class T>
    T* Address(T StateFields::*field) {
        Guard guard(*this);
        return &(fields_.*field);
    }
    template <class T, std::size_t N>
    T* Address(T (StateFields::*field)[N]) {
        Guard guard(*this);
        return fields_.*field;
    }

    bool ThreadSafe() const { return threadSafe_.load(); }
    void SetThreadSafe(bool on) { threadSafe_.store(on); }

    // For tests of the locking rule: hold stateLock from outside.
    void EnterLock();
    void LeaveLock();

private:
    class Guard {
    public:
        explicit Guard(FrameworkState& state);
        ~Guard();
        Guard(const Guard&) = delete;
        Guard& operator=(const Guard&) = delete;

    private:
        FrameworkState* locked_;
    };

    StateFields fields_;
    std::atomic<bool> threadSafe_{true};
    CRITICAL_SECTION stateLock_{};
};

// The single instance, made on first use.
FrameworkState& State();
// Forgets the instance (without releasing anything it points at); the next
// State() starts from the defaults. For tests.
void ResetFrameworkState();

}  // namespace ondrel::framework

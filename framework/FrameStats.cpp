// The statistics line: a fixed part per device and the rate once a second.

#include "framework/FrameStats.h"

#include "framework/FrameTimer.h"
#include "framework/FrameworkState.h"

namespace ondrel::framework {

namespace {

constexpr std::size_t kFormatPartLength = 100;

void ComposeFormatPart(const DeviceSettings& settings, WCHAR* out) {
    D3DFORMAT backBuffer = settings.presentParameters.BackBufferFormat;
    if (backBuffer != settings.adapterFormat) {
        swprintf_s(out, kFormatPartLength, u"backbuf %s, adapter %s", FormatName(backBuffer, false),
                   FormatName(settings.adapterFormat, false));
    } else {
        swprintf_s(out, kFormatPartLength, u"%s", FormatName(backBuffer, false));
    }
}

void ComposeDepthPart(const DeviceSettings& settings, WCHAR* out, std::size_t capacity) {
    out[0] = u'\0';
    if (settings.presentParameters.EnableAutoDepthStencil == FALSE) return;
    swprintf_s(out, capacity, u" (%s)", FormatName(settings.presentParameters.AutoDepthStencilFormat, false));
}

void ComposeMultisamplePart(const DeviceSettings& settings, WCHAR* out, std::size_t capacity) {
    out[0] = u'\0';
    DWORD type = settings.presentParameters.MultiSampleType;
    if (type == 1) swprintf_s(out, capacity, u" (Nonmaskable Multisample)");
    else if (type >= 2) swprintf_s(out, capacity, u" (%dx Multisample)", static_cast<int>(type));
}

}  // namespace

// The combo of the current settings has the settings' adapter and
// back-buffer formats, so the text is composed from the settings.
void BuildStaticFrameStats() {
    DeviceSettings* settings = State().Get(&StateFields::currentSettings);
    if (settings == nullptr) return;
    WCHAR formatPart[kFormatPartLength];
    WCHAR depthPart[64];
    WCHAR multisamplePart[64];
    ComposeFormatPart(*settings, formatPart);
    ComposeDepthPart(*settings, depthPart, 64);
    ComposeMultisamplePart(*settings, multisamplePart, 64);
    swprintf_s(State().Address(&StateFields::staticFrameStats), kStateTextLength, u"%%.02f fps (%dx%d), %s%s%s",
               static_cast<int>(settings->presentParameters.BackBufferWidth),
               static_cast<int>(settings->presentParameters.BackBufferHeight), formatPart, depthPart,
               multisamplePart);
}

void UpdateFrameStats() {
    FrameworkState& state = State();
    double now = GetGlobalTimer().CounterTime();
    DWORD frames = state.Get(&StateFields::framesSinceStatsUpdate) + 1;
    state.Set(&StateFields::framesSinceStatsUpdate, frames);
    double since = now - state.Get(&StateFields::lastStatsUpdateTime);
    if (since <= 1.0) return;
    float fps = static_cast<float>(frames / since);
    state.Set(&StateFields::framesPerSecond, fps);
    state.Set(&StateFields::lastStatsUpdateTime, now);
    state.Set(&StateFields::framesSinceStatsUpdate, DWORD{0});
    swprintf_s(state.Address(&StateFields::frameStats), kStateTextLength,
               state.Address(&StateFields::staticFrameStats), static_cast<double>(fps));
}

}  // namespace ondrel::framework

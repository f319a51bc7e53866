#include "platform/win32/WinTime.h"

#include "platform/win32/PlatformServices.h"

using ondrel::platform::Services;

BOOL QueryPerformanceCounter(LARGE_INTEGER* counter) {
    if (counter == nullptr) return FALSE;
    counter->QuadPart = Services().PerformanceCounter();
    return TRUE;
}

BOOL QueryPerformanceFrequency(LARGE_INTEGER* frequency) {
    if (frequency == nullptr) return FALSE;
    frequency->QuadPart = Services().PerformanceFrequency();
    return frequency->QuadPart > 0 ? TRUE : FALSE;
}

DWORD timeGetTime() { return Services().Milliseconds(); }

UINT timeBeginPeriod(UINT periodMs) { return periodMs == 0 ? TIMERR_NOCANDO : TIMERR_NOERROR; }

UINT timeEndPeriod(UINT periodMs) { return periodMs == 0 ? TIMERR_NOCANDO : TIMERR_NOERROR; }

void Sleep(DWORD milliseconds) { Services().SleepFor(milliseconds); }

ULONGLONG GetTickCount64() {
    std::int64_t frequency = Services().PerformanceFrequency();
    if (frequency <= 0) return Services().Milliseconds();
    return static_cast<ULONGLONG>(Services().PerformanceCounter() / (frequency / 1000 > 0 ? frequency / 1000 : 1));
}

DWORD GetTickCount() { return Services().Milliseconds(); }

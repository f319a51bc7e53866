#pragma once
// Clocks and sleeping.

#include "platform/win32/WinTypes.h"

inline constexpr UINT TIMERR_NOERROR = 0;
inline constexpr UINT TIMERR_NOCANDO = 97;

BOOL QueryPerformanceCounter(LARGE_INTEGER* counter);
BOOL QueryPerformanceFrequency(LARGE_INTEGER* frequency);
// Milliseconds since an arbitrary start; wraps around after 2^32.
DWORD timeGetTime();
// The clock is always as fine as it gets; these only report success.
UINT timeBeginPeriod(UINT periodMs);
UINT timeEndPeriod(UINT periodMs);
void Sleep(DWORD milliseconds);
ULONGLONG GetTickCount64();
DWORD GetTickCount();

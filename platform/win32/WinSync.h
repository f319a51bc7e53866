#pragma once
// Re-entrant critical sections.

#include "platform/win32/WinTypes.h"

struct CRITICAL_SECTION {
    // Owned by the section between Initialize and Delete.
    void* lock;
    LONG RecursionCount;
    DWORD SpinCount;
};

BOOL InitializeCriticalSectionAndSpinCount(CRITICAL_SECTION* section, DWORD spinCount);
void InitializeCriticalSection(CRITICAL_SECTION* section);
void EnterCriticalSection(CRITICAL_SECTION* section);
BOOL TryEnterCriticalSection(CRITICAL_SECTION* section);
void LeaveCriticalSection(CRITICAL_SECTION* section);
void DeleteCriticalSection(CRITICAL_SECTION* section);

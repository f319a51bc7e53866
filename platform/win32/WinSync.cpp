#include "platform/win32/WinSync.h"

#include <mutex>

namespace {

std::recursive_mutex& LockOf(CRITICAL_SECTION* section) { return *static_cast<std::recursive_mutex*>(section->lock); }

}  // namespace

BOOL InitializeCriticalSectionAndSpinCount(CRITICAL_SECTION* section, DWORD spinCount) {
    if (section == nullptr) return FALSE;
    section->lock = new std::recursive_mutex;
    section->RecursionCount = 0;
    section->SpinCount = spinCount;
    return TRUE;
}

void InitializeCriticalSection(CRITICAL_SECTION* section) { InitializeCriticalSectionAndSpinCount(section, 0); }

void EnterCriticalSection(CRITICAL_SECTION* section) {
    LockOf(section).lock();
    ++section->RecursionCount;
}

BOOL TryEnterCriticalSection(CRITICAL_SECTION* section) {
    if (!LockOf(section).try_lock()) return FALSE;
    ++section->RecursionCount;
    return TRUE;
}

void LeaveCriticalSection(CRITICAL_SECTION* section) {
    --section->RecursionCount;
    LockOf(section).unlock();
}

void DeleteCriticalSection(CRITICAL_SECTION* section) {
    if (section == nullptr || section->lock == nullptr) return;
    delete static_cast<std::recursive_mutex*>(section->lock);
    section->lock = nullptr;
}

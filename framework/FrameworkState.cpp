#include "framework/FrameworkState.h"

namespace ondrel::framework {

FrameworkState::FrameworkState() { InitializeCriticalSection(&stateLock_); }

FrameworkState::~FrameworkState() {
    delete fields_.currentSettings;
    DeleteCriticalSection(&stateLock_);
}

void FrameworkState::EnterLock() { EnterCriticalSection(&stateLock_); }
void FrameworkState::LeaveLock() { LeaveCriticalSection(&stateLock_); }

FrameworkState::Guard::Guard(FrameworkState& state) : locked_(state.ThreadSafe() ? &state : nullptr) {
    if (locked_ != nullptr) locked_->EnterLock();
}

FrameworkState::Guard::~Guard() {
    if (locked_ != nullptr) locked_->LeaveLock();
}

namespace {

std::unique_ptr<FrameworkState>& Instance() {
    static std::unique_ptr<FrameworkState> instance;
    return instance;
}

}  // namespace

FrameworkState& State() {
    auto& instance = Instance();
    if (!instance) instance = std::make_unique<FrameworkState>();
    return *instance;
}

void ResetFrameworkState() { Instance().reset(); }

}  // namespace ondrel::framework

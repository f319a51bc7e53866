#include "platform/win32/MessageQueue.h"

#include <algorithm>

namespace ondrel::platform {

bool MessageFilter::Accepts(const MSG& message) const {
    if (window != nullptr && message.hwnd != window) return false;
    if (first == 0 && last == 0) return true;
    return message.message >= first && message.message <= last;
}

void MessageQueue::Post(MSG message) { messages_.push_back(message); }

void MessageQueue::PostNext(MSG message) { messages_.push_front(message); }

void MessageQueue::PostWithCharacters(MSG message, std::u16string characters) {
    message.lPrivate = 0;
    if (!characters.empty()) {
        message.lPrivate = nextTicket_++;
        characters_[message.lPrivate] = std::move(characters);
    }
    messages_.push_back(message);
}

bool MessageQueue::AppendCharactersToPendingKey(HWND window, const std::u16string& text) {
    auto newestKey = std::find_if(messages_.rbegin(), messages_.rend(), [&](const MSG& m) {
        return m.hwnd == window && (m.message == WM_KEYDOWN || m.message == WM_SYSKEYDOWN);
    });
    if (newestKey == messages_.rend()) return false;
    if (newestKey->lPrivate == 0) newestKey->lPrivate = nextTicket_++;
    characters_[newestKey->lPrivate] += text;
    return true;
}

std::u16string MessageQueue::TakeCharacters(DWORD ticket) {
    auto found = characters_.find(ticket);
    if (found == characters_.end()) return {};
    std::u16string text = std::move(found->second);
    characters_.erase(found);
    return text;
}

std::optional<MSG> MessageQueue::Fetch(const MessageFilter& filter, bool remove) {
    auto match = std::find_if(messages_.begin(), messages_.end(),
                              [&](const MSG& m) { return filter.Accepts(m); });
    if (match == messages_.end()) return std::nullopt;
    MSG message = *match;
    if (remove) messages_.erase(match);
    return message;
}

void MessageQueue::RemoveAllFor(HWND window) {
    for (auto it = messages_.begin(); it != messages_.end();) {
        if (it->hwnd == window) {
            if (it->lPrivate != 0) characters_.erase(it->lPrivate);
            if (it->message == WM_ONDREL_DROPFILE) droppedPaths_.erase(it->wParam);
            it = messages_.erase(it);
        } else {
            ++it;
        }
    }
}

void MessageQueue::PostQuit(int exitCode) {
    quitPosted_ = true;
    quitCode_ = exitCode;
}

std::optional<int> MessageQueue::FetchQuit(const MessageFilter& filter, bool remove) {
    if (!quitPosted_) return std::nullopt;
    MSG probe{};
    probe.message = WM_QUIT;
    MessageFilter anyWindow = filter;
    anyWindow.window = nullptr;
    if (!anyWindow.Accepts(probe)) return std::nullopt;
    if (remove) quitPosted_ = false;
    return quitCode_;
}

WPARAM MessageQueue::AddDroppedPath(std::u16string path) {
    WPARAM drop = nextDrop_++;
    droppedPaths_[drop] = std::move(path);
    return drop;
}

const std::u16string* MessageQueue::DroppedPath(WPARAM drop) const {
    auto found = droppedPaths_.find(drop);
    return found == droppedPaths_.end() ? nullptr : &found->second;
}

void MessageQueue::ReleaseDroppedPath(WPARAM drop) { droppedPaths_.erase(drop); }

}  // namespace ondrel::platform

#pragma once
// The thread's message queue: posted and input messages in order, the quit
// request, the characters waiting for TranslateMessage and the paths of
// dropped files.

#include <deque>
#include <map>
#include <optional>
#include <string>

#include "platform/win32/WinMessages.h"

namespace ondrel::platform {

struct MessageFilter {
    HWND window = nullptr;
    UINT first = 0;
    UINT last = 0;

    bool Accepts(const MSG& message) const;
};

class MessageQueue {
public:
    void Post(MSG message);
    // Queued ahead of everything else (characters made by TranslateMessage).
    void PostNext(MSG message);
    void PostWithCharacters(MSG message, std::u16string characters);
    // Adds text to the newest key-down still queued for window; false if none.
    bool AppendCharactersToPendingKey(HWND window, const std::u16string& text);
    std::u16string TakeCharacters(DWORD ticket);

    std::optional<MSG> Fetch(const MessageFilter& filter, bool remove);
    void RemoveAllFor(HWND window);
    bool Empty() const { return messages_.empty(); }

    void PostQuit(int exitCode);
    std::optional<int> FetchQuit(const MessageFilter& filter, bool remove);

    WPARAM AddDroppedPath(std::u16string path);
    const std::u16string* DroppedPath(WPARAM drop) const;
    void ReleaseDroppedPath(WPARAM drop);

    DWORD lastMessageTime = 0;

private:
    std::deque<MSG> messages_;
    std::map<DWORD, std::u16string> characters_;
    DWORD nextTicket_ = 1;
    std::map<WPARAM, std::u16string> droppedPaths_;
    WPARAM nextDrop_ = 1;
    bool quitPosted_ = false;
    int quitCode_ = 0;
};

}  // namespace ondrel::platform

#include "platform/win32/WinClipboard.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "platform/win32/PlatformSession.h"
#include "platform/win32/WinError.h"

using ondrel::platform::Services;
using ondrel::platform::Session;

namespace {

struct GlobalBlock {
    std::vector<std::byte> bytes;
    int locks = 0;
};

GlobalBlock* BlockOf(HGLOBAL memory) { return static_cast<GlobalBlock*>(memory); }

// The text of a CF_UNICODETEXT block: up to its terminator or its end.
std::u16string TextOf(const GlobalBlock& block) {
    std::size_t units = block.bytes.size() / sizeof(char16_t);
    std::u16string text(units, u'\0');
    std::memcpy(text.data(), block.bytes.data(), units * sizeof(char16_t));
    text.resize(std::min(text.find(u'\0'), text.size()));
    return text;
}

HGLOBAL BlockWithText(const std::u16string& text) {
    SIZE_T bytes = (text.size() + 1) * sizeof(char16_t);
    HGLOBAL memory = GlobalAlloc(GHND, bytes);
    if (memory != nullptr) std::memcpy(BlockOf(memory)->bytes.data(), text.c_str(), bytes);
    return memory;
}

bool RequireOpen() {
    if (Session().Clipboard().open) return true;
    SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
    return false;
}

}  // namespace

HGLOBAL GlobalAlloc(UINT, SIZE_T bytes) {
    auto* block = new (std::nothrow) GlobalBlock;
    if (block == nullptr) return nullptr;
    try {
        block->bytes.assign(bytes, std::byte{0});
    } catch (const std::bad_alloc&) {
        delete block;
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    return block;
}

LPVOID GlobalLock(HGLOBAL memory) {
    if (memory == nullptr) return nullptr;
    GlobalBlock* block = BlockOf(memory);
    ++block->locks;
    return block->bytes.data();
}

BOOL GlobalUnlock(HGLOBAL memory) {
    if (memory == nullptr) return FALSE;
    GlobalBlock* block = BlockOf(memory);
    if (block->locks > 0) --block->locks;
    return block->locks > 0 ? TRUE : FALSE;
}

SIZE_T GlobalSize(HGLOBAL memory) { return memory ? BlockOf(memory)->bytes.size() : 0; }

HGLOBAL GlobalFree(HGLOBAL memory) {
    delete BlockOf(memory);
    return nullptr;
}

BOOL OpenClipboard(HWND owner) {
    auto& clipboard = Session().Clipboard();
    if (clipboard.open) return FALSE;
    clipboard.open = true;
    clipboard.owner = owner;
    return TRUE;
}

BOOL CloseClipboard() {
    auto& clipboard = Session().Clipboard();
    if (!RequireOpen()) return FALSE;
    for (HGLOBAL block : clipboard.lent) GlobalFree(block);
    clipboard.lent.clear();
    clipboard.open = false;
    clipboard.owner = nullptr;
    return TRUE;
}

BOOL EmptyClipboard() {
    if (!RequireOpen()) return FALSE;
    return Services().SetClipboardText(u"") ? TRUE : FALSE;
}

HANDLE SetClipboardData(UINT format, HANDLE memory) {
    if (!RequireOpen()) return nullptr;
    if (format != CF_UNICODETEXT || memory == nullptr) {
        SetLastError(ERROR_NOT_SUPPORTED);
        return nullptr;
    }
    if (!Services().SetClipboardText(TextOf(*BlockOf(memory)))) return nullptr;
    GlobalFree(memory);
    return memory;
}

HANDLE GetClipboardData(UINT format) {
    if (!RequireOpen()) return nullptr;
    if (format != CF_UNICODETEXT) return nullptr;
    std::optional<std::u16string> text = Services().ClipboardText();
    if (!text) return nullptr;
    HGLOBAL block = BlockWithText(*text);
    if (block != nullptr) Session().Clipboard().lent.push_back(block);
    return block;
}

BOOL IsClipboardFormatAvailable(UINT format) {
    if (format != CF_UNICODETEXT) return FALSE;
    std::optional<std::u16string> text = Services().ClipboardText();
    return text && !text->empty() ? TRUE : FALSE;
}

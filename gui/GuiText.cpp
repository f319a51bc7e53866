#include "gui/GuiText.h"

namespace ondrel::gui {
namespace {
WCHAR FoldAscii(WCHAR c) { return c >= u'A' && c <= u'Z' ? static_cast<WCHAR>(c - u'A' + u'a') : c; }
}  // namespace

void CopyLimitedText(WCHAR* destination, int capacity, LPCWSTR source) {
    if (capacity <= 0) return;
    int copied = 0;
    if (source != nullptr) {
        while (copied < capacity - 1 && source[copied] != 0) {
            destination[copied] = source[copied];
            ++copied;
        }
    }
    destination[copied] = 0;
}

bool SameNameIgnoringCase(LPCWSTR a, LPCWSTR b, int maxChars) {
    for (int i = 0; i < maxChars; ++i) {
        if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
        if (a[i] == 0) return true;
    }
    return true;
}

int TextLength(LPCWSTR text) {
    int length = 0;
    while (text[length] != 0) ++length;
    return length;
}

}  // namespace ondrel::gui

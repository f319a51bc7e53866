#pragma once
// The mouse cursor: position, clipping, visibility counter, shape, and the
// caret blink time.

#include <cstdint>

#include "platform/win32/WinTypes.h"

// Standard cursor identifiers (MAKEINTRESOURCE values).
inline const LPCWSTR IDC_ARROW = reinterpret_cast<LPCWSTR>(std::uintptr_t{32512});
inline const LPCWSTR IDC_IBEAM = reinterpret_cast<LPCWSTR>(std::uintptr_t{32513});
inline const LPCWSTR IDC_WAIT = reinterpret_cast<LPCWSTR>(std::uintptr_t{32514});
inline const LPCWSTR IDC_CROSS = reinterpret_cast<LPCWSTR>(std::uintptr_t{32515});
inline const LPCWSTR IDC_SIZEALL = reinterpret_cast<LPCWSTR>(std::uintptr_t{32646});
inline const LPCWSTR IDC_HAND = reinterpret_cast<LPCWSTR>(std::uintptr_t{32649});

// Standard icon identifiers.
inline const LPCWSTR IDI_APPLICATION = reinterpret_cast<LPCWSTR>(std::uintptr_t{32512});

BOOL GetCursorPos(POINT* point);
BOOL SetCursorPos(int x, int y);
// Null frees the cursor.
BOOL ClipCursor(const RECT* rect);
BOOL GetClipCursor(RECT* rect);
// The display counter: the cursor shows while it is zero or above.
int ShowCursor(BOOL show);
// A null cursor hides it over the window. Returns the previous cursor.
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();
// Only the standard cursors (instance null) are available.
HCURSOR LoadCursorW(HINSTANCE instance, LPCWSTR name);
HICON LoadIconW(HINSTANCE instance, LPCWSTR name);
// The program's icon for index 0 of any file; null otherwise.
HICON ExtractIconW(HINSTANCE instance, LPCWSTR fileName, UINT index);
BOOL DestroyIcon(HICON icon);
UINT GetCaretBlinkTime();

// A cursor's picture for a hardware cursor: 32 x 32 pixels, A8R8G8B8 (alpha
// in the top byte), rows top to bottom; pixels outside the shape have alpha 0.
struct CursorImage {
    static constexpr int kSize = 32;
    DWORD pixels[kSize * kSize];
    DWORD xHotspot;
    DWORD yHotspot;
};

// Fills image with the cursor's picture; FALSE for a null cursor.
BOOL GetCursorImage(HCURSOR cursor, CursorImage* image);

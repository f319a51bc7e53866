#pragma once
// What an HMODULE points at: the program itself (library 0) or a library of
// the built-in table (WinLibraries.h).

struct PlatformModule {
    int library;
};

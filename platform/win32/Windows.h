#pragma once
// Everything Win32-shaped this platform offers, in one include.

#include "platform/win32/WinClipboard.h"
#include "platform/win32/WinCursor.h"
#include "platform/win32/WinDialogs.h"
#include "platform/win32/WinError.h"
#include "platform/win32/WinFiles.h"
#include "platform/win32/WinInput.h"
#include "platform/win32/WinLibraries.h"
#include "platform/win32/WinMessages.h"
#include "platform/win32/WinMonitor.h"
#include "platform/win32/WinRegistry.h"
#include "platform/win32/WinSync.h"
#include "platform/win32/WinTime.h"
#include "platform/win32/WinTypes.h"
#include "platform/win32/WinWindow.h"
#include "platform/win32/WideRuntime.h"

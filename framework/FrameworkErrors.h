#pragma once
// The framework's own status codes. ShowError turns each into an exit code
// and, for the listed ones, a message.

#include "platform/win32/WinTypes.h"

namespace ondrel::framework {

inline constexpr HRESULT NoDirect3D = MakeStatus(0x80040901u);
inline constexpr HRESULT NoCompatibleDevices = MakeStatus(0x80040902u);
inline constexpr HRESULT MediaNotFound = MakeStatus(0x80040903u);
inline constexpr HRESULT NonZeroRefCount = MakeStatus(0x80040904u);
inline constexpr HRESULT CreatingDevice = MakeStatus(0x80040905u);
inline constexpr HRESULT ResettingDevice = MakeStatus(0x80040906u);
inline constexpr HRESULT CreatingDeviceObjects = MakeStatus(0x80040907u);
inline constexpr HRESULT ResettingDeviceObjects = MakeStatus(0x80040908u);
inline constexpr HRESULT IncorrectVersion = MakeStatus(0x80040909u);
inline constexpr HRESULT SwitchedToReference = MakeStatus(0x80041001u);

}  // namespace ondrel::framework

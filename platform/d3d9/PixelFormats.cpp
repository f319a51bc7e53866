#include "platform/d3d9/PixelFormats.h"

#include <cstring>

namespace ondrel::graphics {
namespace {

DWORD Expand(DWORD value, int bits) {
    switch (bits) {
        case 1: return value != 0 ? 0xFFu : 0u;
        case 4: return value * 17u;
        case 5: return (value << 3) | (value >> 2);
        case 6: return (value << 2) | (value >> 4);
        default: return value;
    }
}

DWORD Narrow(DWORD value8, int bits) { return value8 >> (8 - bits); }

DWORD Load16(const BYTE* p) {
    std::uint16_t v;
    std::memcpy(&v, p, 2);
    return v;
}
DWORD Load32(const BYTE* p) {
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}
void Store16(BYTE* p, DWORD v) {
    const auto w = static_cast<std::uint16_t>(v);
    std::memcpy(p, &w, 2);
}
void Store32(BYTE* p, DWORD v) { std::memcpy(p, &v, 4); }

DWORD Pack(DWORD a, DWORD r, DWORD g, DWORD b) { return (a << 24) | (r << 16) | (g << 8) | b; }

}  // namespace

UINT BytesPerPixel(D3DFORMAT format) {
    switch (format) {
        case D3DFMT_A8R8G8B8:
        case D3DFMT_X8R8G8B8:
        case D3DFMT_A8B8G8R8:
        case D3DFMT_X8B8G8R8:
            return 4;
        case D3DFMT_R5G6B5:
        case D3DFMT_X1R5G5B5:
        case D3DFMT_A1R5G5B5:
        case D3DFMT_A4R4G4B4:
        case D3DFMT_X4R4G4B4:
        case D3DFMT_A8L8:
            return 2;
        case D3DFMT_A8:
        case D3DFMT_L8:
            return 1;
        default:
            return 0;
    }
}

bool IsDepthStencilFormat(D3DFORMAT format) {
    switch (format) {
        case D3DFMT_D16_LOCKABLE:
        case D3DFMT_D32:
        case D3DFMT_D15S1:
        case D3DFMT_D24S8:
        case D3DFMT_D24X8:
        case D3DFMT_D24X4S4:
        case D3DFMT_D16:
        case D3DFMT_D32F_LOCKABLE:
        case D3DFMT_D24FS8:
            return true;
        default:
            return false;
    }
}

bool HasAlphaChannel(D3DFORMAT format) {
    switch (format) {
        case D3DFMT_A8R8G8B8:
        case D3DFMT_A8B8G8R8:
        case D3DFMT_A1R5G5B5:
        case D3DFMT_A4R4G4B4:
        case D3DFMT_A8:
        case D3DFMT_A8L8:
            return true;
        default:
            return false;
    }
}

DWORD ReadArgb(D3DFORMAT format, const BYTE* p) {
    switch (format) {
        case D3DFMT_A8R8G8B8: return Load32(p);
        case D3DFMT_X8R8G8B8: return Load32(p) | 0xFF000000u;
        case D3DFMT_A8B8G8R8:
        case D3DFMT_X8B8G8R8: {
            const DWORD v = Load32(p);
            const DWORD a = format == D3DFMT_X8B8G8R8 ? 0xFFu : v >> 24;
            return Pack(a, v & 0xFFu, (v >> 8) & 0xFFu, (v >> 16) & 0xFFu);
        }
        case D3DFMT_R5G6B5: {
            const DWORD v = Load16(p);
            return Pack(0xFF, Expand(v >> 11, 5), Expand((v >> 5) & 0x3Fu, 6), Expand(v & 0x1Fu, 5));
        }
        case D3DFMT_X1R5G5B5:
        case D3DFMT_A1R5G5B5: {
            const DWORD v = Load16(p);
            const DWORD a = format == D3DFMT_X1R5G5B5 ? 0xFFu : Expand(v >> 15, 1);
            return Pack(a, Expand((v >> 10) & 0x1Fu, 5), Expand((v >> 5) & 0x1Fu, 5), Expand(v & 0x1Fu, 5));
        }
        case D3DFMT_A4R4G4B4:
        case D3DFMT_X4R4G4B4: {
            const DWORD v = Load16(p);
            const DWORD a = format == D3DFMT_X4R4G4B4 ? 0xFFu : Expand(v >> 12, 4);
            return Pack(a, Expand((v >> 8) & 0xFu, 4), Expand((v >> 4) & 0xFu, 4), Expand(v & 0xFu, 4));
        }
        case D3DFMT_A8: return Pack(p[0], 0, 0, 0);
        case D3DFMT_L8: return Pack(0xFF, p[0], p[0], p[0]);
        case D3DFMT_A8L8: return Pack(p[1], p[0], p[0], p[0]);
        default: return 0;
    }
}

void WriteArgb(D3DFORMAT format, BYTE* p, DWORD argb) {
    const DWORD a = argb >> 24, r = (argb >> 16) & 0xFFu, g = (argb >> 8) & 0xFFu, b = argb & 0xFFu;
    switch (format) {
        case D3DFMT_A8R8G8B8:
        case D3DFMT_X8R8G8B8: Store32(p, argb); break;
        case D3DFMT_A8B8G8R8:
        case D3DFMT_X8B8G8R8: Store32(p, Pack(a, b, g, r)); break;
        case D3DFMT_R5G6B5: Store16(p, (Narrow(r, 5) << 11) | (Narrow(g, 6) << 5) | Narrow(b, 5)); break;
        case D3DFMT_X1R5G5B5:
        case D3DFMT_A1R5G5B5:
            Store16(p, (Narrow(a, 1) << 15) | (Narrow(r, 5) << 10) | (Narrow(g, 5) << 5) | Narrow(b, 5));
            break;
        case D3DFMT_A4R4G4B4:
        case D3DFMT_X4R4G4B4:
            Store16(p, (Narrow(a, 4) << 12) | (Narrow(r, 4) << 8) | (Narrow(g, 4) << 4) | Narrow(b, 4));
            break;
        case D3DFMT_A8: p[0] = static_cast<BYTE>(a); break;
        case D3DFMT_L8: p[0] = static_cast<BYTE>(r); break;
        case D3DFMT_A8L8:
            p[0] = static_cast<BYTE>(r);
            p[1] = static_cast<BYTE>(a);
            break;
        default: break;
    }
}

}  // namespace ondrel::graphics

#include <gtest/gtest.h>

#include "devicesettings/enumeration/FormatBits.h"

namespace ondrel::testing {
namespace {

using devicesettings::ColorChannelBits;
using devicesettings::DepthBits;
using devicesettings::StencilBits;

struct FormatBitsRow {
    D3DFORMAT format;
    UINT color, depth, stencil;
};

// Every format the device search compares; the ranking of combos depends on
// these numbers, so one wrong entry changes which device a machine gets.
TEST(FormatBitsTest, EveryListedFormatHasItsBitsAndOthersHaveNone) {
    const FormatBitsRow rows[] = {
        {D3DFMT_R8G8B8, 8, 0, 0},       {D3DFMT_A8R8G8B8, 8, 0, 0},     {D3DFMT_X8R8G8B8, 8, 0, 0},
        {D3DFMT_A8B8G8R8, 8, 0, 0},     {D3DFMT_R5G6B5, 5, 0, 0},       {D3DFMT_X1R5G5B5, 5, 0, 0},
        {D3DFMT_A1R5G5B5, 5, 0, 0},     {D3DFMT_A4R4G4B4, 4, 0, 0},     {D3DFMT_X4R4G4B4, 4, 0, 0},
        {D3DFMT_R3G3B2, 2, 0, 0},       {D3DFMT_A8R3G3B2, 2, 0, 0},     {D3DFMT_A2B10G10R10, 10, 0, 0},
        {D3DFMT_A2R10G10B10, 10, 0, 0}, {D3DFMT_A16B16G16R16, 16, 0, 0}, {D3DFMT_D16_LOCKABLE, 0, 16, 0},
        {D3DFMT_D16, 0, 16, 0},         {D3DFMT_D32, 0, 32, 0},         {D3DFMT_D32F_LOCKABLE, 0, 32, 0},
        {D3DFMT_D15S1, 0, 15, 1},       {D3DFMT_D24S8, 0, 24, 8},       {D3DFMT_D24X8, 0, 24, 0},
        {D3DFMT_D24X4S4, 0, 24, 4},     {D3DFMT_D24FS8, 0, 24, 8},      {D3DFMT_X8B8G8R8, 0, 0, 0},
        {D3DFMT_A8, 0, 0, 0},           {D3DFMT_UNKNOWN, 0, 0, 0},      {D3DFMT_DXT1, 0, 0, 0},
    };
    for (const FormatBitsRow& row : rows) {
        SCOPED_TRACE(static_cast<int>(row.format));
        EXPECT_EQ(ColorChannelBits(row.format), row.color);
        EXPECT_EQ(DepthBits(row.format), row.depth);
        EXPECT_EQ(StencilBits(row.format), row.stencil);
    }
}

}  // namespace
}  // namespace ondrel::testing

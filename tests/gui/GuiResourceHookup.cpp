#include "tests/gui/GuiResourceHookup.h"

#include <gtest/gtest.h>

#include "gui/GuiResourceManager.h"

namespace ondrel::testing {

void ConnectGuiResources(IDirect3DDevice9* device) {
    gui::GuiResourceManager& manager = gui::GetGlobalResourceManager();
    ASSERT_EQ(manager.OnDeviceCreated(device), S_OK);
    ASSERT_EQ(manager.OnDeviceReset(), S_OK);
}

void DisconnectGuiResources() {
    gui::GuiResourceManager& manager = gui::GetGlobalResourceManager();
    manager.OnDeviceLost();
    manager.OnDeviceDestroyed();
    gui::ResetGlobalResourceManager();
}

}  // namespace ondrel::testing

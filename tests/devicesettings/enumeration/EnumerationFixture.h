#pragma once
// A scripted machine (recording backend) and a catalogue made from it.

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <tuple>
#include <vector>

#include "devicesettings/enumeration/DeviceEnumeration.h"
#include "platform/recording/RecordingWorld.h"

namespace ondrel::testing {

using ComboKey = std::tuple<D3DFORMAT, D3DFORMAT, bool>;  // adapter format, back buffer, windowed

class EnumerationTest : public ::testing::Test {
protected:
    EnumerationTest() : world_(recording::RecordingWorld::Create()) {}

    void TearDown() override {
        enumeration_.reset();
        if (d3d_ != nullptr) d3d_->Release();
        devicesettings::ResetAllocationGate();
        EXPECT_EQ(world_->LiveObjectsTotal(), 0) << "the catalogue kept a reference";
    }

    HRESULT Enumerate(devicesettings::AcceptDeviceCallback accept = nullptr,
                      const devicesettings::EnumerationSettings& settings = {}) {
        if (d3d_ == nullptr) d3d_ = world_->CreateDirect3D();
        enumeration_ = std::make_unique<devicesettings::DeviceEnumeration>(settings);
        return enumeration_->Enumerate(d3d_, accept);
    }

    graphics::AdapterDescription& Adapter(std::size_t index = 0) { return world_->Catalogue().adapters.at(index); }
    graphics::DeviceTypeSupport& Hal(std::size_t adapter = 0) { return Adapter(adapter).devices.at(0); }

    const devicesettings::DeviceInfo* Device(UINT ordinal = 0, D3DDEVTYPE type = D3DDEVTYPE_HAL) const {
        return enumeration_->GetDeviceInfo(ordinal, type);
    }

    std::vector<ComboKey> ComboKeys(UINT ordinal = 0, D3DDEVTYPE type = D3DDEVTYPE_HAL) const {
        std::vector<ComboKey> keys;
        if (const devicesettings::DeviceInfo* device = Device(ordinal, type)) {
            for (const auto& combo : device->deviceCombos) {
                keys.emplace_back(combo->adapterFormat, combo->backBufferFormat, combo->windowed);
            }
        }
        return keys;
    }

    const devicesettings::DeviceCombo& Combo(D3DFORMAT adapterFormat, D3DFORMAT backBufferFormat, bool windowed) {
        const devicesettings::DeviceCombo* combo =
            enumeration_->GetDeviceCombo(0, D3DDEVTYPE_HAL, adapterFormat, backBufferFormat, windowed);
        if (combo == nullptr) throw std::runtime_error("combo not in the catalogue");
        return *combo;
    }

    template <class T>
    static std::vector<T> ListOf(const devicesettings::GrowableArray<T>& array) {
        return std::vector<T>(array.begin(), array.end());
    }

    std::shared_ptr<recording::RecordingWorld> world_;
    IDirect3D9* d3d_ = nullptr;
    std::unique_ptr<devicesettings::DeviceEnumeration> enumeration_;
};

}  // namespace ondrel::testing

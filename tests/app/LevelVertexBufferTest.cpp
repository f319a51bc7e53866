// The level's vertex buffers on a device: how they are created, filled and
// released, and what the renderer gets back to draw.

#include <cstring>

#include "tests/support/RecordingFixture.h"
#include "level/LevelVertex.h"
#include "scene/LevelVertexBufferFactory.h"

namespace ondrel::testing {
using namespace ondrel::graphics;
using scene::DeviceLevelVertexBufferFactory;
using scene::DeviceVertexBufferOf;
namespace {

class LevelVertexBufferTest : public RecordingTest {
protected:
    void SetUp() override {
        RecordingTest::SetUp();
        ASSERT_EQ(MakeDevice(), D3D_OK);
    }
};

TEST_F(LevelVertexBufferTest, ManagedBuffersOfFormat52FilledWithOneWholeLock) {
    DeviceLevelVertexBufferFactory factory(device_);
    world_->ClearCalls();
    std::unique_ptr<LevelVertexBuffer> buffer = factory.CreateBuffer(3);
    ASSERT_NE(buffer, nullptr);
    EXPECT_EQ(buffer->RecordCount(), 3u);
    ASSERT_EQ(world_->Calls().size(), 1u);
    EXPECT_EQ(world_->Calls()[0].name, "IDirect3DDevice9::CreateVertexBuffer");
    EXPECT_EQ(world_->Calls()[0].arguments, "84, 0, 82, 1") << "3 x 28 bytes, no usage, format 0x52, managed";

    const LevelVertex records[3] = {{1, 2, 3, 0, 0, -1, 0xFFFF0000},
                                    {4, 5, 6, 0, 0, -1, 0xFF00FF00},
                                    {7, 8, 9, 0, 0, -1, 0xFF0000FF}};
    world_->ClearCalls();
    ASSERT_TRUE(buffer->Fill(records, 3));
    const std::vector<std::string> expected = {"IDirect3DVertexBuffer9::Lock", "IDirect3DVertexBuffer9::Unlock"};
    EXPECT_EQ(world_->CallNames(), expected);
    EXPECT_EQ(world_->Calls()[0].arguments, "0, 84, ptr, 0");

    IDirect3DVertexBuffer9* device = DeviceVertexBufferOf(buffer.get());
    ASSERT_NE(device, nullptr);
    void* data = nullptr;
    ASSERT_EQ(device->Lock(0, 0, &data, D3DLOCK_READONLY), D3D_OK);
    EXPECT_EQ(std::memcmp(data, records, sizeof records), 0);
    device->Unlock();

    buffer.reset();
    EXPECT_EQ(world_->LiveObjects(ObjectKind::VertexBuffer), 0);
}

TEST_F(LevelVertexBufferTest, RefusalsReachTheLevel) {
    DeviceLevelVertexBufferFactory factory(device_);
    EXPECT_EQ(factory.CreateBuffer(0), nullptr);
    world_->FailCall("IDirect3DDevice9::CreateVertexBuffer", E_OUTOFMEMORY, 1);
    EXPECT_EQ(factory.CreateBuffer(3), nullptr);

    std::unique_ptr<LevelVertexBuffer> buffer = factory.CreateBuffer(1);
    ASSERT_NE(buffer, nullptr);
    world_->FailCall("IDirect3DVertexBuffer9::Lock", D3DERR_INVALIDCALL, 1);
    const LevelVertex record{};
    EXPECT_FALSE(buffer->Fill(&record, 1));
    EXPECT_EQ(world_->CountCalls("IDirect3DVertexBuffer9::Unlock"), 0u);
    EXPECT_EQ(DeviceVertexBufferOf(nullptr), nullptr);
}

}  // namespace
}  // namespace ondrel::testing

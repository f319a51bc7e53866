#include <gtest/gtest.h>

#include <memory>

#include "devicesettings/enumeration/GrowableArray.h"

namespace ondrel::testing {
namespace {

using devicesettings::GrowableArray;

class GrowableArrayTest : public ::testing::Test {
protected:
    void TearDown() override { devicesettings::ResetAllocationGate(); }
    static void RefuseMemory() {
        devicesettings::SetAllocationGate([](std::size_t) { return false; });
    }
};

TEST_F(GrowableArrayTest, ReservationDoublesFromSixteenOrJumpsToTheRequest) {
    GrowableArray<int> array;
    EXPECT_EQ(array.Reserve(-1), E_INVALIDARG);
    EXPECT_EQ(array.Capacity(), 0);

    EXPECT_EQ(array.Reserve(1), S_OK);
    EXPECT_EQ(array.Capacity(), 16);
    EXPECT_EQ(array.Reserve(16), S_OK);
    EXPECT_EQ(array.Capacity(), 16);
    EXPECT_EQ(array.Reserve(17), S_OK);
    EXPECT_EQ(array.Capacity(), 32);
    EXPECT_EQ(array.Reserve(100), S_OK);  // more than double: the request wins
    EXPECT_EQ(array.Capacity(), 100);
    EXPECT_EQ(array.Reserve(101), S_OK);
    EXPECT_EQ(array.Capacity(), 200);

    EXPECT_EQ(array.Reserve(0), S_OK);
    EXPECT_EQ(array.Capacity(), 0);
    EXPECT_EQ(array.Reserve(3), S_OK);  // freed storage starts again at 16
    EXPECT_EQ(array.Capacity(), 16);
}

TEST_F(GrowableArrayTest, AppendingKeepsOrderAcrossGrowthAndZeroFreesTheElements) {
    GrowableArray<int> array;
    for (int i = 0; i < 33; ++i) ASSERT_EQ(array.Add(i * 3), S_OK);
    EXPECT_EQ(array.GetSize(), 33);
    EXPECT_EQ(array.Capacity(), 64);
    for (int i = 0; i < 33; ++i) EXPECT_EQ(array[i], i * 3);
    EXPECT_EQ(array.IndexOf(30), 10);
    EXPECT_EQ(array.IndexOf(31), -1);

    ASSERT_EQ(array.Remove(0), S_OK);
    EXPECT_EQ(array[0], 3);
    EXPECT_EQ(array.Remove(32), E_INVALIDARG);

    array.Reserve(0);
    EXPECT_EQ(array.GetSize(), 0);
}

TEST_F(GrowableArrayTest, FailedGrowthLeavesTheArrayAsItWas) {
    GrowableArray<int> array;
    for (int i = 0; i < 16; ++i) array.Add(i);
    RefuseMemory();

    EXPECT_EQ(array.Add(16), E_OUTOFMEMORY);
    EXPECT_EQ(array.Reserve(40), E_OUTOFMEMORY);
    EXPECT_EQ(array.GetSize(), 16);
    EXPECT_EQ(array.Capacity(), 16);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(array[i], i);
    EXPECT_EQ(array.Reserve(10), S_OK) << "no growth needed, nothing allocated";

    devicesettings::ResetAllocationGate();
    EXPECT_EQ(array.Add(16), S_OK);
    EXPECT_EQ(array[16], 16);
}

TEST_F(GrowableArrayTest, OwnedElementsSurviveGrowthAndAreDestroyedWithTheArray) {
    auto witness = std::make_shared<int>(7);
    {
        GrowableArray<std::shared_ptr<int>> array;
        for (int i = 0; i < 20; ++i) array.Add(witness);
        EXPECT_EQ(witness.use_count(), 21) << "moved into new storage, not copied or leaked";
        array.Remove(5);
        EXPECT_EQ(witness.use_count(), 20);
        GrowableArray<std::shared_ptr<int>> moved = std::move(array);
        EXPECT_EQ(array.GetSize(), 0);
        EXPECT_EQ(moved.GetSize(), 19);
    }
    EXPECT_EQ(witness.use_count(), 1);
}

}  // namespace
}  // namespace ondrel::testing

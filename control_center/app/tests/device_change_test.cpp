// The frame's decisions on device arrival and removal, for both families.
#include "device_change.h"

#include <gtest/gtest.h>

#include "headset_ids.h"

using tavimo::Broadcast;
using tavimo::DecideDeviceChange;
using tavimo::DeviceAction;
using tavimo::DeviceState;

namespace {

constexpr unsigned kRemovals[] = {tavimo::kDeviceQueryRemove, tavimo::kDeviceRemovePending,
                                  tavimo::kDeviceRemoveComplete};

DeviceState Older(bool pending, bool mixerOpen) {
    return {tavimo::kOlderProductId, pending, mixerOpen, true};
}
DeviceState Newer(bool pending, bool ready) {
    return {tavimo::kNewerProductId, pending, true, ready};
}

}  // namespace

TEST(DeviceChange, OlderFamilyArrivalWaitsForTheNodesToChange) {
    DeviceAction pending;
    pending.arrivalPending = true;
    EXPECT_EQ(DecideDeviceChange(tavimo::kDeviceArrival, Older(false, true), Broadcast::None),
              pending);

    const DeviceAction reopen =
        DecideDeviceChange(tavimo::kDevNodesChanged, Older(true, true), Broadcast::None);
    EXPECT_EQ(reopen, (DeviceAction{true, true, true, false, true, false}));
    // Nothing was open: nothing to close first.
    EXPECT_EQ(DecideDeviceChange(tavimo::kDevNodesChanged, Older(true, false), Broadcast::None),
              (DeviceAction{false, true, true, false, true, false}));
    // Without an arrival the nodes changing does nothing.
    EXPECT_EQ(DecideDeviceChange(tavimo::kDevNodesChanged, Older(false, true), Broadcast::None),
              DeviceAction{});
}

TEST(DeviceChange, OlderFamilyRemovalClosesAndRebuildsOnlyAnOpenMixer) {
    for (unsigned event : kRemovals) {
        for (Broadcast broadcast : {Broadcast::None, Broadcast::OpenHeadset}) {
            EXPECT_EQ(DecideDeviceChange(event, Older(false, true), broadcast),
                      (DeviceAction{true, false, false, false, true, false}));
            EXPECT_EQ(DecideDeviceChange(event, Older(false, false), broadcast), DeviceAction{});
        }
        // A pending arrival stays pending.
        EXPECT_TRUE(DecideDeviceChange(event, Older(true, true), Broadcast::None).arrivalPending);
    }
}

TEST(DeviceChange, AnotherDeviceGoingLeavesTheHeadsetOpen) {
    for (unsigned event : kRemovals) {
        EXPECT_EQ(DecideDeviceChange(event, Older(false, true), Broadcast::OtherDevice),
                  DeviceAction{});
    }
}

TEST(DeviceChange, NoHeadsetTakesTheOlderFamilysPath) {
    const DeviceState none{0, true, false, false};
    EXPECT_TRUE(DecideDeviceChange(tavimo::kDevNodesChanged, none, Broadcast::None).openHeadset);
}

TEST(DeviceChange, NewerFamilyProbesWhenReadyAndReopensAfterAnArrival) {
    EXPECT_TRUE(DecideDeviceChange(tavimo::kDeviceArrival, Newer(false, true), Broadcast::None)
                    .arrivalPending);
    EXPECT_EQ(DecideDeviceChange(tavimo::kDevNodesChanged, Newer(true, true), Broadcast::None),
              (DeviceAction{false, false, false, true, false, false}));
    EXPECT_EQ(DecideDeviceChange(tavimo::kDevNodesChanged, Newer(true, false), Broadcast::None),
              (DeviceAction{false, true, false, false, true, false}));
    EXPECT_EQ(DecideDeviceChange(tavimo::kDevNodesChanged, Newer(false, false), Broadcast::None),
              DeviceAction{});
}

TEST(DeviceChange, NewerFamilyIgnoresRemovalEvents) {
    for (unsigned event : kRemovals) {
        EXPECT_EQ(DecideDeviceChange(event, Newer(false, true), Broadcast::OpenHeadset),
                  DeviceAction{});
        EXPECT_TRUE(DecideDeviceChange(event, Newer(true, true), Broadcast::None).arrivalPending);
    }
    EXPECT_EQ(DecideDeviceChange(0x18, Newer(false, true), Broadcast::None), DeviceAction{});
}

TEST(DeviceChange, PathsCompareWithoutCase) {
    EXPECT_TRUE(tavimo::SameDevicePath("\\\\?\\HID#VID_A5C1", "\\\\?\\hid#vid_a5c1"));
    EXPECT_FALSE(tavimo::SameDevicePath("\\\\?\\hid#vid_a5c1", "\\\\?\\hid#vid_a5c"));
    EXPECT_FALSE(tavimo::SameDevicePath("", "x"));
}

#include <gtest/gtest.h>

#include <vector>

#include "link/DeviceSession.h"
#include "link/EnumerateLoggers.h"
#include "platform/hid/HidapiAccess.h"
#include "tests/hid/FakedBus.h"

namespace lc::platform {
namespace {

using testing::FakedBus;
using HidapiEnumeration = testing::UnderUmockdev;

TEST_F(HidapiEnumeration, FindsTheLoggerByVendorProductAndRelease) {
    FakedBus bus;
    bus.add({"0401", "0003", "/dev/hidraw0"});
    bus.add({"0400", "0003", "/dev/hidraw1"});
    bus.add({"0400", "0004", "/dev/hidraw2"});
    HidapiAccess hid;

    const std::vector<HidInterfaceInfo> present = hid.enumerate();
    DeviceSession session;
    const int loggers = EnumerateLoggers(session, hid);

    ASSERT_EQ(present.size(), 3u);
    EXPECT_EQ(loggers, 1);
    EXPECT_EQ(session.interfacePaths[0], "/dev/hidraw1");
    EXPECT_EQ(session.interfacePaths[1], "");
}

TEST_F(HidapiEnumeration, ReadsTheIdentityOfEachInterface) {
    FakedBus bus;
    bus.add({"0400", "0003", "/dev/hidraw0"});
    HidapiAccess hid;

    const std::vector<HidInterfaceInfo> present = hid.enumerate();

    ASSERT_EQ(present.size(), 1u);
    EXPECT_EQ(present[0].path, "/dev/hidraw0");
    EXPECT_EQ(present[0].vendorId, 0x8888);
    EXPECT_EQ(present[0].productId, 0x0003);
    EXPECT_EQ(present[0].releaseNumber, 0x0400);
}

TEST_F(HidapiEnumeration, AnEmptyBusHasNoLogger) {
    FakedBus bus;
    HidapiAccess hid;
    DeviceSession session;

    EXPECT_EQ(EnumerateLoggers(session, hid), 0);
}

}  // namespace
}  // namespace lc::platform

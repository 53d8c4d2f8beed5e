#pragma once

#include <gtest/gtest.h>
#include <umockdev.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace lc::platform::testing {

// A USB HID interface faked in umockdev's sysfs, as the kernel shows one: the USB device, its
// interface, the HID device and its hidraw node. The faked node takes none of hidraw's ioctls, so
// hidapi refuses to open it as a HID device: what that allows is tested in HidapiOpenCloseTest.cpp;
// reading and writing are left to the kernel-level test bed.
struct FakedInterface {
    std::string bcdDevice;
    std::string productId;  // 4 hex digits
    std::string devNode;
};

class FakedBus {
  public:
    FakedBus() : testbed_(umockdev_testbed_new(), g_object_unref) {}

    void add(const FakedInterface& faked) {
        const std::string usb = "/devices/usb" + std::to_string(++devices_);
        const std::string interface = usb + "/" + std::to_string(devices_) + "-1:1.0";
        const std::string hid = interface + "/0003:8888:" + faked.productId + "." + std::to_string(devices_);
        const std::string node = faked.devNode.substr(faked.devNode.rfind('/') + 1);
        const std::string description =
            "P: " + usb +
            "\nE: SUBSYSTEM=usb\nE: DEVTYPE=usb_device\nA: idVendor=8888\nA: idProduct=" + faked.productId +
            "\nA: bcdDevice=" + faked.bcdDevice + "\n\n" +  //
            "P: " + interface + "\nE: SUBSYSTEM=usb\nE: DEVTYPE=usb_interface\nA: bInterfaceNumber=00\n\n" +
            "P: " + hid + "\nE: SUBSYSTEM=hid\nE: HID_ID=0003:00008888:0000" + faked.productId +
            "\nE: HID_NAME=Logger\nE: HID_UNIQ=\n\n" +  //
            "P: " + hid + "/hidraw/" + node + "\nN: " + node +
            "\nE: SUBSYSTEM=hidraw\nE: DEVNAME=" + faked.devNode +
            "\nA: dev=241:" + std::to_string(devices_) + "\n";
        GError* error = nullptr;
        ASSERT_TRUE(umockdev_testbed_add_from_string(testbed_.get(), description.c_str(), &error))
            << (error != nullptr ? error->message : "");
    }

  private:
    std::unique_ptr<UMockdevTestbed, decltype(&g_object_unref)> testbed_;
    int devices_ = 0;
};

// Every test of the backend needs umockdev's preload, which only umockdev-wrapper puts in place.
class UnderUmockdev : public ::testing::Test {
  protected:
    void SetUp() override {
        const char* preload = std::getenv("LD_PRELOAD");
        if (preload == nullptr || std::strstr(preload, "libumockdev-preload") == nullptr) {
            GTEST_SKIP() << "needs umockdev's preload: run under umockdev-wrapper";
        }
    }
};

}  // namespace lc::platform::testing

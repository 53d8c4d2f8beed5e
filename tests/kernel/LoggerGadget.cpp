#include "tests/kernel/LoggerGadget.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <utility>

namespace lc::testing {
namespace {

using namespace std::chrono_literals;

const std::string GadgetRoot = "/sys/kernel/config/usb_gadget/";

// Vendor usage page; one application collection; report id 0x01 with 63 bytes in and 63 bytes out.
constexpr unsigned char ReportDescriptor[] = {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x01,
                                              0x15, 0x00, 0x26, 0xFF, 0x00, 0x75, 0x08, 0x95, 0x3F,
                                              0x09, 0x01, 0x81, 0x02, 0x09, 0x01, 0x91, 0x02, 0xC0};

void WriteAttribute(const std::string& path, const std::string& value) {
    std::ofstream attribute(path, std::ios::binary);
    attribute << value;
    attribute.close();
    if (!attribute) {
        throw std::runtime_error("cannot write " + path);
    }
}

std::string Hex(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%04x", value);
    return text;
}

// A device node of our own for the gadget's character device, whatever number the kernel gave it.
std::string MakeNode(const std::string& function, const std::string& name) {
    unsigned major = 0;
    unsigned minor = 0;
    std::ifstream numbers(function + "/dev");
    char colon = 0;
    if (!(numbers >> major >> colon >> minor)) {
        throw std::runtime_error("no device number in " + function);
    }
    const std::string node = "/tmp/hidg-" + name;
    ::unlink(node.c_str());
    if (::mknod(node.c_str(), S_IFCHR | 0600, makedev(major, minor)) != 0) {
        throw std::runtime_error("cannot make " + node);
    }
    return node;
}

}  // namespace

LoggerGadget::LoggerGadget(const std::string& name, std::string port, sim::LoggerDescription description)
    : directory_(GadgetRoot + name),
      function_(directory_ + "/functions/hid.logger"),
      port_(std::move(port)),
      node_([&] {
          const sim::LoggerIdentity identity = description.identity;
          std::filesystem::create_directory(directory_);
          WriteAttribute(directory_ + "/idVendor", Hex(identity.vendorId));
          WriteAttribute(directory_ + "/idProduct", Hex(identity.productId));
          WriteAttribute(directory_ + "/bcdDevice", Hex(identity.releaseNumber));
          std::filesystem::create_directory(function_);
          WriteAttribute(function_ + "/protocol", "0");
          WriteAttribute(function_ + "/subclass", "0");
          WriteAttribute(function_ + "/report_length", "64");
          WriteAttribute(function_ + "/report_desc",
                         std::string(std::begin(ReportDescriptor), std::end(ReportDescriptor)));
          std::filesystem::create_directory(directory_ + "/configs/c.1");
          std::filesystem::create_symlink(function_, directory_ + "/configs/c.1/hid.logger");
          return MakeNode(function_, name);
      }()),
      logger_(std::move(description)) {
    plugIn();
    server_ = std::thread([this] { serve(); });
}

LoggerGadget::~LoggerGadget() {
    stopping_ = true;
    server_.join();
    unplug();
    std::error_code ignored;
    std::filesystem::remove(directory_ + "/configs/c.1/hid.logger", ignored);
    std::filesystem::remove(directory_ + "/configs/c.1", ignored);
    std::filesystem::remove(function_, ignored);
    std::filesystem::remove(directory_, ignored);
    ::unlink(node_.c_str());
}

void LoggerGadget::plugIn() {
    std::lock_guard lock(mutex_);
    plugInLocked();
}

void LoggerGadget::unplug() {
    std::lock_guard lock(mutex_);
    unplugLocked();
}

std::optional<std::chrono::steady_clock::time_point> LoggerGadget::unpluggedAt() const {
    std::lock_guard lock(mutex_);
    return unpluggedAt_;
}

void LoggerGadget::stopReading() {
    std::lock_guard lock(mutex_);
    reading_ = false;
}

void LoggerGadget::plugInLocked() {
    if (device_ >= 0) {
        return;
    }
    WriteAttribute(directory_ + "/UDC", port_);
    // The device side opens once the controller has bound the function.
    for (int attempt = 0; attempt < 100 && device_ < 0; ++attempt) {
        device_ = ::open(node_.c_str(), O_RDWR | O_NONBLOCK);
        if (device_ < 0) {
            std::this_thread::sleep_for(10ms);
        }
    }
    if (device_ < 0) {
        throw std::runtime_error("cannot open " + node_);
    }
}

void LoggerGadget::unplugLocked() {
    if (device_ < 0) {
        return;
    }
    ::close(device_);
    device_ = -1;
    WriteAttribute(directory_ + "/UDC", "\n");
    unpluggedAt_ = std::chrono::steady_clock::now();
}

void LoggerGadget::serve() {
    try {
        while (!stopping_) {
            serveOneReport();
        }
    } catch (const std::exception& failure) {
        // A gadget that cannot be plugged in again fails the test that asked for it, not the run.
        ADD_FAILURE() << failure.what();
    }
}

void LoggerGadget::serveOneReport() {
    std::unique_lock lock(mutex_);
    if (device_ < 0 || !reading_) {
        lock.unlock();
        std::this_thread::sleep_for(5ms);
        return;
    }
    pollfd arrival{device_, POLLIN, 0};
    if (::poll(&arrival, 1, 20) != 1) {
        return;
    }
    platform::HidReport output{};
    if (::read(device_, output.data(), output.size()) <= 0) {
        return;
    }
    const sim::Reaction reaction = logger_.receive(output);
    for (const sim::InputReport& reply : reaction.replies) {
        // An input report the host never collects is lost, as on a cable.
        pollfd room{device_, POLLOUT, 0};
        if (::poll(&room, 1, 1000) == 1) {
            [[maybe_unused]] const ssize_t sent = ::write(device_, reply.bytes.data(), reply.length);
        }
    }
    switch (reaction.departure) {
        case sim::Reaction::Departure::Stays:
            break;
        case sim::Reaction::Departure::Leaves:
            unplugLocked();
            break;
        case sim::Reaction::Departure::Restarts:
            unplugLocked();
            lock.unlock();
            std::this_thread::sleep_for(logger_.restartDelay());
            lock.lock();
            plugInLocked();
            break;
    }
}

}  // namespace lc::testing

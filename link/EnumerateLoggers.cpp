#include "link/EnumerateLoggers.h"

namespace lc {

namespace {

bool IsLogger(const platform::HidInterfaceInfo& candidate) {
    return candidate.vendorId == LoggerVendorId && candidate.productId == LoggerProductId &&
           candidate.releaseNumber == LoggerReleaseNumber;
}

}  // namespace

int EnumerateLoggers(DeviceSession& session, platform::HidAccess& hid) {
    for (std::string& path : session.interfacePaths) {
        path.clear();
    }
    int count = 0;
    for (const platform::HidInterfaceInfo& candidate : hid.enumerate()) {
        if (!IsLogger(candidate)) {
            continue;
        }
        if (static_cast<std::size_t>(count) < session.interfacePaths.size()) {
            session.interfacePaths[static_cast<std::size_t>(count)] = candidate.path;
        }
        ++count;
    }
    return count;
}

}  // namespace lc

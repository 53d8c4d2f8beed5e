#pragma once

#include <memory>
#include <string_view>

namespace lc::platform {

// A system-wide name held by this process until the object is destroyed. The system releases it when
// the process dies, so a killed copy leaves no stale hold behind.
class HeldName {
  public:
    virtual ~HeldName() = default;
};

class NamedObjects {
  public:
    virtual ~NamedObjects() = default;
    // Holds the name, or returns nullptr when another process holds it already.
    virtual std::unique_ptr<HeldName> tryHold(std::string_view name) = 0;
};

}  // namespace lc::platform

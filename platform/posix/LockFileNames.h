#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/NamedObjects.h"

namespace lc::platform {

// System-wide names as advisory locks (flock) on one file per name in a shared directory. The kernel
// drops a lock when its holder dies, so a crashed or killed copy never blocks the next start. Any
// other tool that takes the same lock the same way (for example a calibration tool holding
// "_Calibrate_") is seen by this one.
class LockFileNames : public NamedObjects {
  public:
    explicit LockFileNames(std::string directory);

    std::unique_ptr<HeldName> tryHold(std::string_view name) override;

    const std::string& directory() const { return directory_; }
    std::string lockPath(std::string_view name) const;

  private:
    std::string directory_;
};

// $XDG_RUNTIME_DIR/logger-config-locks for the logged-in user's session, or
// /tmp/logger-config-locks-<uid> where the session has no runtime directory.
std::string DefaultLockDirectory();

}  // namespace lc::platform

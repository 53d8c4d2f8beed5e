#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/NamedObjects.h"

namespace lc::platform {

// System-wide names as advisory locks (flock) on one file per name in a shared directory. The kernel
// drops a lock when its holder dies, so a crashed or killed copy never blocks the next start. Any
// other tool that takes the same lock the same way (for example a calibration tool holding
// "_Calibrate_") is seen by this one. With no directory no name can be held, and none is refused.
class LockFileNames : public NamedObjects {
  public:
    explicit LockFileNames(std::string directory);

    std::unique_ptr<HeldName> tryHold(std::string_view name) override;

    const std::string& directory() const { return directory_; }
    std::string lockPath(std::string_view name) const;

  private:
    std::string directory_;
};

// The first of places that is, or has just been made, a folder of this user's alone: owned by the
// user, no access for anyone else, no symbolic link. Another user who made one of them first can then
// neither hold the tool's names nor see them. Empty when no place is such a folder.
std::string FirstPrivateFolder(const std::vector<std::string>& places);

// The first private folder of $XDG_RUNTIME_DIR/logger-config-locks for the logged-in user's session,
// ${XDG_CACHE_HOME:-$HOME/.cache}/logger-config-locks, /tmp/logger-config-locks-<uid>.
std::string DefaultLockDirectory();

}  // namespace lc::platform

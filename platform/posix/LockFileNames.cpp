#include "platform/posix/LockFileNames.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <utility>

namespace lc::platform {
namespace {

class LockedFile : public HeldName {
  public:
    explicit LockedFile(int descriptor) : descriptor_(descriptor) {}
    ~LockedFile() override {
        if (descriptor_ >= 0) {
            close(descriptor_);  // closing the last descriptor releases the lock
        }
    }
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;

  private:
    int descriptor_;
};

// A name becomes one file name: anything that could leave the directory or confuse a shell is '_'.
std::string FileNameFor(std::string_view name) {
    std::string file;
    for (const char c : name) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                           c == '_' || c == '-';
        file += plain ? c : '_';
    }
    return file + ".lock";
}

}  // namespace

LockFileNames::LockFileNames(std::string directory) : directory_(std::move(directory)) {}

std::string LockFileNames::lockPath(std::string_view name) const {
    return directory_ + "/" + FileNameFor(name);
}

std::unique_ptr<HeldName> LockFileNames::tryHold(std::string_view name) {
    mkdir(directory_.c_str(), 0700);
    // Close-on-exec: a program started from here must not inherit the hold.
    const int descriptor = open(lockPath(name).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (descriptor < 0) {
        // No lock can be taken at all (unwritable directory): the name cannot be in use through it
        // either, so the tool runs rather than claiming that another copy does.
        return std::make_unique<LockedFile>(-1);
    }
    if (flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        const bool heldElsewhere = errno == EWOULDBLOCK;
        close(descriptor);
        return heldElsewhere ? nullptr : std::make_unique<LockedFile>(-1);
    }
    return std::make_unique<LockedFile>(descriptor);
}

std::string DefaultLockDirectory() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && runtime[0] == '/') {
        return std::string(runtime) + "/logger-config-locks";
    }
    return "/tmp/logger-config-locks-" + std::to_string(getuid());
}

}  // namespace lc::platform

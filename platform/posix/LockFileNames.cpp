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
    if (directory_.empty()) {
        return std::make_unique<LockedFile>(-1);
    }
    mkdir(directory_.c_str(), 0700);
    // Close-on-exec: a program started from here must not inherit the hold.
    const int descriptor = open(lockPath(name).c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
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

std::string FirstPrivateFolder(const std::vector<std::string>& places) {
    for (const std::string& place : places) {
        mkdir(place.c_str(), 0700);
        struct stat folder {};
        if (lstat(place.c_str(), &folder) == 0 && S_ISDIR(folder.st_mode) && folder.st_uid == getuid() &&
            (folder.st_mode & (S_IRWXG | S_IRWXO)) == 0) {
            return place;
        }
    }
    return {};
}

std::string DefaultLockDirectory() {
    std::vector<std::string> places;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && runtime[0] == '/') {
        places.push_back(std::string(runtime) + "/logger-config-locks");
    }
    const char* cache = std::getenv("XDG_CACHE_HOME");
    const char* home = std::getenv("HOME");
    if (cache != nullptr && cache[0] == '/') {
        places.push_back(std::string(cache) + "/logger-config-locks");
    } else if (home != nullptr && home[0] == '/') {
        // The cache folder itself may not be there yet in a fresh account.
        mkdir((std::string(home) + "/.cache").c_str(), 0700);
        places.push_back(std::string(home) + "/.cache/logger-config-locks");
    }
    places.push_back("/tmp/logger-config-locks-" + std::to_string(getuid()));
    return FirstPrivateFolder(places);
}

}  // namespace lc::platform

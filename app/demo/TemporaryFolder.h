#pragma once

#include <filesystem>

namespace lc::demo {

// A fresh folder under the system's temporary folder, removed with the object. Its path is empty
// when no folder could be made.
class TemporaryFolder {
  public:
    // The folder's name begins with prefix.
    explicit TemporaryFolder(const char* prefix);
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

}  // namespace lc::demo

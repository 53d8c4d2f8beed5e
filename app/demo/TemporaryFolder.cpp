#include "app/demo/TemporaryFolder.h"

#include <stdlib.h>

#include <string>
#include <system_error>

namespace lc::demo {

TemporaryFolder::TemporaryFolder(const char* prefix) {
    std::error_code error;
    const std::filesystem::path base = std::filesystem::temp_directory_path(error);
    if (error) {
        return;
    }
    std::string name = (base / prefix).string() + "-XXXXXX";
    if (::mkdtemp(name.data()) != nullptr) {
        path_ = name;
    }
}

TemporaryFolder::~TemporaryFolder() {
    if (!path_.empty()) {
        std::error_code ignored;  // nothing is left to do about a folder that cannot go
        std::filesystem::remove_all(path_, ignored);
    }
}

}  // namespace lc::demo

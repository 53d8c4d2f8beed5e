#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "app/demo/TemporaryFolder.h"
#include "platform/posix/LockFileNames.h"

namespace lc {
namespace {

constexpr uid_t NobodyUid = 65534;

class LockFolders : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_FALSE(places_.path().empty()); }

    std::string place(const char* name) const { return places_.path() / name; }

    // As another local user could have made it before the tool ran: open to everyone.
    std::string openToAll(const char* name) const {
        const std::string folder = place(name);
        EXPECT_EQ(mkdir(folder.c_str(), 0777), 0);
        EXPECT_EQ(chmod(folder.c_str(), 0777), 0);
        return folder;
    }

    // A private folder of another user's: made and given away as root; otherwise one the system owns.
    std::string ownedByAnother(const char* name) const {
        if (getuid() != 0) {
            return "/";
        }
        const std::string folder = place(name);
        EXPECT_EQ(mkdir(folder.c_str(), 0700), 0);
        EXPECT_EQ(chown(folder.c_str(), NobodyUid, NobodyUid), 0);
        return folder;
    }

    demo::TemporaryFolder places_{"lock-folders"};
};

TEST_F(LockFolders, AFolderOpenToOthersOrOwnedByAnotherUserIsPassedOverForAPrivateOne) {
    const std::string open = openToAll("open");
    const std::string foreign = ownedByAnother("foreign");
    std::filesystem::create_directory_symlink(place("mine"), place("link"));
    const std::string fresh = place("fresh");

    EXPECT_EQ(platform::FirstPrivateFolder({open, foreign, place("link"), fresh}), fresh);
    struct stat made {};
    ASSERT_EQ(lstat(fresh.c_str(), &made), 0);
    EXPECT_EQ(made.st_uid, getuid());
    EXPECT_EQ(made.st_mode & 0777, 0700u);

    EXPECT_EQ(platform::FirstPrivateFolder({open, foreign}), "");
    EXPECT_NE(platform::LockFileNames("").tryHold("_Configuration_"), nullptr)
        << "without a private folder no name is held, and none refused";
}

}  // namespace
}  // namespace lc

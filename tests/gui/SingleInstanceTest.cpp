#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "app/demo/TemporaryFolder.h"
#include "app/main/StartUp.h"
#include "platform/posix/LockFileNames.h"
#include "tests/gui/ToolProcess.h"

namespace lc {
namespace {

using namespace std::chrono_literals;

// A copy of the tool, started in a session of its own (its own runtime folder and home, so its names
// meet only the processes of the test), its messages on standard error.
class ToolCopy : public gui_test::ToolProcess {
  public:
    ToolCopy(const std::filesystem::path& runtime, const std::filesystem::path& messages)
        : ToolProcess(STDERR_MESSAGES_EXECUTABLE,
                      {"QT_QPA_PLATFORM=offscreen", "XDG_RUNTIME_DIR=" + runtime.string(),
                       "HOME=" + (runtime / "home").string(), "XDG_CACHE_HOME"},
                      messages) {}
};

// Another process holding a name, e.g. a calibration tool; it lets go when killed.
class NameHolder {
  public:
    NameHolder(const std::string& lockDirectory, const char* name) {
        int ready[2];
        EXPECT_EQ(pipe(ready), 0);
        pid_ = fork();
        if (pid_ == 0) {
            platform::LockFileNames names(lockDirectory);
            const auto held = names.tryHold(name);
            const char answer = held ? '1' : '0';
            (void)!write(ready[1], &answer, 1);
            pause();
            _exit(0);
        }
        close(ready[1]);
        char answer = '0';
        EXPECT_EQ(read(ready[0], &answer, 1), 1);
        EXPECT_EQ(answer, '1');
        close(ready[0]);
    }
    ~NameHolder() {
        ::kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    NameHolder(const NameHolder&) = delete;
    NameHolder& operator=(const NameHolder&) = delete;

  private:
    pid_t pid_ = -1;
};

class SingleInstance : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(runtime_.path().empty());
        std::filesystem::create_directory(runtime_.path() / "home");
    }

    std::string lockDirectory() const { return runtime_.path() / "logger-config-locks"; }
    // Where the tool keeps its names when the session's folder is not the user's alone.
    std::string cacheLockDirectory() const { return runtime_.path() / "home/.cache/logger-config-locks"; }
    std::filesystem::path messagesOf(const char* copy) const { return runtime_.path() / copy; }

    // Whether some process holds the tool's name, seen from the kernel's lock table so that looking
    // takes nothing away from the copy being watched.
    static bool ToolNameHeld(const std::string& directory) {
        struct stat file {};
        if (stat(platform::LockFileNames(directory).lockPath(ToolInstanceName).c_str(), &file) != 0) {
            return false;
        }
        return gui_test::ReadFile("/proc/locks").find(":" + std::to_string(file.st_ino) + " ") !=
               std::string::npos;
    }

    bool waitUntilToolNameHeld() const { return WaitUntilToolNameHeld(lockDirectory()); }
    static bool WaitUntilToolNameHeld(const std::string& directory) {
        const auto deadline = std::chrono::steady_clock::now() + 20s;
        while (!ToolNameHeld(directory)) {
            if (std::chrono::steady_clock::now() > deadline) {
                return false;
            }
            std::this_thread::sleep_for(20ms);
        }
        return true;
    }

    demo::TemporaryFolder runtime_{"single-instance"};
};

TEST_F(SingleInstance, ASecondCopyRefusesAndTheFirstRunsOnUntilKilledLeavingNoHoldBehind) {
    ToolCopy first(runtime_.path(), messagesOf("first"));
    ASSERT_TRUE(waitUntilToolNameHeld());

    ToolCopy second(runtime_.path(), messagesOf("second"));
    EXPECT_EQ(second.exitStatus(20s), EXIT_FAILURE);
    EXPECT_NE(gui_test::ReadFile(messagesOf("second")).find("配置工具已经运行!\n请勿重复运行!"),
              std::string::npos);
    EXPECT_EQ(first.exitStatus(200ms), -1) << "the first copy must go on running";

    first.kill();
    ToolCopy third(runtime_.path(), messagesOf("third"));
    EXPECT_TRUE(waitUntilToolNameHeld()) << "a killed copy must not keep the next one out";
    EXPECT_EQ(third.exitStatus(200ms), -1);
    EXPECT_EQ(gui_test::ReadFile(messagesOf("third")).find("运行!"), std::string::npos);
}

TEST_F(SingleInstance, ARunningCalibrationToolKeepsTheToolFromOpeningItsWindow) {
    NameHolder calibration(lockDirectory(), CalibrationToolName);

    ToolCopy tool(runtime_.path(), messagesOf("tool"));
    EXPECT_EQ(tool.exitStatus(20s), EXIT_FAILURE);
    EXPECT_NE(
        gui_test::ReadFile(messagesOf("tool")).find("校准工具已经运行!\n如果想运行配置工具,请关闭校准工具!"),
        std::string::npos);
}

// Another local user made the session's lock folder first, open to all, and holds the tool's name in
// it: the tool keeps its names in a private folder instead, where copies still keep each other out.
TEST_F(SingleInstance, ALockFolderOpenToOthersNeitherKeepsTheToolOutNorLetsTwoCopiesRun) {
    ASSERT_EQ(mkdir(lockDirectory().c_str(), 0777), 0);
    ASSERT_EQ(chmod(lockDirectory().c_str(), 0777), 0);
    NameHolder intruder(lockDirectory(), ToolInstanceName);

    ToolCopy first(runtime_.path(), messagesOf("first"));
    ASSERT_TRUE(WaitUntilToolNameHeld(cacheLockDirectory()));
    EXPECT_EQ(first.exitStatus(200ms), -1);
    EXPECT_EQ(gui_test::ReadFile(messagesOf("first")).find("运行!"), std::string::npos);

    ToolCopy second(runtime_.path(), messagesOf("second"));
    EXPECT_EQ(second.exitStatus(20s), EXIT_FAILURE);
    EXPECT_NE(gui_test::ReadFile(messagesOf("second")).find("配置工具已经运行!"), std::string::npos);
}

// Writing messages to standard error instead of showing them is for the tests and the demonstration:
// the installed tool shows its boxes whatever its environment says.
TEST_F(SingleInstance, TheInstalledToolHasNoSwitchThatTurnsItsMessageBoxesIntoLines) {
    ToolCopy first(runtime_.path(), messagesOf("first"));
    ASSERT_TRUE(waitUntilToolNameHeld());

    gui_test::ToolProcess second(
        LOGGER_CONFIG_EXECUTABLE,
        {"QT_QPA_PLATFORM=offscreen", "XDG_RUNTIME_DIR=" + runtime_.path().string(),
         "HOME=" + (runtime_.path() / "home").string(), "XDG_CACHE_HOME", "LOGGER_CONFIG_MESSAGES=stderr"},
        messagesOf("second"));
    EXPECT_EQ(second.exitStatus(3s), -1) << "the second copy's box waits for a click";
    EXPECT_EQ(gui_test::ReadFile(messagesOf("second")).find("运行!"), std::string::npos);
}

}  // namespace
}  // namespace lc

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "app/demo/TemporaryFolder.h"
#include "app/main/StartUp.h"
#include "platform/posix/LockFileNames.h"

extern char** environ;

namespace lc {
namespace {

using namespace std::chrono_literals;

// A copy of the real tool, started as a technician would, in a session of its own (its own runtime
// folder, so its names meet only the processes of the test). Its messages go to a file.
class ToolProcess {
  public:
    ToolProcess(const std::filesystem::path& runtime, const std::filesystem::path& messages) {
        const std::string program = LOGGER_CONFIG_EXECUTABLE;
        std::vector<std::string> environment{"QT_QPA_PLATFORM=offscreen",
                                             "XDG_RUNTIME_DIR=" + runtime.string(),
                                             "LOGGER_CONFIG_MESSAGES=stderr"};
        for (char** variable = environ; *variable != nullptr; ++variable) {
            const std::string entry = *variable;
            if (!entry.starts_with("QT_QPA_PLATFORM=") && !entry.starts_with("XDG_RUNTIME_DIR=")) {
                environment.push_back(entry);
            }
        }
        std::vector<char*> envp;
        for (std::string& entry : environment) {
            envp.push_back(entry.data());
        }
        envp.push_back(nullptr);
        std::string name = program;
        char* argv[] = {name.data(), nullptr};

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, messages.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
        EXPECT_EQ(posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv, envp.data()), 0);
        posix_spawn_file_actions_destroy(&actions);
    }
    ~ToolProcess() { kill(); }
    ToolProcess(const ToolProcess&) = delete;
    ToolProcess& operator=(const ToolProcess&) = delete;

    // The exit status once the copy ended by itself within the time limit, or -1.
    int exitStatus(std::chrono::milliseconds limit) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (pid_ > 0 && std::chrono::steady_clock::now() < deadline) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            std::this_thread::sleep_for(10ms);
        }
        return -1;
    }

    // Ends the copy the hard way, as a crash would: it has no chance to let anything go.
    void kill() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
            pid_ = -1;
        }
    }

  private:
    pid_t pid_ = -1;
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
    void SetUp() override { ASSERT_FALSE(runtime_.path().empty()); }

    std::string lockDirectory() const { return runtime_.path() / "logger-config-locks"; }
    std::filesystem::path messagesOf(const char* copy) const { return runtime_.path() / copy; }

    static std::string Read(const std::filesystem::path& file) {
        std::ifstream in(file);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    // Whether some process holds the tool's name, seen from the kernel's lock table so that looking
    // takes nothing away from the copy being watched.
    bool toolNameHeld() const {
        struct stat file {};
        if (stat(platform::LockFileNames(lockDirectory()).lockPath(ToolInstanceName).c_str(), &file) != 0) {
            return false;
        }
        return Read("/proc/locks").find(":" + std::to_string(file.st_ino) + " ") != std::string::npos;
    }

    bool waitUntilToolNameHeld() const {
        const auto deadline = std::chrono::steady_clock::now() + 20s;
        while (!toolNameHeld()) {
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
    ToolProcess first(runtime_.path(), messagesOf("first"));
    ASSERT_TRUE(waitUntilToolNameHeld());

    ToolProcess second(runtime_.path(), messagesOf("second"));
    EXPECT_EQ(second.exitStatus(20s), EXIT_FAILURE);
    EXPECT_NE(Read(messagesOf("second")).find("配置工具已经运行!\n请勿重复运行!"), std::string::npos);
    EXPECT_EQ(first.exitStatus(200ms), -1) << "the first copy must go on running";

    first.kill();
    ToolProcess third(runtime_.path(), messagesOf("third"));
    EXPECT_TRUE(waitUntilToolNameHeld()) << "a killed copy must not keep the next one out";
    EXPECT_EQ(third.exitStatus(200ms), -1);
    EXPECT_EQ(Read(messagesOf("third")).find("运行!"), std::string::npos);
}

TEST_F(SingleInstance, ARunningCalibrationToolKeepsTheToolFromOpeningItsWindow) {
    NameHolder calibration(lockDirectory(), CalibrationToolName);

    ToolProcess tool(runtime_.path(), messagesOf("tool"));
    EXPECT_EQ(tool.exitStatus(20s), EXIT_FAILURE);
    EXPECT_NE(Read(messagesOf("tool")).find("校准工具已经运行!\n如果想运行配置工具,请关闭校准工具!"),
              std::string::npos);
}

}  // namespace
}  // namespace lc

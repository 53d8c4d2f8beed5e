#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace lc::gui_test {

// A copy of a tool program, started as a technician would, with its standard error in a file. The
// environment is the test's own with the changes given: "NAME=value" sets a variable, "NAME" alone
// takes it away.
class ToolProcess {
  public:
    ToolProcess(const std::string& program, const std::vector<std::string>& changes,
                const std::filesystem::path& errors) {
        std::vector<std::string> environment;
        for (const std::string& change : changes) {
            if (change.find('=') != std::string::npos) {
                environment.push_back(change);
            }
        }
        for (char** variable = environ; *variable != nullptr; ++variable) {
            const std::string entry = *variable;
            const std::string name = entry.substr(0, entry.find('='));
            const bool changed = std::ranges::any_of(changes, [&](const std::string& change) {
                return change.substr(0, change.find('=')) == name;
            });
            if (!changed) {
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
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errors.c_str(),
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
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
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

inline std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace lc::gui_test

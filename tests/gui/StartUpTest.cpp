#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/demo/TemporaryFolder.h"
#include "tests/gui/ToolProcess.h"

namespace lc {
namespace {

using namespace std::chrono_literals;

class InstalledToolStart : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_FALSE(session_.path().empty()); }

    std::string runtime() const { return "XDG_RUNTIME_DIR=" + session_.path().string(); }
    std::filesystem::path errorsOf(const char* copy) const { return session_.path() / copy; }

    demo::TemporaryFolder session_{"tool-start"};
};

struct NoDisplay {
    const char* name;
    std::vector<std::string> environment;
};

class WithoutADisplay : public InstalledToolStart, public ::testing::WithParamInterface<NoDisplay> {};

TEST_P(WithoutADisplay, SaysSoInOneLineAndEndsWithStatusOne) {
    std::vector<std::string> environment = GetParam().environment;
    environment.push_back(runtime());
    gui_test::ToolProcess tool(LOGGER_CONFIG_EXECUTABLE, environment, errorsOf("tool"));
    EXPECT_EQ(tool.exitStatus(30s), EXIT_FAILURE);
    EXPECT_EQ(gui_test::ReadFile(errorsOf("tool")), "logger-config: no display could be opened\n");
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, WithoutADisplay,
    ::testing::Values(NoDisplay{"XWithoutDisplay", {"QT_QPA_PLATFORM=xcb", "DISPLAY", "WAYLAND_DISPLAY"}},
                      NoDisplay{
                          "WaylandWithoutCompositor",
                          {"QT_QPA_PLATFORM=wayland", "WAYLAND_DISPLAY=no-compositor-here", "DISPLAY"}}),
    [](const ::testing::TestParamInfo<NoDisplay>& desktop) { return std::string(desktop.param.name); });

}  // namespace
}  // namespace lc

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "sim/LoggerPresets.h"
#include "tests/app/ToolUnderTest.h"
#include "vocabulary/ControlIds.h"

namespace lc::testing {
namespace {

constexpr uid_t NobodyUid = 65534;

// From here on this process cannot start a thread: its user may run no more processes. Root is
// exempt from that limit, so a root test first becomes an ordinary user.
bool NoThreadsFromHereOn() {
    if (getuid() == 0 && (setgid(NobodyUid) != 0 || setuid(NobodyUid) != 0)) {
        return false;
    }
    const rlimit none{0, 0};
    return setrlimit(RLIMIT_NPROC, &none) == 0;
}

// The window as the technician sees it when the link has no thread: it opens and waits for a logger.
void OpenTheWindowWithoutThreads() {
    if (!NoThreadsFromHereOn()) {
        std::fputs("threads could not be taken away\n", stderr);
        std::exit(2);
    }
    ToolUnderTest tool;
    tool.tick();
    tool.bus.plugIn(sim::DemoLogger());
    tool.tick();
    tool.tick();
    const bool noLogger =
        tool.text(ids::WriteButton) == "请插入设备" && !tool.controls.isEnabled(ids::WriteButton);
    std::fputs(noLogger ? "window without a link\n" : "the window is not in its no-logger state\n", stderr);
    // Ends without the exit handlers: the leak check of a sanitizer build needs a thread of its own,
    // which this process may no longer start.
    std::_Exit(noLogger ? 0 : 1);
}

TEST(NoThreadForTheLink, TheWindowOpensWithoutALinkInsteadOfAborting) {
    EXPECT_EXIT(OpenTheWindowWithoutThreads(), ::testing::ExitedWithCode(0), "window without a link");
}

}  // namespace
}  // namespace lc::testing

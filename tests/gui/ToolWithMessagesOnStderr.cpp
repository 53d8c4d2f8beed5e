#include "app/main/ConfigurationTool.h"
#include "tests/gui/NoLoggerHid.h"

// The configuration tool's own start-up with its messages injected onto standard error, where the
// start-up tests read them; no logger is ever found.
int main(int argc, char** argv) {
    lc::gui_test::NoLoggerHid hid;
    return lc::RunConfigurationTool(argc, argv, hid, lc::MessageOutput::StandardError);
}

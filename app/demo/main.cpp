#include <QDialog>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/demo/DemoOptions.h"
#include "app/demo/DemoPanel.h"
#include "app/demo/MadeUpFirmware.h"
#include "app/main/ConfigurationTool.h"
#include "app/main/ConfigurationWindow.h"
#include "sim/UsbPacedHid.h"
#include "sim/VirtualHidBus.h"

namespace {

// As a technician would plug the logger in: a moment after the window has come up.
constexpr int PlugInDelayMs = 500;

// Whoever reads standard output, a pipe or a test, gets each line as it happens.
void EchoLine(const std::string& line) {
    std::fputs(line.c_str(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// A demonstration run by a script or a test, where no one can click, writes its messages to standard
// error with LOGGER_CONFIG_MESSAGES=stderr. Only the demonstration build has this switch.
lc::MessageOutput DemoMessageOutput() {
    const char* output = std::getenv("LOGGER_CONFIG_MESSAGES");
    return output != nullptr && std::strcmp(output, "stderr") == 0 ? lc::MessageOutput::StandardError
                                                                   : lc::MessageOutput::Boxes;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace lc;
    const demo::DemoOptions options = demo::ParseDemoOptions(argc, argv);
    if (!options.error.empty()) {
        std::fprintf(stderr, "%s\n%s", options.error.c_str(), demo::DemoUsage);
        return 2;
    }
    if (options.help) {
        std::fputs(demo::DemoUsage, stdout);
        return 0;
    }

    // A reader that stops reading the frame lines (`| head`) must not end the demonstration.
    std::signal(SIGPIPE, SIG_IGN);

    // Declared first, so that the window's link worker has ended before the bus goes.
    sim::VirtualHidBus bus;
    sim::UsbPacedHid usb(bus);
    platform::HidAccess& link = options.instantLogger ? static_cast<platform::HidAccess&>(bus) : usb;
    const MessageOutput messages = DemoMessageOutput();
    return RunConfigurationTool(argc, argv, messages, [&] {
        // Made only once the tool may run: a refused second copy writes no image files.
        ConfigurationWindow window(link, demo::MadeUpFirmwareImages(), messages);
        // After the window: a child of its dialog, it must go first.
        demo::DemoPanel panel(bus, EchoLine, &window.dialog());
        QDialog& dialog = window.dialog();
        // Once the window is up, the panel can go beside it.
        QTimer::singleShot(0, &panel, [&] { panel.showBeside(dialog); });
        QTimer::singleShot(PlugInDelayMs, &panel, [&] { panel.plugIn(); });
        if (options.quitAfterMs) {
            QTimer::singleShot(*options.quitAfterMs, &dialog, &QDialog::reject);
        }
        window.run();
    });
}

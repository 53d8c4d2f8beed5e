#pragma once

#include <optional>
#include <string>

namespace lc::demo {

inline constexpr const char* DemoUsage =
    "Usage: logger-config-demo [--instant-logger] [--quit-after MS] [Qt options]\n"
    "The configuration tool on a virtual USB bus with one virtual logger, plugged in half a second\n"
    "after start; a panel beside the window plugs loggers in and out. Every report a virtual logger\n"
    "receives is printed to standard output as\n"
    "  rx cmd=0x91 len=6 off=0 data=<payload in hex>\n"
    "and a logger joining or leaving the bus as \"plug\" or \"unplug\". The loggers answer at the pace\n"
    "of a full-speed USB link: one report per millisecond each way.\n"
    "  --instant-logger  the loggers answer at once, without the USB link's pace\n"
    "  --quit-after MS   close the window by itself MS milliseconds after start\n"
    "  --help            print this text\n";

// What the demonstration was asked for on its command line; other arguments are left to Qt.
struct DemoOptions {
    bool help = false;
    bool instantLogger = false;
    std::optional<int> quitAfterMs;
    std::string error;  // empty when the command line was understood
};

DemoOptions ParseDemoOptions(int argc, char** argv);

}  // namespace lc::demo

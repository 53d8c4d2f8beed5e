#include "app/demo/DemoOptions.h"

#include <charconv>
#include <string_view>
#include <system_error>

namespace lc::demo {
namespace {

std::optional<int> ParseMilliseconds(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value <= 0) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

DemoOptions ParseDemoOptions(int argc, char** argv) {
    DemoOptions options;
    for (int at = 1; at < argc; ++at) {
        const std::string_view argument = argv[at];
        if (argument == "--help") {
            options.help = true;
        } else if (argument == "--instant-logger") {
            options.instantLogger = true;
        } else if (argument == "--quit-after") {
            options.quitAfterMs = at + 1 < argc ? ParseMilliseconds(argv[++at]) : std::nullopt;
            if (!options.quitAfterMs) {
                options.error = "--quit-after needs a number of milliseconds above 0";
            }
        }
    }
    return options;
}

}  // namespace lc::demo

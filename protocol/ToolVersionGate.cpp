#include "platform/Text.h"
#include "protocol/Gates.h"
#include "protocol/WindowLanguage.h"

namespace lc {

bool PassesToolVersionGate(platform::Ui ui, const DeviceInfo& info) {
    if (info.requiredToolVersion <= ToolVersion) {
        return true;
    }
    const char* format =
        InWindowLanguage(ui.controls, "此配置工具版本过低！\r\n请使用V%X.%02X或更高版本配置工具！",
                         "The tool's version is too low！\r\nPlease use V%X.%02X or later version！");
    ui.messages.show(platform::FormatText(format, static_cast<unsigned>(info.requiredToolVersion >> 8),
                                          static_cast<unsigned>(info.requiredToolVersion & 0xFF)));
    return false;
}

}  // namespace lc

#include "app/main/StartUp.h"

namespace lc {

std::unique_ptr<platform::HeldName> ClaimToolInstance(platform::NamedObjects& names,
                                                      platform::MessageBox& messages) {
    std::unique_ptr<platform::HeldName> instance = names.tryHold(ToolInstanceName);
    if (!instance) {
        // The window does not exist yet, so there is no language choice: these are Chinese only.
        messages.show(u"配置工具已经运行!\n请勿重复运行!");
        return nullptr;
    }
    // Only a test: holding the calibration tool's name for a moment and letting it go at once.
    if (!names.tryHold(CalibrationToolName)) {
        messages.show(u"校准工具已经运行!\n如果想运行配置工具,请关闭校准工具!");
        return nullptr;
    }
    return instance;
}

}  // namespace lc

#include "app/main/ConfigurationTool.h"

#include <QApplication>
#include <QIcon>
#include <cstdlib>
#include <memory>

#include "app/main/ConfigurationWindow.h"
#include "app/main/DisplayOpening.h"
#include "app/main/StartUp.h"
#include "platform/posix/LockFileNames.h"

namespace lc {
namespace {

std::unique_ptr<QApplication> OpenApplication(int& argc, char** argv) {
    const DisplayOpening opening(argc > 0 ? argv[0] : nullptr);
    return std::make_unique<QApplication>(argc, argv);
}

}  // namespace

int RunConfigurationTool(int& argc, char** argv, platform::HidAccess& hid, MessageOutput output) {
    return RunConfigurationTool(argc, argv, output, [&hid, output] {
        ConfigurationWindow window(hid, output);
        window.run();
    });
}

int RunConfigurationTool(int& argc, char** argv, MessageOutput output,
                         const std::function<void()>& runWindow) {
    const std::unique_ptr<QApplication> application = OpenApplication(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/art/icon.png")));

    platform::LockFileNames names(platform::DefaultLockDirectory());
    const auto instance = ClaimToolInstance(names, *MakeToolMessages(output, nullptr));
    if (!instance) {
        return EXIT_FAILURE;
    }
    runWindow();
    return EXIT_SUCCESS;  // the tool's name is let go with `instance`
}

}  // namespace lc

#include "app/main/ConfigurationTool.h"

#include <QApplication>
#include <QIcon>
#include <cstdlib>

#include "app/main/ConfigurationWindow.h"
#include "app/main/MessageOutput.h"
#include "app/main/StartUp.h"
#include "platform/posix/LockFileNames.h"

namespace lc {

int RunConfigurationTool(int& argc, char** argv, platform::HidAccess& hid) {
    return RunConfigurationTool(argc, argv, [&hid] {
        ConfigurationWindow window(hid);
        window.run();
    });
}

int RunConfigurationTool(int& argc, char** argv, const std::function<void()>& runWindow) {
    QApplication application(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/art/icon.png")));

    platform::LockFileNames names(platform::DefaultLockDirectory());
    const auto instance = ClaimToolInstance(names, *MakeToolMessages(nullptr));
    if (!instance) {
        return EXIT_FAILURE;
    }
    runWindow();
    return EXIT_SUCCESS;  // the tool's name is let go with `instance`
}

}  // namespace lc

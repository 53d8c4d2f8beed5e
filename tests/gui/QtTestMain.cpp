#include <gtest/gtest.h>

#include <QApplication>

// The widget tests need one QApplication for the whole run; the test presets select the offscreen
// platform (and so does this main when nothing is chosen), so no display is needed.
int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");  // also when the build lists the tests
    }
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

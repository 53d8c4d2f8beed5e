#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cstdlib>

#include "app/main/ConfigurationWindow.h"
#include "platform/Text.h"
#include "sim/BlockFields.h"
#include "sim/LoggerPresets.h"
#include "sim/VirtualHidBus.h"
#include "tests/integration/WindowOnBus.h"
#include "tests/world/SystemLocale.h"
#include "vocabulary/ControlIds.h"

namespace lc {
namespace {

// The real window on a PC set to German, as the desktop starts it: the application takes the system
// language from the environment.
class GermanDesktopWindow : public ::testing::Test {
  protected:
    std::string text(platform::ControlId id) { return platform::Utf16ToUtf8(window.controls().text(id)); }

    sim::VirtualHidBus bus;
    ConfigurationWindow window{bus, FirmwareImages::Load({}), MessageOutput::StandardError};
};

TEST_F(GermanDesktopWindow, ShowsAndWritesTheLoggersFiguresWithAPoint) {
    ASSERT_TRUE(world::WritesDecimalComma()) << "the application must run in the comma-decimal locale";
    const sim::VirtualLogger& logger = bus.plugIn(sim::DemoLogger());
    window.logic().OnInitDialog();
    window.dialog().show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return text(ids::WriteButton) == "写入配置(HID)"; }, 20000));
    // The duration follows the filled interval on a later tick.
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return text(ids::DurationDisplay) == "最大记录时长:140.0天/20164点"; }, 20000))
        << text(ids::DurationDisplay);
    EXPECT_EQ(text(ids::HighTempEdit), "8.0");
    EXPECT_EQ(text(ids::LowHumidityEdit).find(','), std::string::npos);

    auto* highTemp = qobject_cast<QLineEdit*>(window.dialog().control(ids::HighTempEdit));
    ASSERT_NE(highTemp, nullptr);
    highTemp->selectAll();
    QTest::keyClicks(highTemp, QStringLiteral("9.5"));
    QTest::mouseClick(qobject_cast<QPushButton*>(window.dialog().control(ids::WriteButton)), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return testing::CommandsReceived(logger, 0x94) == 1; }, 20000));
    EXPECT_EQ(sim::GetLe16(logger.block(), sim::field::HighTemp), 9.5 * 20);
}

}  // namespace
}  // namespace lc

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    lc::world::UseGeneratedLocales();
    setenv("LC_ALL", lc::world::CommaDecimalLocales[0], 1);
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

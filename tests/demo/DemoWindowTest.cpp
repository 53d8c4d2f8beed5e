#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <chrono>

#include "app/demo/DemoPanel.h"
#include "app/demo/MadeUpFirmware.h"
#include "app/main/ConfigurationWindow.h"
#include "app/main/MessageOutput.h"
#include "sim/BlockFields.h"
#include "sim/LoggerPresets.h"
#include "sim/VirtualHidBus.h"
#include "tests/demo/PanelControls.h"
#include "vocabulary/ControlIds.h"

namespace lc {
namespace {

// The demonstration's composition, the real window beside its panel, shown without its modal run.
class DemoWindowTest : public testing::Test {
  protected:
    // As the window's modal run would, without entering it.
    void showWindow() {
        window.logic().OnInitDialog();
        window.dialog().show();
    }
    QString writeButtonText() {
        return qobject_cast<QPushButton*>(window.dialog().control(ids::WriteButton))->text();
    }
    QStringList logLines() const { return demo_test::PanelLogLines(panel); }
    static qsizetype FirstFrom(const QStringList& lines, const QString& prefix, qsizetype from) {
        for (qsizetype at = from; at < lines.size(); ++at) {
            if (lines[at].startsWith(prefix)) {
                return at;
            }
        }
        return -1;
    }

    sim::VirtualHidBus bus;
    ConfigurationWindow window{bus, demo::MadeUpFirmwareImages(), MessageOutput::StandardError};
    demo::DemoPanel panel{bus, {}, &window.dialog()};
};

// The window runs modally, as in the demonstration; the panel beside it must still take the clicks.
TEST_F(DemoWindowTest, ThePanelTakesClicksWhileTheWindowRunsModally) {
    bool pluggedIn = false;
    QTimer::singleShot(0, &panel, [&] { panel.showBeside(window.dialog()); });
    QTimer::singleShot(200, &panel, [&] {
        // Through the panel's window, as the desktop delivers it: a blocked window would drop it.
        const QPushButton* plugIn = demo_test::PanelButton(panel, "Plug in");
        QTest::mouseClick(panel.windowHandle(), Qt::LeftButton, {},
                          plugIn->mapTo(&panel, plugIn->rect().center()));
        pluggedIn = !bus.enumerate().empty();
        window.dialog().reject();
    });
    window.run();
    EXPECT_TRUE(pluggedIn);
}

// What the made-up images are for: a logger with older firmware shows the whole update in the log.
TEST_F(DemoWindowTest, OlderLoggerIsUpdatedRestartsAndGetsItsSettingsFromOnePress) {
    sim::LoggerDescription older = sim::OlderFirmwareLogger();
    older.restartDelay = std::chrono::milliseconds(100);
    const sim::VirtualLogger& logger = bus.plugIn(older);
    showWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return writeButtonText() == QStringLiteral("写入配置(HID)"); }, 10000));

    QTest::mouseClick(qobject_cast<QPushButton*>(window.dialog().control(ids::WriteButton)), Qt::LeftButton);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return FirstFrom(logLines(), QStringLiteral("rx cmd=0x94"), 0) >= 0; }, 60000));

    EXPECT_EQ(sim::GetFirmwareVersion(logger.block()), 0x4069);
    const QStringList lines = logLines();
    const qsizetype firstFrame = FirstFrom(lines, QStringLiteral("rx cmd=0x93"), 0);
    const qsizetype closing = FirstFrom(lines, QStringLiteral("rx cmd=0x7F"), firstFrame);
    const qsizetype leaves = FirstFrom(lines, QStringLiteral("unplug"), closing);
    const qsizetype returns = FirstFrom(lines, QStringLiteral("plug"), leaves + 1);
    const qsizetype stores = FirstFrom(lines, QStringLiteral("rx cmd=0x94"), returns);
    EXPECT_EQ(lines.first(), QStringLiteral("plug"));
    ASSERT_GE(firstFrame, 0);
    EXPECT_GT(closing, firstFrame);
    EXPECT_EQ(leaves, closing + 1) << "the logger restarts as the closing frame arrives";
    EXPECT_GT(returns, leaves);
    EXPECT_GT(stores, returns) << "the settings go to the restarted logger without a second press";
}

}  // namespace
}  // namespace lc

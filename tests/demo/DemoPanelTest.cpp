#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/demo/DemoPanel.h"
#include "sim/LoggerPresets.h"
#include "sim/VirtualHidBus.h"
#include "tests/demo/PanelControls.h"

namespace lc {
namespace {

// Every line the panel passes on, from whichever thread it came.
class EchoedLines {
  public:
    sim::VirtualHidBus::FrameObserver observer() {
        return [this](const std::string& line) {
            std::lock_guard lock(mutex_);
            lines_.push_back(line);
        };
    }
    std::vector<std::string> lines() const {
        std::lock_guard lock(mutex_);
        return lines_;
    }

  private:
    mutable std::mutex mutex_;
    std::vector<std::string> lines_;
};

platform::HidReport InfoRequestAtStart() {
    platform::HidReport request{};
    request[0] = 0x01;
    request[1] = 0x91;
    request[2] = 6;
    return request;
}

class DemoPanelTest : public testing::Test {
  protected:
    sim::VirtualHidBus bus;
    EchoedLines echoed;
    std::unique_ptr<demo::DemoPanel> panel = std::make_unique<demo::DemoPanel>(bus, echoed.observer());

    QPushButton* button(const char* caption) { return demo_test::PanelButton(*panel, caption); }
    QComboBox& presets() { return *panel->findChild<QComboBox*>(); }
    // The log shows lines on the UI thread's next refresh.
    QStringList logLinesOnceThere(const QStringList& expected) {
        static_cast<void>(
            QTest::qWaitFor([&] { return demo_test::PanelLogLines(*panel) == expected; }, 2000));
        return demo_test::PanelLogLines(*panel);
    }
    std::vector<std::string> pluggedPaths() {
        std::vector<std::string> paths;
        for (const platform::HidInterfaceInfo& present : bus.enumerate()) {
            paths.push_back(present.path);
        }
        return paths;
    }
    // A block read sent the way the link worker sends it: from a thread of its own.
    void requestFromAnotherThread(const std::string& path) {
        std::thread worker([&] {
            const platform::HidHandle writing = bus.openForWriting(path);
            bus.write(writing, InfoRequestAtStart(), 100);
            bus.close(writing);
        });
        worker.join();
    }
    // The first slice of the information block, as the logger at path answers a read of it.
    std::vector<std::uint8_t> firstBlockSlice(const std::string& path) {
        const platform::HidHandle reading = bus.openForReading(path);
        const platform::HidHandle writing = bus.openForWriting(path);
        bus.write(writing, InfoRequestAtStart(), 100);
        platform::HidReport reply{};
        const platform::HidTransfer transfer = bus.read(reading, reply, 1000);
        bus.close(reading);
        bus.close(writing);
        if (transfer.outcome != platform::HidIo::Completed) {
            return {};
        }
        return {reply.begin() + 6, reply.begin() + reply[2]};
    }
};

TEST_F(DemoPanelTest, OffersEveryPresetWithTheDemonstrationLoggerChosenAndNothingPluggedIn) {
    const auto catalogue = sim::PresetCatalogue();
    ASSERT_EQ(presets().count(), static_cast<int>(catalogue.size()));
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        EXPECT_EQ(presets().itemText(static_cast<int>(i)), QString::fromUtf8(catalogue[i].name));
    }
    EXPECT_EQ(presets().currentIndex(), 0);
    EXPECT_TRUE(pluggedPaths().empty());
    EXPECT_TRUE(button("Plug in")->isEnabled());
    EXPECT_FALSE(button("Unplug")->isEnabled());
}

TEST_F(DemoPanelTest, PlugInPutsTheChosenPresetsLoggerOnTheBus) {
    const auto catalogue = sim::PresetCatalogue();
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        SCOPED_TRACE(catalogue[i].name);
        presets().setCurrentIndex(static_cast<int>(i));
        QTest::mouseClick(button("Plug in"), Qt::LeftButton);

        const std::vector<std::string> paths = pluggedPaths();
        ASSERT_EQ(paths.size(), 1U);
        const sim::LoggerDescription expected = catalogue[i].describe();
        const std::vector<std::uint8_t> slice = firstBlockSlice(paths.front());
        ASSERT_EQ(slice.size(), std::min<std::size_t>(expected.sliceBytes, 58));
        EXPECT_TRUE(std::equal(slice.begin(), slice.end(), expected.block.begin()));
        EXPECT_FALSE(presets().isEnabled()) << "the combo names the logger that is in";
        EXPECT_FALSE(button("Plug in")->isEnabled());

        QTest::mouseClick(button("Unplug"), Qt::LeftButton);
        EXPECT_TRUE(pluggedPaths().empty());
        EXPECT_TRUE(presets().isEnabled());
    }
}

TEST_F(DemoPanelTest, ThePresetsLoggerComesBackAsTheSameLoggerAndAnotherPresetIsAnotherLogger) {
    QTest::mouseClick(button("Plug in"), Qt::LeftButton);
    const std::vector<std::string> first = pluggedPaths();
    ASSERT_EQ(first.size(), 1U);
    QTest::mouseClick(button("Unplug"), Qt::LeftButton);
    QTest::mouseClick(button("Plug in"), Qt::LeftButton);
    EXPECT_EQ(pluggedPaths(), first) << "a logger plugged back in keeps what was written to it";

    if (presets().count() > 1) {
        QTest::mouseClick(button("Unplug"), Qt::LeftButton);
        presets().setCurrentIndex(1);
        QTest::mouseClick(button("Plug in"), Qt::LeftButton);
        const std::vector<std::string> second = pluggedPaths();
        ASSERT_EQ(second.size(), 1U);
        EXPECT_NE(second, first);
    }
}

TEST_F(DemoPanelTest, LogsAndEchoesPlugUnplugAndTheFramesFromTheLinkWorkersThread) {
    QTest::mouseClick(button("Plug in"), Qt::LeftButton);
    const std::string path = pluggedPaths().at(0);
    requestFromAnotherThread(path);
    QTest::mouseClick(button("Unplug"), Qt::LeftButton);

    const std::vector<std::string> expected{"plug", "rx cmd=0x91 len=6 off=0 data=", "unplug"};
    EXPECT_EQ(echoed.lines(), expected);
    const QStringList shown{"plug", "rx cmd=0x91 len=6 off=0 data=", "unplug"};
    EXPECT_EQ(logLinesOnceThere(shown), shown);
}

TEST_F(DemoPanelTest, AfterThePanelHasGoneTheBusStillEchoesItsLines) {
    QTest::mouseClick(button("Plug in"), Qt::LeftButton);
    const std::string path = pluggedPaths().at(0);
    panel.reset();
    requestFromAnotherThread(path);
    EXPECT_EQ(echoed.lines(), (std::vector<std::string>{"plug", "rx cmd=0x91 len=6 off=0 data="}));
}

}  // namespace
}  // namespace lc

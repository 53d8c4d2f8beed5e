#pragma once

#include <gtest/gtest.h>

#include "sim/VirtualHidBus.h"
#include "tests/integration/WindowOnBus.h"
#include "vocabulary/ControlIds.h"

namespace lc::testing {

// The configuration tool as start-up leaves it, without firmware images, ticked one step at a time.
struct ToolUnderTest : WindowOnBus {
    WindowState& state() { return window.state(); }
    void tick() { timer.fire(); }

    bool noticePosted(LinkEvent event) {
        return eventually([&] { return state().session.linkEvent.load() == event; });
    }

    // Plugs a logger in and lets the tick take it, as the technician sees it happen.
    sim::VirtualLogger& plugInAndTake(const sim::LoggerDescription& description) {
        sim::VirtualLogger& logger = bus.plugIn(description);
        EXPECT_TRUE(noticePosted(LinkEvent::Opened));
        tick();
        return logger;
    }

    void expectThresholdEdits(bool temperature, bool humidity) const {
        EXPECT_EQ(controls.isEnabled(ids::HighTempEdit), temperature);
        EXPECT_EQ(controls.isEnabled(ids::LowTempEdit), temperature);
        EXPECT_EQ(controls.isEnabled(ids::HighHumidityEdit), humidity);
        EXPECT_EQ(controls.isEnabled(ids::LowHumidityEdit), humidity);
    }

    void unplugAndTake(const sim::VirtualLogger& logger) {
        bus.unplug(logger);
        EXPECT_TRUE(noticePosted(LinkEvent::Removed));
        tick();
    }
};

}  // namespace lc::testing

#include "protocol/ApplyInfoBlock.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Text.h"
#include "tests/fakes/FakeControls.h"
#include "tests/fakes/FakeMessageBox.h"
#include "tests/protocol/InfoBlockFixture.h"
#include "vocabulary/ControlIds.h"

namespace lc {
namespace {

using namespace infoblock;
using testing::InfoBlockBuilder;

// Every addressable control's visible state, to tell what a step changed.
struct FormState {
    struct Entry {
        platform::ControlId id;
        std::u16string text;
        bool enabled, checked;
        int selection;
        bool operator==(const Entry&) const = default;
    };
    explicit FormState(const fakes::FakeControls& controls) {
        for (platform::ControlId id = 1000; id < 2500; ++id) {
            if (controls.has(id)) {
                const auto& c = controls.control(id);
                entries.push_back({id, c.text, c.enabled, c.checked, c.selection});
            }
        }
    }
    std::vector<platform::ControlId> changedSince(const FormState& before) const {
        std::vector<platform::ControlId> changed;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (!(entries[i] == before.entries[i])) {
                changed.push_back(entries[i].id);
            }
        }
        return changed;
    }
    std::vector<Entry> entries;
};

class ApplyInfoBlockTest : public ::testing::Test {
  protected:
    ApplyInfoBlockTest() {
        logger.logger(0x65, 0xE1)
            .byte(MemoryExponent, 19)
            .byte(ReportLanguageCode, 1)
            .byte(ChannelCode, 3)
            .dword(StartDelaySeconds, 600)
            .text(DeviceId, "NEXT-7")
            .text(DeviceName, "Cold room");
        info.recordCapacity = 52428;
    }
    bool apply(bool fullFill) {
        return ApplyInfoBlock({{controls, messages}, logger.block, info, thresholds, changes, clock},
                              fullFill);
    }

    fakes::FakeControls controls;
    fakes::FakeMessageBox messages;
    InfoBlockBuilder logger;
    DeviceInfo info;
    AlertThresholds thresholds;
    ChangeFlags changes;
    LoggerClock clock{24, 6, 15, 10, 0, 0};
};

TEST_F(ApplyInfoBlockTest, AnAcceptedLoggerFillsTheFormAndAsksForTheCapacityRefresh) {
    EXPECT_TRUE(apply(true));
    EXPECT_EQ(info.capabilityFlags, 0xE1);
    EXPECT_EQ(info.recordCapacity, 10000u);
    EXPECT_TRUE(changes.isSet(change::RefreshChannel));
    EXPECT_EQ(controls.text(ids::DeviceNameEdit), u"Cold room");
    EXPECT_EQ(controls.text(ids::StartDelayEdit), u"10");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ApplyInfoBlockTest, WithTheLockOnOnlyTheDeviceIdFollowsTheLogger) {
    controls.setChecked(ids::LockBox, true);
    const FormState before(controls);
    EXPECT_TRUE(apply(false));
    EXPECT_EQ(FormState(controls).changedSince(before), std::vector<platform::ControlId>{ids::DeviceIdEdit});
    EXPECT_EQ(controls.text(ids::DeviceIdEdit), u"NEXT-7");
    EXPECT_TRUE(changes.isSet(change::RefreshChannel));
}

TEST_F(ApplyInfoBlockTest, ARefusedLoggerIsDecodedButLeavesTheFormAlone) {
    enum class Refusal { ToolVersion, Calibration };
    struct Case {
        Refusal refusal;
        bool lockChecked;
        bool refreshAsked;
    };
    const Case cases[] = {{Refusal::ToolVersion, false, true},
                          {Refusal::ToolVersion, true, false},
                          {Refusal::Calibration, false, true},
                          {Refusal::Calibration, true, false}};
    const InfoBlockBuilder accepted = logger;
    for (const Case& c : cases) {
        logger = accepted;
        if (c.refusal == Refusal::ToolVersion) {
            logger.word(RequiredToolVersion, 0x0319);
        } else {
            logger.byte(ModelCode, 4);  // unstamped: expired since June 2021
        }
        controls.setChecked(ids::LockBox, c.lockChecked);
        changes = ChangeFlags{};
        messages.shown.clear();
        info.recordCapacity = 52428;
        const FormState before(controls);
        const std::string where =
            std::to_string(static_cast<int>(c.refusal)) + (c.lockChecked ? " locked" : "");

        EXPECT_FALSE(apply(!c.lockChecked)) << where;
        EXPECT_TRUE(FormState(controls).changedSince(before).empty()) << where;
        EXPECT_EQ(messages.shown.size(), 1u) << where;
        EXPECT_EQ(info.capabilityFlags, 0xE1) << where;
        EXPECT_EQ(info.recordCapacity, 10000u) << where;
        EXPECT_EQ(changes.isSet(change::RefreshChannel), c.refreshAsked) << where;
    }
}

}  // namespace
}  // namespace lc

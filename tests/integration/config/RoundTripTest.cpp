#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/Text.h"
#include "sim/BlockFields.h"
#include "sim/LoggerPresets.h"
#include "tests/integration/WindowOnBus.h"
#include "vocabulary/ControlIds.h"

namespace lc::testing {
namespace {

// How a setting is shown and changed. The device ID is the logger's own: the technician never edits it.
enum class Kind { Edit, Combo, Box, LoggersOwn };

struct SettingControl {
    const char* name;
    platform::ControlId id;
    Kind kind;
};

// Every control that shows a setting the logger stores, in the order a technician fills them in: the
// unit before the thresholds typed in it; the alert switch and the channel last, because they lock
// threshold edits. Auto start is written but not kept in the logger's information, so no read shows it.
constexpr SettingControl StoredSettingControls[] = {
    {"zone", ids::ZoneCombo, Kind::Combo},
    {"date format", ids::DateFormatCombo, Kind::Combo},
    {"report language", ids::ReportLanguageCombo, Kind::Combo},
    {"unit", ids::UnitCombo, Kind::Combo},
    {"start delay", ids::StartDelayEdit, Kind::Edit},
    {"interval", ids::IntervalEdit, Kind::Edit},
    {"low temperature", ids::LowTempEdit, Kind::Edit},
    {"high temperature", ids::HighTempEdit, Kind::Edit},
    {"low humidity", ids::LowHumidityEdit, Kind::Edit},
    {"high humidity", ids::HighHumidityEdit, Kind::Edit},
    {"brand", ids::BrandEdit, Kind::Edit},
    {"device name", ids::DeviceNameEdit, Kind::Edit},
    {"custom text", ids::CustomTextEdit, Kind::Edit},
    {"web address", ids::WebAddressEdit, Kind::Edit},
    {"device ID", ids::DeviceIdEdit, Kind::LoggersOwn},
    {"ignore last", ids::IgnoreLastEdit, Kind::Edit},
    {"push delete", ids::PushDeleteBox, Kind::Box},
    {"alert", ids::AlertBox, Kind::Box},
    {"channel", ids::ChannelCombo, Kind::Combo},
};

constexpr const char* Checked = "checked";
constexpr const char* Unchecked = "unchecked";

// What the form shows of each stored setting, by name: an edit's text, a combo's selected item, a
// box's state.
using FormView = std::map<std::string, std::string>;

FormView Shown(const fakes::FakeControls& controls) {
    FormView view;
    for (const SettingControl& control : StoredSettingControls) {
        switch (control.kind) {
            case Kind::Edit:
            case Kind::LoggersOwn:
                view[control.name] = platform::Utf16ToUtf8(controls.text(control.id));
                break;
            case Kind::Combo:
                view[control.name] =
                    platform::Utf16ToUtf8(controls.items(control.id).at(controls.selection(control.id)));
                break;
            case Kind::Box:
                view[control.name] = controls.isChecked(control.id) ? Checked : Unchecked;
                break;
        }
    }
    return view;
}

// The settings the form shows otherwise than written, one line each; empty when it shows them all.
std::vector<std::string> Mismatches(const FormView& shown, const FormView& written) {
    std::vector<std::string> lines;
    for (const auto& [name, text] : written) {
        if (shown.at(name) != text) {
            lines.push_back(name + ": shows \"" + shown.at(name) + "\", written \"" + text + "\"");
        }
    }
    return lines;
}

class ConfigRoundTrip : public ::testing::Test {
  protected:
    ConfigRoundTrip() { tool.timer.fire(); }

    std::string button() const { return tool.text(ids::WriteButton); }

    sim::VirtualLogger& plugInAndRead(const sim::LoggerDescription& description) {
        sim::VirtualLogger& logger = tool.bus.plugIn(description);
        EXPECT_TRUE(tool.runWindowUntil([&] { return button() == "写入配置(HID)"; }));
        return logger;
    }
    void plugBackInAndRead(const sim::VirtualLogger& logger) {
        tool.bus.plugBackIn(logger);
        EXPECT_TRUE(tool.runWindowUntil([&] { return button() == "写入配置(HID)"; }));
    }
    void unplug(const sim::VirtualLogger& logger) {
        tool.bus.unplug(logger);
        EXPECT_TRUE(tool.runWindowUntil([&] { return button() == "请插入设备"; }));
    }

    // The technician's way through the form, one action a tick. The web address opens to editing once
    // the lock box has been set and cleared.
    void fillIn(const FormView& settings) {
        for (int click = 0; click < 2; ++click) {
            ASSERT_TRUE(tool.controls.userClick(ids::LockBox));
            tool.timer.fire();
        }
        for (const SettingControl& control : StoredSettingControls) {
            const std::string& wanted = settings.at(control.name);
            switch (control.kind) {
                case Kind::Edit:
                    EXPECT_TRUE(tool.controls.userType(control.id, platform::Utf8ToUtf16(wanted)))
                        << control.name;
                    break;
                case Kind::Combo: {
                    const std::vector<std::u16string> items = tool.controls.items(control.id);
                    const auto item = std::ranges::find(items, platform::Utf8ToUtf16(wanted));
                    ASSERT_NE(item, items.end()) << control.name;
                    EXPECT_TRUE(tool.controls.userSelect(control.id, static_cast<int>(item - items.begin())))
                        << control.name;
                    break;
                }
                case Kind::Box:
                    if (tool.controls.isChecked(control.id) != (wanted == Checked)) {
                        EXPECT_TRUE(tool.controls.userClick(control.id)) << control.name;
                    }
                    break;
                case Kind::LoggersOwn:
                    break;
            }
            tool.timer.fire();
        }
    }

    void write(const sim::VirtualLogger& logger) {
        const long storedBefore = CommandsReceived(logger, 0x94);
        ASSERT_TRUE(tool.controls.userClick(ids::WriteButton));
        tool.timer.fire();
        EXPECT_TRUE(tool.runWindowUntil([&] { return CommandsReceived(logger, 0x94) == storedBefore + 1; }));
    }

    WindowOnBus tool;
};

// Settings typed in degrees Celsius, every text as wide as its field.
const FormView InCelsius{
    {"zone", "UTC-05:30"},
    {"date format", "日/月/年"},
    {"report language", "English"},
    {"unit", "℃"},
    {"start delay", "1440"},
    {"interval", "1"},
    {"low temperature", "-39.9"},
    {"high temperature", "37.8"},
    {"low humidity", "0.0"},
    {"high humidity", "100.0"},
    {"brand", "ACME Cold Chain 2024"},
    {"device name", "冷库3号 north wall"},
    {"custom text",
     "Keep between 2 and 8 degrees Celsius; report each excursion to quality assurance at once, "
     "thank you!"},
    {"web address", "https://cold-chain.example.com/loggers/registry/a7"},
    {"device ID", "CR3-NORTH-0000000042"},
    {"ignore last", "99"},
    {"push delete", Checked},
    {"alert", Checked},
    {"channel", "温度+湿度"},
};

// Other settings, the thresholds typed in degrees Fahrenheit, the optional texts empty.
const FormView InFahrenheit{
    {"zone", "UTC-00:30"},
    {"date format", "月/日/年"},
    {"report language", "简体中文"},
    {"unit", "℉"},
    {"start delay", "0"},
    {"interval", "1440"},
    {"low temperature", "33.0"},
    {"high temperature", "185.0"},
    {"low humidity", "35.5"},
    {"high humidity", "55.5"},
    {"brand", "B"},
    {"device name", "Truck 7"},
    {"custom text", ""},
    {"web address", ""},
    {"device ID", "T7"},
    {"ignore last", "0"},
    {"push delete", Unchecked},
    {"alert", Unchecked},
    {"channel", "湿度"},
};

// The demonstration logger under its own device ID.
sim::LoggerDescription LoggerWithId(const char* deviceId) {
    sim::LoggerDescription description = sim::DemoLogger();
    sim::PutText(description.block, sim::field::DeviceId, 20, deviceId);
    return description;
}

TEST_F(ConfigRoundTrip, ALoggerPluggedInAgainShowsExactlyWhatWasWrittenInEitherUnit) {
    // Each read must replace every setting the form showed before, or it could pass for a stored one.
    for (const auto& [name, shown] : InCelsius) {
        ASSERT_NE(shown, InFahrenheit.at(name)) << name;
    }

    sim::VirtualLogger& first = plugInAndRead(LoggerWithId(InCelsius.at("device ID").c_str()));
    fillIn(InCelsius);
    ASSERT_EQ(Mismatches(Shown(tool.controls), InCelsius), std::vector<std::string>{});
    write(first);
    unplug(first);

    sim::VirtualLogger& second = plugInAndRead(LoggerWithId(InFahrenheit.at("device ID").c_str()));
    fillIn(InFahrenheit);
    ASSERT_EQ(Mismatches(Shown(tool.controls), InFahrenheit), std::vector<std::string>{});
    write(second);
    unplug(second);

    plugBackInAndRead(first);
    EXPECT_EQ(Mismatches(Shown(tool.controls), InCelsius), std::vector<std::string>{});
    unplug(first);

    plugBackInAndRead(second);
    EXPECT_EQ(Mismatches(Shown(tool.controls), InFahrenheit), std::vector<std::string>{});
    EXPECT_EQ(tool.messages.texts(), std::vector<std::string>{});

    // Behind each shorter text the logger keeps zeros, not the tail of the longer one written before.
    struct TextSlot {
        const char* name;
        std::size_t offset;
        std::size_t width;
    };
    const TextSlot textSlots[] = {{"brand", sim::field::Brand, 20},
                                  {"device name", sim::field::DeviceName, 20},
                                  {"custom text", sim::field::CustomText, 100},
                                  {"web address", sim::field::WebAddress, 50}};
    const sim::LoggerBlock stored = second.block();
    sim::LoggerBlock expected = stored;
    for (const TextSlot& slot : textSlots) {
        sim::PutText(expected, slot.offset, slot.width, InFahrenheit.at(slot.name));
    }
    EXPECT_EQ(stored, expected);
}

TEST_F(ConfigRoundTrip, OnePressRightAfterTheReadSendsEveryItemOnceAndClosesWithTheStore) {
    const sim::VirtualLogger& logger = plugInAndRead(sim::DemoLogger());
    const std::size_t beforePress = logger.receivedReports().size();
    write(logger);
    // Later ticks send nothing more: the button waits for the logger's removal.
    for (int tick = 0; tick < 10; ++tick) {
        tool.timer.fire();
    }

    const std::vector<platform::HidReport> all = logger.receivedReports();
    const std::vector<platform::HidReport> sent(all.begin() + static_cast<std::ptrdiff_t>(beforePress),
                                                all.end());
    ASSERT_EQ(sent.size(), 32u);
    EXPECT_EQ(sent.front()[1], 0x49);  // the tool's version opens the settings
    EXPECT_EQ(sent[30][1], 0xFF);
    EXPECT_EQ(sent[31][1], 0x94);
    // The form's own custom text, as the logger shows it, travels in the two frames of its item.
    const std::string shown = tool.text(ids::CustomTextEdit);
    std::vector<std::uint8_t> customText(100, 0);
    std::ranges::copy(shown, customText.begin());
    std::vector<std::uint8_t> travelled(&sent[3][6], &sent[3][6 + 58]);
    travelled.insert(travelled.end(), &sent[4][6], &sent[4][6 + 42]);
    EXPECT_EQ(sent[3][1], 0x19);
    EXPECT_EQ(sent[4][1], 0x19);
    EXPECT_EQ(travelled, customText);
    EXPECT_EQ(tool.messages.texts(), std::vector<std::string>{});
}

}  // namespace
}  // namespace lc::testing

#include "form/FormCollection.h"

#include <array>
#include <cstdint>
#include <span>

#include "form/ControlReaders.h"
#include "form/FieldParsers.h"
#include "form/TemperatureThresholds.h"
#include "form/TextControlReader.h"
#include "form/ZoneText.h"
#include "platform/Text.h"
#include "vocabulary/ControlIds.h"

namespace lc {

namespace {

constexpr std::uint8_t TemperatureChannelBit = 0x20;
constexpr std::uint8_t HumidityChannelBit = 0x40;
constexpr std::uint8_t FahrenheitBit = 0x80;
constexpr std::uint8_t ConfigurationLockedBit = 0x04;
constexpr std::uint16_t FirstFirmwareWithLock = 0x4061;

constexpr std::uint8_t TemperatureChannel = 1;
constexpr std::uint8_t HumidityChannel = 2;
constexpr std::uint8_t BothChannels = 3;

void Show(platform::Ui& ui, const char* message) {
    ui.messages.show(platform::Utf8ToUtf16(message));
}

// Read from the window-language combo when the message is shown: 0 Chinese, anything else English.
void ShowInWindowLanguage(platform::Ui& ui, const char* chinese, const char* english) {
    Show(ui, ui.controls.selection(ids::WindowLanguageCombo) == 0 ? chinese : english);
}

std::uint8_t SelectionByte(const platform::Controls& controls, platform::ControlId id) {
    return static_cast<std::uint8_t>(controls.selection(id));
}

bool CollectZone(platform::Ui& ui, ConfigDraft& draft) {
    std::int32_t total = 0;
    if (!ParseZoneText(ui.messages, ui.controls.text(ids::ZoneCombo), total)) {
        return false;
    }
    draft.zoneHours = static_cast<std::int8_t>(total / 60);
    draft.zoneMinutes = static_cast<std::int8_t>(total - 60 * draft.zoneHours);
    return true;
}

bool CollectRecording(platform::Ui& ui, ConfigDraft& draft) {
    return ReadIntegerControl(ui, ids::StartDelayEdit, draft.startDelayMinutes, 1440, "启动延时参数错误") ==
               FieldCode::Ok &&
           ReadIntegerControl(ui, ids::IntervalEdit, draft.intervalMinutes, 1440, "采样间隔参数错误") ==
               FieldCode::Ok;
}

bool CollectChannel(platform::Ui& ui, const DeviceInfo& info, ConfigDraft& draft) {
    const bool temperature = (info.capabilityFlags & TemperatureChannelBit) != 0;
    const bool humidity = (info.capabilityFlags & HumidityChannelBit) != 0;
    switch (ui.controls.selection(ids::ChannelCombo)) {
        case 1:
            if (!humidity) {
                Show(ui, "当前设备不支持湿度通道,\r\n请修改通道选择参数!");
                return false;
            }
            draft.channel = HumidityChannel;
            return true;
        case 2:
            if (!temperature || !humidity) {
                Show(ui, "当前设备不支持同时测量温湿度,\r\n请修改通道选择参数!");
                return false;
            }
            draft.channel = BothChannels;
            return true;
        default:
            if (!temperature) {
                Show(ui, "当前设备不支持温度通道,\r\n请修改通道选择参数!");
                return false;
            }
            draft.channel = TemperatureChannel;
            return true;
    }
}

bool CollectUnit(platform::Ui& ui, const DeviceInfo& info, ConfigDraft& draft) {
    draft.temperatureUnit = SelectionByte(ui.controls, ids::UnitCombo);
    if (draft.temperatureUnit == 1 && (info.capabilityFlags & FahrenheitBit) == 0) {
        Show(ui, "当前设备不支持℉温度单位, 请修改温度单位选择参数!");
        return false;
    }
    return true;
}

// A threshold is read when its edit is enabled or the channel measures its quantity; otherwise the
// draft keeps what the last collection read.
bool ThresholdWanted(const platform::Controls& controls, platform::ControlId edit, const ConfigDraft& draft,
                     std::uint8_t channelBit) {
    return controls.isEnabled(edit) || (draft.channel & channelBit) != 0;
}

bool CollectTemperatures(platform::Ui& ui, const DeviceInfo& info, AlertThresholds& thresholds,
                         const ConfigDraft& draft) {
    if (ThresholdWanted(ui.controls, ids::LowTempEdit, draft, TemperatureChannel) &&
        !ReadLowTempThreshold(ui, info, thresholds, "低温警告参数错误")) {
        return false;
    }
    if (!ThresholdWanted(ui.controls, ids::HighTempEdit, draft, TemperatureChannel)) {
        return true;
    }
    if (!ReadHighTempThreshold(ui, info, thresholds, "高温警告参数错误")) {
        return false;
    }
    if (!(thresholds.lowC < thresholds.highC)) {
        ShowInWindowLanguage(ui, "高温警告值必须大于低温警告值", "High Temp must be greater than Low Temp");
        ui.controls.setFocus(ids::LowTempEdit);
        return false;
    }
    return true;
}

bool CollectHumidities(platform::Ui& ui, ConfigDraft& draft) {
    if (ThresholdWanted(ui.controls, ids::LowHumidityEdit, draft, HumidityChannel) &&
        ReadDecimalControl(ui, ids::LowHumidityEdit, draft.lowHumidity, 0.0, 100.0, "低湿警告参数错误") !=
            FieldCode::Ok) {
        return false;
    }
    if (!ThresholdWanted(ui.controls, ids::HighHumidityEdit, draft, HumidityChannel)) {
        return true;
    }
    if (ReadDecimalControl(ui, ids::HighHumidityEdit, draft.highHumidity, 0.0, 100.0, "高湿警告参数错误") !=
        FieldCode::Ok) {
        return false;
    }
    if (!(draft.lowHumidity < draft.highHumidity)) {
        ShowInWindowLanguage(ui, "高湿警告值必须大于低湿警告值",
                             "High Humidity  must be greater than Low Humidity");
        ui.controls.setFocus(ids::LowHumidityEdit);
        return false;
    }
    return true;
}

void CollectOptions(const platform::Controls& controls, ConfigDraft& draft) {
    draft.reportLanguage = SelectionByte(controls, ids::ReportLanguageCombo);
    draft.batteryType = SelectionByte(controls, ids::BatteryCombo);
    draft.pushDelete = controls.isChecked(ids::PushDeleteBox) ? 1 : 0;
    draft.alertEnabled = controls.isChecked(ids::AlertBox) ? 1 : 0;
}

struct TextField {
    platform::ControlId edit;
    std::span<std::uint8_t> bytes;
    bool checkCharacters;
    bool allowEmpty;
    FieldLabel label;
};

bool CollectTexts(platform::Ui& ui, ConfigDraft& draft) {
    const std::array<TextField, 5> fields{{
        {ids::BrandEdit, draft.brand, false, false, "商标参数错误"},
        {ids::DeviceNameEdit, draft.deviceName, false, false, "设备名称错误"},
        {ids::CustomTextEdit, draft.customText, false, true, "自定义信息错误"},
        {ids::WebAddressEdit, draft.webAddress, true, true, "网址错误"},
        {ids::DeviceIdEdit, draft.deviceId, true, false, "设备ID错误"},
    }};
    for (const TextField& field : fields) {
        if (!ReadTextControl(ui, field.edit, field.bytes, field.checkCharacters, field.allowEmpty,
                             field.label)) {
            return false;
        }
    }
    return true;
}

bool CollectIgnoreLast(platform::Ui& ui, ConfigDraft& draft) {
    std::int32_t ignoreLast = 0;
    if (ReadIntegerControl(ui, ids::IgnoreLastEdit, ignoreLast, 99, "忽略点数参数错误") != FieldCode::Ok) {
        return false;
    }
    draft.ignoreLast = static_cast<std::uint16_t>(ignoreLast);
    return true;
}

// A logger that refuses configuration says so only after every field has passed.
bool LoggerAcceptsConfiguration(platform::Ui& ui, const DeviceInfo& info) {
    if (info.firmwareVersion >= FirstFirmwareWithLock && (info.stateFlags & ConfigurationLockedBit) != 0) {
        Show(ui, "配置操作被拒绝");
        return false;
    }
    return true;
}

}  // namespace

bool CollectConfigDraft(platform::Ui& ui, const DeviceInfo& info, AlertThresholds& thresholds,
                        ConfigDraft& draft) {
    if (!CollectZone(ui, draft)) {
        return false;
    }
    draft.dateFormat = SelectionByte(ui.controls, ids::DateFormatCombo);
    if (!CollectRecording(ui, draft) || !CollectChannel(ui, info, draft) || !CollectUnit(ui, info, draft) ||
        !CollectTemperatures(ui, info, thresholds, draft) || !CollectHumidities(ui, draft)) {
        return false;
    }
    CollectOptions(ui.controls, draft);
    return CollectTexts(ui, draft) && CollectIgnoreLast(ui, draft) && LoggerAcceptsConfiguration(ui, info);
}

}  // namespace lc

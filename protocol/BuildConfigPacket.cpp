#include "protocol/BuildConfigPacket.h"

#include <span>

#include "protocol/ConfigItem.h"
#include "protocol/ValueEncoding.h"
#include "vocabulary/ControlIds.h"

namespace lc {

namespace {

// Firmware of major number 32 and above takes seconds, twentieths of a degree and the humidity, zone
// and date settings; older firmware takes minutes and tenths of a degree.
constexpr std::uint8_t FirstNewGenerationMajor = 0x20;

// Every new-generation logger is sent this fixed value under tag 0x40.
constexpr std::int64_t Tag40Value = 300;

class ItemWriter {
  public:
    ItemWriter(ConfigPacket& packet, const DeviceInfo& info) : packet_(packet), info_(info) {}

    void add(std::uint8_t tag, std::span<const std::uint8_t> value) {
        appended_ = appended_ && AppendConfigItem(packet_, info_, tag, value);
    }
    void addByte(std::uint8_t tag, std::uint8_t value) { add(tag, std::array{value}); }
    bool appended() const { return appended_; }

  private:
    ConfigPacket& packet_;
    const DeviceInfo& info_;
    bool appended_ = true;
};

void AddLeadingItems(ItemWriter& items, const PacketSources& sources) {
    const ConfigDraft& draft = sources.draft;
    const LoggerClock& clock = sources.clock;
    items.add(0x49, LittleEndian<2>(ToolVersion));
    items.addByte(0x0D, draft.reportLanguage);
    items.add(0x25, LittleEndian<2>(draft.ignoreLast));
    items.add(0x19, draft.customText);
    items.add(0x03, std::array{clock.year, clock.month, clock.day, clock.hour, clock.minute, clock.second});
    items.addByte(0x4A, draft.pushDelete);
    items.addByte(0x4F, draft.alertEnabled);
    items.addByte(0x4D, 1);
    items.addByte(0x82, sources.controls.isChecked(ids::AutoStartBox) ? 1 : 0);
    items.addByte(0x0F, draft.temperatureUnit);
}

void AddOldGenerationItems(ItemWriter& items, const PacketSources& sources) {
    items.add(0x05, LittleEndian<2>(sources.draft.startDelayMinutes));
    items.add(0x07, LittleEndian<2>(sources.draft.intervalMinutes));
    items.add(0x09, ScaledValue(sources.thresholds.highC, 10.0));
    items.add(0x0B, ScaledValue(sources.thresholds.lowC, 10.0));
    items.add(0x1B, LittleEndian<2>(0));
}

void AddNewGenerationItems(ItemWriter& items, const PacketSources& sources) {
    const ConfigDraft& draft = sources.draft;
    items.add(0x06, LittleEndian<4>(std::int64_t{draft.startDelayMinutes} * 60));
    items.add(0x08, LittleEndian<4>(std::int64_t{draft.intervalMinutes} * 60));
    items.add(0x09, ScaledValue(sources.thresholds.highC, 20.0));
    items.add(0x0B, ScaledValue(sources.thresholds.lowC, 20.0));
    items.add(0x2F, LittleEndian<4>(0));
    items.add(0x31, LittleEndian<4>(0));
    items.add(0x33, ScaledValue(draft.highHumidity, 10.0));
    items.add(0x35, ScaledValue(draft.lowHumidity, 10.0));
    items.add(0x37, LittleEndian<4>(0));
    items.add(0x39, LittleEndian<4>(0));
    items.addByte(0x3D, draft.channel);
    items.add(0x43, std::array{static_cast<std::uint8_t>(draft.zoneHours),
                               static_cast<std::uint8_t>(draft.zoneMinutes)});
    items.addByte(0x44, draft.dateFormat);
    items.add(0x40, LittleEndian<4>(Tag40Value));
}

void AddTrailingItems(ItemWriter& items, const ConfigDraft& draft) {
    items.add(0x15, draft.deviceName);
    items.add(0x2D, draft.brand);
    items.addByte(0x27, draft.batteryType);
    items.add(0x11, draft.deviceId);
    items.add(0x17, draft.webAddress);
    items.add(item::EndOfSettings, {});
}

}  // namespace

bool BuildConfigPacket(const PacketSources& sources, ConfigPacket& packet) {
    if (packet.usedLength != 0) {
        return false;
    }
    packet.buffer.fill(0);
    const bool newGeneration = (sources.info.firmwareVersion >> 8) >= FirstNewGenerationMajor;
    if (!newGeneration) {
        sources.draft.temperatureUnit = 0;  // old firmware knows Celsius only
    }
    ItemWriter items(packet, sources.info);
    AddLeadingItems(items, sources);
    if (newGeneration) {
        AddNewGenerationItems(items, sources);
    } else {
        AddOldGenerationItems(items, sources);
    }
    AddTrailingItems(items, sources.draft);
    if (!items.appended()) {
        packet = ConfigPacket{};
        return false;
    }
    packet.writeStage = WriteStage::PacketReady;
    return true;
}

}  // namespace lc

#include "app/ChannelRule.h"

#include "protocol/Gates.h"
#include "vocabulary/ControlIds.h"

namespace lc {
namespace {

constexpr int Humidity = 1;
constexpr int TemperatureAndHumidity = 2;
constexpr std::uint32_t HumidityRecordBits = 10;

}  // namespace

std::uint32_t RecordCapacity(std::uint32_t memorySize, std::uint8_t recordBits, int channel) {
    std::uint32_t bitsPerRecord = recordBits;
    if (channel == Humidity) {
        bitsPerRecord = HumidityRecordBits;
    } else if (channel == TemperatureAndHumidity) {
        bitsPerRecord = recordBits + HumidityRecordBits;
    }
    if (bitsPerRecord == 0) {
        return 0;
    }
    return memorySize * 8 / bitsPerRecord;
}

void ApplyChannelRule(platform::Controls& controls, bool loggerAttached, DeviceInfo& info,
                      ChangeFlags& changes) {
    if (!loggerAttached) {
        return;
    }
    const int channel = controls.selection(ids::ChannelCombo);
    info.recordCapacity = RecordCapacity(info.memorySize, info.recordBits, channel);

    const bool locked = AlertsLocked(controls, info) || controls.isChecked(ids::LockBox);
    const bool temperature = !locked && channel != Humidity;
    const bool humidity = !locked && (channel == Humidity || channel == TemperatureAndHumidity);
    controls.enable(ids::HighTempEdit, temperature);
    controls.enable(ids::LowTempEdit, temperature);
    controls.enable(ids::HighHumidityEdit, humidity);
    controls.enable(ids::LowHumidityEdit, humidity);
    for (platform::ControlId id :
         {ids::HighTempEdit, ids::LowTempEdit, ids::HighHumidityEdit, ids::LowHumidityEdit}) {
        controls.invalidate(id);
    }
    changes.set(change::RefreshDuration);
}

}  // namespace lc

#pragma once

#include <cstdint>

#include "app/resources/WindowTexts.h"
#include "form/AlertThresholds.h"
#include "form/ChangeFlags.h"
#include "form/ClockDisplayMemory.h"
#include "form/ConfigDraft.h"
#include "form/LoggerClock.h"
#include "link/DeviceSession.h"
#include "protocol/ConfigPacket.h"
#include "protocol/DeviceInfo.h"
#include "protocol/InfoBlock.h"

namespace lc {

// Everything one configuration window remembers between handlers and ticks. One object per window, so
// that every test builds a fresh tool.
struct WindowState {
    ChangeFlags changeFlags;
    bool firstTickDone = false;
    std::int32_t writeReady = 0;  // 1 while the write button offers writing
    UiLanguage uiLanguage = UiLanguage::Chinese;

    DeviceSession session;
    DeviceInfo deviceInfo;
    InfoBlock infoBlock;
    ConfigPacket configPacket;
    ConfigDraft configDraft;
    AlertThresholds thresholds;
    LoggerClock loggerClock;
    ClockDisplayMemory clockDisplay;
};

}  // namespace lc

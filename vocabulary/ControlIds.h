#pragma once

#include "platform/Controls.h"

namespace lc::ids {

using platform::ControlId;

// Controls without an id of their own (the slogan, the "%RH" units).
inline constexpr ControlId None = -1;

// Recording settings.
inline constexpr ControlId RecordingGroup = 1066;
inline constexpr ControlId StartDelayCaption = 1067;
inline constexpr ControlId StartDelayEdit = 2411;
inline constexpr ControlId StartDelayUnit = 1068;
inline constexpr ControlId IntervalCaption = 1069;
inline constexpr ControlId IntervalEdit = 2412;
inline constexpr ControlId IntervalUnit = 1070;
inline constexpr ControlId AutoStartBox = 1060;
inline constexpr ControlId AutoStartCaption = 1071;
inline constexpr ControlId DurationDisplay = 1303;

// Alert settings.
inline constexpr ControlId AlertGroup = 1072;
inline constexpr ControlId ChannelCaption = 1073;
inline constexpr ControlId ChannelCombo = 1103;
inline constexpr ControlId UnitCaption = 1074;
inline constexpr ControlId UnitCombo = 1106;
inline constexpr ControlId AlertBox = 1057;
inline constexpr ControlId AlertCaption = 1078;
inline constexpr ControlId ReportLanguageCaption = 1075;
inline constexpr ControlId ReportLanguageCombo = 1104;
inline constexpr ControlId LowTempCaption = 1076;
inline constexpr ControlId LowTempEdit = 2401;
inline constexpr ControlId LowTempUnit = 1046;
inline constexpr ControlId HighTempCaption = 1077;
inline constexpr ControlId HighTempEdit = 2402;
inline constexpr ControlId HighTempUnit = 1047;
inline constexpr ControlId LowHumidityCaption = 1079;
inline constexpr ControlId LowHumidityEdit = 2403;
inline constexpr ControlId HighHumidityCaption = 1080;
inline constexpr ControlId HighHumidityEdit = 2404;

// Information settings.
inline constexpr ControlId InformationGroup = 1062;
inline constexpr ControlId BrandCaption = 1081;
inline constexpr ControlId BrandEdit = 2405;
inline constexpr ControlId DeviceNameCaption = 1082;
inline constexpr ControlId DeviceNameEdit = 2406;
inline constexpr ControlId CustomTextCaption = 1083;
inline constexpr ControlId CustomTextEdit = 2408;
inline constexpr ControlId WebAddressCaption = 1084;
inline constexpr ControlId WebAddressEdit = 2409;
inline constexpr ControlId DeviceIdCaption = 1085;
inline constexpr ControlId DeviceIdEdit = 2410;
inline constexpr ControlId AutoIncreaseBox = 1204;
inline constexpr ControlId AutoIncreaseCaption = 1086;
inline constexpr ControlId IgnoreLastCaption = 1087;
inline constexpr ControlId IgnoreLastEdit = 2407;
inline constexpr ControlId IgnoreLastUnit = 1088;
inline constexpr ControlId LockBox = 1205;
inline constexpr ControlId LockCaption = 1089;

inline constexpr ControlId WriteButton = 1001;

// Option settings.
inline constexpr ControlId OptionGroup = 1092;
inline constexpr ControlId ZoneCaption = 1090;
inline constexpr ControlId ZoneCombo = 1101;
inline constexpr ControlId DateFormatCaption = 1091;
inline constexpr ControlId DateFormatCombo = 1102;
inline constexpr ControlId DateTimeCaption = 1093;
inline constexpr ControlId DateDisplay = 1301;
inline constexpr ControlId TimeDisplay = 1302;
inline constexpr ControlId BatteryCaption = 1094;
inline constexpr ControlId BatteryCombo = 1105;
inline constexpr ControlId PushDeleteBox = 1202;
inline constexpr ControlId PushDeleteCaption = 1095;
inline constexpr ControlId WindowLanguageCaption = 1096;
inline constexpr ControlId WindowLanguageCombo = 1065;

inline constexpr ControlId NoticeLine = 1097;

}  // namespace lc::ids

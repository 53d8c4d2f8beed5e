#include "app/resources/WindowTexts.h"

#include "vocabulary/ControlIds.h"

namespace lc {

UiLanguage CurrentLanguage(const platform::Controls& controls) {
    return controls.selection(ids::WindowLanguageCombo) == 0 ? UiLanguage::Chinese : UiLanguage::English;
}

namespace resources {
namespace {

// After a switch the Chinese texts use full-width colons, unlike the template's.
constexpr auto Steps = std::to_array<WindowTextStep>({
    CaptionText{ids::RecordingGroup, {u"时间配置区", u"Recording Settings"}},
    CaptionText{ids::StartDelayCaption, {u"启动延时：", u"Delay To Start:"}},
    CaptionText{ids::StartDelayUnit, {u"分钟", u"m"}},
    CaptionText{ids::IntervalCaption, {u"采集间隔：", u"Intervals:"}},
    CaptionText{ids::IntervalUnit, {u"分钟", u"m"}},
    CaptionText{ids::AutoStartCaption, {u"自动启动", u"Auto Start"}},
    CaptionText{ids::DurationDisplay, {u"最大记录时长：", u"Lasting Days:"}},
    CaptionText{ids::AlertGroup, {u"告警配置区", u"Alert Settings"}},
    CaptionText{ids::ChannelCaption, {u"通道选择：", u"Channel:"}},
    ComboListText{ids::ChannelCombo,
                  {{{u"温度", u"Temp."}, {u"湿度", u"Humidity"}, {u"温度 + 湿度", u"Temp. + Humidity"}}}},
    CaptionText{ids::UnitCaption, {u"温度单位：", u"Temp. Unit:"}},
    CaptionText{ids::ReportLanguageCaption, {u"报告语言：", u"Report Language:"}},
    ReportLanguageToEnglish{},
    CaptionText{ids::LowTempCaption, {u"低温警告：", u"Low Temp.:"}},
    CaptionText{ids::HighTempCaption, {u"高温警告：", u"High Temp.:"}},
    CaptionText{ids::AlertCaption, {u"开启警告", u"Enable Alert"}},
    CaptionText{ids::LowHumidityCaption, {u"低湿警告：", u"Low Humidity:"}},
    CaptionText{ids::HighHumidityCaption, {u"高湿警告：", u"High Humidity:"}},
    CaptionText{ids::InformationGroup, {u"信息配置区", u"Information Settings"}},
    CaptionText{ids::BrandCaption, {u"商标：", u"Brand:"}},
    CaptionText{ids::DeviceNameCaption, {u"设备名称：", u"Device Name:"}},
    CaptionText{ids::CustomTextCaption, {u"自定义信息：", u"Self Definition:"}},
    CaptionText{ids::WebAddressCaption, {u"网址：", u"Website:"}},
    CaptionText{ids::DeviceIdCaption, {u"设备ID：", u"Device ID:"}},
    CaptionText{ids::AutoIncreaseCaption, {u"自动增加", u"Auto Increase"}},
    CaptionText{ids::IgnoreLastCaption, {u"忽略最后", u"Ignore the Last"}},
    CaptionText{ids::IgnoreLastUnit, {u"个记录", u"Items"}},
    CaptionText{ids::LockCaption, {u"锁定配置", u"Lock Settings"}},
    CaptionText{ids::OptionGroup, {u"辅助参数配置区", u"Option Settings"}},
    CaptionText{ids::ZoneCaption, {u"时区选择：", u"TimeZone:"}},
    CaptionText{ids::DateFormatCaption, {u"日期格式：", u"Date Format:"}},
    ComboListText{ids::DateFormatCombo,
                  {{{u"日/月/年", u"DD/MM/YY"}, {u"月/日/年", u"MM/DD/YY"}, {u"年/月/日", u"YY/MM/DD"}}}},
    CaptionText{ids::DateTimeCaption, {u"日期与时间：", u"Date and Time:"}},
    CaptionText{ids::PushDeleteCaption, {u"允许按键删除记录", u"Allow Push to Delete"}},
    // The language label names the switch in the other language.
    CaptionText{ids::WindowLanguageCaption, {u"Language:", u"语言："}},
});

}  // namespace

std::span<const WindowTextStep> WindowTextSteps() {
    return Steps;
}

}  // namespace resources
}  // namespace lc

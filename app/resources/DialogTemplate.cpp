#include "app/resources/DialogTemplate.h"

#include <array>

#include "vocabulary/ControlIds.h"

namespace lc::resources {
namespace {

using K = ControlKind;

constexpr std::array ConfigControls{
    DialogControl{ids::None, K::Label, {273, 300, 113, 8}, u"用心记录每一度", false},
    DialogControl{ids::ZoneCaption, K::Label, {22, 223, 77, 10}, u"时区选择:", false},
    DialogControl{ids::DateFormatCaption, K::Label, {160, 224, 81, 8}, u"日期格式:", false},
    DialogControl{ids::StartDelayCaption, K::Label, {20, 29, 62, 8}, u"启动延时:", false},
    DialogControl{ids::DurationDisplay, K::Label, {127, 47, 183, 8}, u"最大记录时长:", false},
    DialogControl{ids::ChannelCaption, K::Label, {21, 97, 43, 8}, u"通道选择:", false},
    DialogControl{ids::LowTempCaption, K::Label, {21, 145, 75, 8}, u"低温警告:", false},
    DialogControl{ids::HighTempCaption, K::Label, {166, 146, 71, 8}, u"高温警告:", false},
    DialogControl{ids::ReportLanguageCaption, K::Label, {165, 122, 77, 8}, u"报告语言:", false},
    DialogControl{ids::BatteryCaption, K::Label, {195, 244, 36, 8}, u"电池类型:", true},
    DialogControl{ids::IntervalCaption, K::Label, {127, 29, 40, 8}, u"采样间隔:", false},
    DialogControl{ids::StartDelayUnit, K::Label, {103, 29, 17, 8}, u"分钟", false},
    DialogControl{ids::IntervalUnit, K::Label, {190, 29, 16, 8}, u"分钟", false},
    DialogControl{ids::LowTempUnit, K::Label, {131, 146, 12, 8}, u"℃", false},
    DialogControl{ids::HighTempUnit, K::Label, {270, 147, 14, 8}, u"℃", false},
    DialogControl{ids::UnitCaption, K::Label, {166, 98, 75, 8}, u"温度单位:", false},
    DialogControl{ids::LowHumidityCaption, K::Label, {21, 167, 80, 8}, u"低湿警告:", false},
    DialogControl{ids::HighHumidityCaption, K::Label, {166, 169, 65, 8}, u"高湿警告:", false},
    DialogControl{ids::PushDeleteCaption, K::Label, {32, 266, 126, 8}, u"允许按键删除记录", false},
    DialogControl{ids::None, K::Label, {128, 169, 14, 8}, u"%RH", false},
    DialogControl{ids::None, K::Label, {265, 169, 14, 8}, u"%RH", false},
    DialogControl{ids::DateDisplay, K::Label, {102, 244, 43, 8}, u"2019/01/01", false},
    DialogControl{ids::TimeDisplay, K::Label, {151, 244, 37, 8}, u"12:00:00", false},
    DialogControl{ids::BrandCaption, K::Label, {338, 35, 72, 8}, u"商标:", false},
    DialogControl{ids::DeviceNameCaption, K::Label, {338, 56, 69, 8}, u"设备名称:", false},
    DialogControl{ids::CustomTextCaption, K::Label, {338, 78, 71, 8}, u"自定义信息:", false},
    DialogControl{ids::WebAddressCaption, K::Label, {338, 100, 71, 9}, u"网址:", false},
    DialogControl{ids::DeviceIdCaption, K::Label, {338, 123, 71, 8}, u"设备ID:", false},
    DialogControl{ids::IgnoreLastCaption, K::Label, {338, 145, 65, 8}, u"忽略最后", false},
    DialogControl{ids::IgnoreLastUnit, K::Label, {432, 145, 35, 15}, u"个记录", false},
    DialogControl{ids::LockCaption, K::Label, {495, 145, 65, 8}, u"锁定设置", false},
    DialogControl{ids::AutoIncreaseCaption, K::Label, {552, 123, 33, 8}, u"自动增加", true},
    DialogControl{ids::WriteButton, K::PushButton, {332, 209, 118, 23}, u"请插入设备", false},
    DialogControl{ids::PushDeleteBox, K::CheckBox, {22, 264, 63, 12}, u"", false},
    DialogControl{ids::AutoIncreaseBox, K::CheckBox, {529, 123, 33, 8}, u"", true},
    DialogControl{ids::LockBox, K::CheckBox, {488, 145, 36, 8}, u"", false},
    DialogControl{ids::ZoneCombo, K::Combo, {102, 222, 50, 12}, u"", false},
    DialogControl{ids::DateFormatCombo, K::Combo, {246, 222, 44, 12}, u"", false},
    DialogControl{ids::ReportLanguageCombo, K::Combo, {235, 120, 44, 13}, u"", false},
    DialogControl{ids::BatteryCombo, K::Combo, {232, 243, 60, 12}, u"", true},
    DialogControl{ids::UnitCombo, K::Combo, {235, 97, 20, 12}, u"", false},
    DialogControl{ids::ChannelCombo, K::Combo, {67, 96, 48, 12}, u"", false},
    DialogControl{ids::IgnoreLastEdit, K::NumericEdit, {416, 143, 12, 12}, u"", false},
    DialogControl{ids::StartDelayEdit, K::NumericEdit, {84, 27, 18, 12}, u"", false},
    DialogControl{ids::IntervalEdit, K::NumericEdit, {171, 27, 18, 12}, u"", false},
    DialogControl{ids::LowTempEdit, K::NumericEdit, {93, 144, 30, 12}, u"", false},
    DialogControl{ids::HighTempEdit, K::NumericEdit, {235, 145, 30, 12}, u"", false},
    DialogControl{ids::LowHumidityEdit, K::NumericEdit, {93, 167, 19, 12}, u"", false},
    DialogControl{ids::HighHumidityEdit, K::NumericEdit, {235, 167, 19, 12}, u"", false},
    DialogControl{ids::BrandEdit, K::TextEdit, {412, 34, 69, 12}, u"", false},
    DialogControl{ids::DeviceNameEdit, K::TextEdit, {412, 55, 139, 12}, u"", false},
    DialogControl{ids::CustomTextEdit, K::TextEdit, {412, 77, 139, 12}, u"", false},
    DialogControl{ids::WebAddressEdit, K::ReadOnlyEdit, {414, 100, 139, 12}, u"", false},
    DialogControl{ids::DeviceIdEdit, K::ReadOnlyEdit, {414, 123, 99, 12}, u"", false},
    DialogControl{ids::DateTimeCaption, K::Label, {22, 243, 77, 11}, u"日期与时间:", false},
    DialogControl{ids::AlertBox, K::CheckBox, {23, 119, 33, 12}, u"", false},
    DialogControl{ids::AlertCaption, K::Label, {35, 120, 90, 10}, u"开启警告", false},
    DialogControl{ids::AutoStartBox, K::CheckBox, {21, 45, 49, 13}, u"", false},
    DialogControl{ids::AutoStartCaption, K::Label, {31, 47, 42, 10}, u"自动启动", false},
    DialogControl{ids::RecordingGroup, K::GroupBox, {14, 15, 293, 55}, u"时间配置区", false},
    DialogControl{ids::AlertGroup, K::GroupBox, {14, 83, 293, 102}, u"告警配置区", false},
    DialogControl{ids::InformationGroup, K::GroupBox, {332, 15, 274, 170}, u"信息配置区", false},
    DialogControl{ids::OptionGroup, K::GroupBox, {14, 206, 292, 83}, u"辅助参数配置区", false},
    DialogControl{ids::NoticeLine, K::Label, {277, 312, 119, 16}, u"写入前请确认记录仪电量充足", false},
    DialogControl{ids::WindowLanguageCaption, K::Label, {161, 265, 72, 11}, u"Language:", false},
    DialogControl{ids::WindowLanguageCombo, K::Combo, {242, 263, 48, 30}, u"", false},
};

constexpr std::array AboutControls{
    DialogControl{ids::None, K::Icon, {14, 14, 20, 20}, u"", false},
    DialogControl{ids::None, K::Label, {42, 2, 114, 8}, u"FW MKL27Z64   V1.E14", false},
    DialogControl{ids::None, K::Label, {42, 14, 114, 8}, u"FW MKL26Z128 V4.066 696", false},
    DialogControl{ids::None, K::Label, {42, 38, 114, 8}, u"仅供本公司记录仪使用", false},
    DialogControl{1, K::PushButton, {113, 41, 50, 14}, u"确定", false},
};

// Index i is 720 - 30 * i minutes east of UTC: "UTC+12:00" down to "UTC-12:00".
std::array<std::u16string, 49> MakeZoneTexts() {
    std::array<std::u16string, 49> texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const int offset = 720 - 30 * static_cast<int>(i);
        const int magnitude = offset < 0 ? -offset : offset;
        const char16_t digits[] = {u'0', u'1', u'2', u'3', u'4', u'5', u'6', u'7', u'8', u'9'};
        const int hours = magnitude / 60;
        const int minutes = magnitude % 60;
        texts[i] = {u'U',
                    u'T',
                    u'C',
                    i <= 24 ? u'+' : u'-',
                    digits[hours / 10],
                    digits[hours % 10],
                    u':',
                    digits[minutes / 10],
                    digits[minutes % 10]};
    }
    return texts;
}

const std::array<std::u16string_view, 49>& ZoneItems() {
    static const std::array<std::u16string, 49> texts = MakeZoneTexts();
    static const std::array<std::u16string_view, 49> views = [] {
        std::array<std::u16string_view, 49> result;
        for (std::size_t i = 0; i < result.size(); ++i) {
            result[i] = texts[i];
        }
        return result;
    }();
    return views;
}

constexpr std::array<std::u16string_view, 3> DateFormatItems{u"日/月/年", u"月/日/年", u"年/月/日"};
constexpr std::array<std::u16string_view, 3> ChannelItems{u"温度", u"湿度", u"温度+湿度"};
constexpr std::array<std::u16string_view, 2> ReportLanguageItems{u"English", u"简体中文"};
constexpr std::array<std::u16string_view, 4> BatteryItems{u"3V纽扣电池", u"3.6V锂电池", u"1.5V碱性电池",
                                                          u"1.2V镍氢电池"};
constexpr std::array<std::u16string_view, 2> UnitItems{u"℃", u"℉"};
constexpr std::array<std::u16string_view, 2> WindowLanguageItems{u"中文", u"English"};

}  // namespace

std::span<const std::u16string_view> TemplateComboItems(platform::ControlId id) {
    switch (id) {
        case ids::ZoneCombo:
            return ZoneItems();
        case ids::DateFormatCombo:
            return DateFormatItems;
        case ids::ChannelCombo:
            return ChannelItems;
        case ids::ReportLanguageCombo:
            return ReportLanguageItems;
        case ids::BatteryCombo:
            return BatteryItems;
        case ids::UnitCombo:
            return UnitItems;
        case ids::WindowLanguageCombo:
            return WindowLanguageItems;
        default:
            return {};
    }
}

const DialogTemplate& ConfigDialogTemplate() {
    static const DialogTemplate config{682, 329, u"温湿度记录仪配置工具 V3.18", ConfigControls,
                                       TemplateComboItems};
    return config;
}

const DialogTemplate& AboutDialogTemplate() {
    static const DialogTemplate about{170, 62, u"关于 FW", AboutControls, TemplateComboItems};
    return about;
}

}  // namespace lc::resources

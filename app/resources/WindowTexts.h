#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <variant>

#include "platform/Controls.h"

namespace lc {

// The window language: the selection of the window-language combo.
enum class UiLanguage : std::int32_t { Chinese = 0, English = 1 };

// The language of a text shown now: selection 0 of the window-language combo is Chinese, any other
// value (or none) English.
UiLanguage CurrentLanguage(const platform::Controls& controls);

namespace resources {

struct Bilingual {
    std::u16string_view chinese;
    std::u16string_view english;

    constexpr std::u16string_view in(UiLanguage language) const {
        return language == UiLanguage::Chinese ? chinese : english;
    }
};

struct CaptionText {
    platform::ControlId id;
    Bilingual text;
};

struct ComboListText {
    platform::ControlId id;
    std::array<Bilingual, 3> items;
};

// Switching to English also sets the report language to English; switching to Chinese leaves it.
struct ReportLanguageToEnglish {};

using WindowTextStep = std::variant<CaptionText, ComboListText, ReportLanguageToEnglish>;

// Every text the language switch sets, in the order it sets them.
std::span<const WindowTextStep> WindowTextSteps();

// The write button's captions.
inline constexpr Bilingual PlugInCaption{u"请插入设备", u"Please plug into device"};     // language switch
inline constexpr Bilingual ConnectCaption{u"请插入设备", u"Please connect the device"};  // no-logger reset
inline constexpr Bilingual ReadyCaption{u"写入配置(HID)", u"Write Configuring(HID)"};
inline constexpr Bilingual ConfiguringCaption{u"配置中...", u"Configuring..."};

// The duration display's label without figures, as the no-logger reset writes it.
inline constexpr Bilingual DurationLabel{u"最大记录时长:", u"Lasting Days:"};

}  // namespace resources
}  // namespace lc

// Whatever a technician can type or paste into the form: texts of any UTF-16 code units, lone
// surrogates included, through the number fields, the text fields, the zone text and the one-decimal
// cut. Properties: an accepted number lies within its bounds and a refused one leaves the value alone
// with one message; an accepted text fills its field with its code-page bytes and zeros only, within
// the field's width and, where checked, of the allowed bytes only; a refused one leaves the field
// alone; an accepted zone lies within twelve hours and 59 minutes of UTC; the cut keeps a prefix with
// at most one point and one digit after it, and cutting again changes nothing.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "form/FieldParsers.h"
#include "form/OneDecimalCut.h"
#include "form/TextCheck.h"
#include "form/TextControlReader.h"
#include "form/ZoneText.h"
#include "fuzz/FuzzInput.h"
#include "fuzz/Property.h"
#include "platform/CodePage936.h"
#include "platform/Ui.h"
#include "tests/fakes/FakeControls.h"
#include "tests/fakes/FakeMessageBox.h"
#include "vocabulary/ControlIds.h"

namespace {

using namespace lc;
using fuzz::Require;

constexpr FieldLabel Label = "记录间隔参数错误";

void Numbers(fakes::FakeMessageBox& messages, const std::u16string& text, fuzz::FuzzInput& in) {
    const fakes::FakeMessageBox& shown = messages;
    const std::int32_t max = in.value<std::int32_t>() & 0x7FFFFFFF;
    std::int32_t whole = -7;
    const std::size_t before = shown.shown.size();
    if (ParseIntegerField(messages, text, whole, max, Label) == FieldCode::Ok) {
        Require(whole >= 0 && whole <= max && shown.shown.size() == before,
                "an accepted whole number lies within 0..max, without a message");
    } else {
        Require(whole == -7 && shown.shown.size() == before + 1,
                "a refused whole number leaves the value alone and is told once");
    }

    const double low = in.value<std::int16_t>() / 10.0;
    const double high = low + static_cast<std::uint16_t>(in.value<std::uint16_t>()) / 10.0;
    double decimal = -1e300;
    const std::size_t shownBefore = shown.shown.size();
    if (ParseDecimalField(messages, text, decimal, low, high, Label) == FieldCode::Ok) {
        Require(
            std::isfinite(decimal) && decimal >= low && decimal <= high && shown.shown.size() == shownBefore,
            "an accepted decimal lies within its bounds, without a message");
    } else {
        Require(decimal == -1e300 && shown.shown.size() == shownBefore + 1,
                "a refused decimal leaves the value alone and is told once");
    }
}

void TextField(platform::Ui& ui, fakes::FakeControls& controls, const std::u16string& text,
               fuzz::FuzzInput& in) {
    const bool checkCharacters = in.flag();
    const bool allowEmpty = in.flag();
    controls.setText(ids::DeviceIdEdit, text);
    std::array<std::uint8_t, 20> field;
    field.fill(0xEE);
    if (!ReadTextControl(ui, ids::DeviceIdEdit, field, checkCharacters, allowEmpty, Label)) {
        Require(std::all_of(field.begin(), field.end(), [](std::uint8_t b) { return b == 0xEE; }),
                "a refused text leaves its field alone");
        return;
    }
    const std::string bytes = platform::ToCodePage936(text);
    const std::string_view shown(bytes.c_str());
    Require(shown.size() <= field.size(), "an accepted text fits its field");
    Require(
        std::equal(shown.begin(), shown.end(), field.begin(),
                   [](char typed, std::uint8_t kept) { return static_cast<std::uint8_t>(typed) == kept; }) &&
            std::all_of(field.begin() + static_cast<std::ptrdiff_t>(shown.size()), field.end(),
                        [](std::uint8_t b) { return b == 0; }),
        "an accepted text is its code-page bytes followed by zeros only");
    Require(allowEmpty || !shown.empty(), "an empty text is accepted only where allowed");
    if (checkCharacters) {
        Require(std::all_of(shown.begin(), shown.end(),
                            [](char b) {
                                return std::find(AllowedTextBytes.begin(), AllowedTextBytes.end(),
                                                 static_cast<std::uint8_t>(b)) != AllowedTextBytes.end();
                            }),
                "a checked text holds only the bytes a logger shows");
    }
}

void Zone(fakes::FakeMessageBox& messages, const std::u16string& text) {
    const fakes::FakeMessageBox& shown = messages;
    std::int32_t offset = 9999;
    const std::size_t before = shown.shown.size();
    if (ParseZoneText(messages, text, offset)) {
        Require(offset >= -(12 * 60 + 59) && offset <= 12 * 60 + 59,
                "an accepted zone lies within 12:59 of UTC");
    } else {
        Require(offset == 9999 && shown.shown.size() > before, "a refused zone is told and changes nothing");
    }
}

void Cut(fakes::FakeControls& controls, const std::u16string& text) {
    controls.setText(ids::HighHumidityEdit, text);
    const bool kept = CutToOneDecimal(controls, ids::HighHumidityEdit);
    const std::u16string after = controls.text(ids::HighHumidityEdit);
    Require(kept == (after == text), "the cut says whether it changed the text");
    Require(text.starts_with(after), "the cut keeps a prefix of the text");
    const std::size_t point = after.find(u'.');
    Require(point == std::u16string::npos ||
                (after.find(u'.', point + 1) == std::u16string::npos && after.size() - point <= 2),
            "after the cut at most one point and one character after it remain");
    Require(CutToOneDecimal(controls, ids::HighHumidityEdit), "cutting a cut text changes nothing");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fakes::FakeControls controls;
    fakes::FakeMessageBox messages;
    platform::Ui ui{controls, messages};
    fuzz::FuzzInput in(data, size);
    const std::u16string text = in.text(128);

    Numbers(messages, text, in);
    TextField(ui, controls, text, in);
    Zone(messages, text);
    Cut(controls, text);
    return 0;
}

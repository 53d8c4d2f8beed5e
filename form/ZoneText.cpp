#include "form/ZoneText.h"

#include "form/FieldParsers.h"

namespace lc {

namespace {

constexpr FieldLabel ZoneLabel = "时区参数错误";
constexpr std::size_t SignPosition = 3;
constexpr std::size_t HoursPosition = 4;
constexpr std::size_t MinutesPosition = 7;

// A slice of a text, empty where the text is too short to hold it.
std::u16string_view Slice(std::u16string_view text, std::size_t position, std::size_t count) {
    return position < text.size() ? text.substr(position, count) : std::u16string_view();
}

}  // namespace

bool ParseZoneText(platform::MessageBox& messages, std::u16string_view text, std::int32_t& offsetMinutes) {
    std::int32_t hours = 0;
    std::int32_t minutes = 0;
    if (ParseIntegerField(messages, Slice(text, HoursPosition, 2), hours, 12, ZoneLabel) != FieldCode::Ok ||
        ParseIntegerField(messages, Slice(text, MinutesPosition, std::u16string_view::npos), minutes, 59,
                          ZoneLabel) != FieldCode::Ok) {
        return false;
    }
    const bool west = Slice(text, SignPosition, 1) == u"-";
    offsetMinutes = west ? -(hours * 60 + minutes) : hours * 60 + minutes;
    return true;
}

}  // namespace lc

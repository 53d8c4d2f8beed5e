#include "protocol/BlockText.h"

#include <algorithm>
#include <string_view>

#include "platform/CodePage936.h"

namespace lc {

std::u16string BlockText(const InfoBlock& block, infoblock::TextSlot slot) {
    const auto* first = block.bytes.data() + slot.offset;
    const auto* last = std::find(first, first + slot.length, std::uint8_t{0});
    const std::string_view bytes(reinterpret_cast<const char*>(first),
                                 static_cast<std::size_t>(last - first));
    std::u16string text = platform::FromCodePage936(bytes);
    if (text.size() > slot.length - 1) {
        text.resize(slot.length - 1);
    }
    return text;
}

}  // namespace lc

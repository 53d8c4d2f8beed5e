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
    // A slot filled to its last byte holds a text of the full width, as the tool itself writes one;
    // cutting it would shorten the text on screen and, on the next write, on the logger.
    return platform::FromCodePage936(bytes);
}

}  // namespace lc

#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "protocol/InfoBlock.h"
#include "protocol/InfoBlockLayout.h"

namespace lc::testing {

// An information block as a logger would send it, written field by field.
class InfoBlockBuilder {
  public:
    InfoBlockBuilder& bytes(std::size_t offset, std::initializer_list<std::uint8_t> values) {
        for (std::uint8_t value : values) {
            block.bytes[offset++] = value;
        }
        return *this;
    }
    InfoBlockBuilder& byte(std::size_t offset, std::uint8_t value) { return bytes(offset, {value}); }
    InfoBlockBuilder& word(std::size_t offset, std::uint16_t value) {
        return bytes(offset, {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)});
    }
    InfoBlockBuilder& dword(std::size_t offset, std::uint32_t value) {
        word(offset, static_cast<std::uint16_t>(value));
        return word(offset + 2, static_cast<std::uint16_t>(value >> 16));
    }
    // Code page 936 bytes, written from the slot's start; the rest of the slot is left as it is.
    InfoBlockBuilder& text(infoblock::TextSlot slot, std::string_view codePageBytes) {
        for (std::size_t i = 0; i < codePageBytes.size() && i < slot.length; ++i) {
            block.bytes[slot.offset + i] = static_cast<std::uint8_t>(codePageBytes[i]);
        }
        return *this;
    }
    // A logger that reports its stored settings, of the given model and capability bits.
    InfoBlockBuilder& logger(std::uint8_t modelCode, std::uint8_t capabilityFlags) {
        byte(infoblock::ModelCode, modelCode);
        byte(infoblock::DeviceType, 0x83);
        return byte(infoblock::CapabilityFlags, capabilityFlags);
    }

    InfoBlock block;
};

}  // namespace lc::testing

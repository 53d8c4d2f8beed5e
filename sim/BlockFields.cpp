#include "sim/BlockFields.h"

#include <algorithm>

namespace lc::sim {

namespace {

constexpr std::size_t FirmwareHighByte = 16;
constexpr std::size_t FirmwareLowByte = 20;
constexpr std::size_t MemoryLowBytes = 6;
constexpr std::size_t MemoryTopByte = 21;

}  // namespace

void PutLe16(LoggerBlock& block, std::size_t offset, std::uint16_t value) {
    block[offset] = static_cast<std::uint8_t>(value);
    block[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

void PutLe32(LoggerBlock& block, std::size_t offset, std::uint32_t value) {
    PutLe16(block, offset, static_cast<std::uint16_t>(value));
    PutLe16(block, offset + 2, static_cast<std::uint16_t>(value >> 16));
}

std::uint16_t GetLe16(const LoggerBlock& block, std::size_t offset) {
    return static_cast<std::uint16_t>(block[offset] | (block[offset + 1] << 8));
}

void PutText(LoggerBlock& block, std::size_t offset, std::size_t width, std::string_view text) {
    const auto slot = block.begin() + static_cast<std::ptrdiff_t>(offset);
    std::fill_n(slot, width, 0);
    std::copy_n(text.begin(), std::min(text.size(), width), slot);
}

void PutFirmwareVersion(LoggerBlock& block, std::uint16_t version) {
    block[FirmwareHighByte] = static_cast<std::uint8_t>(version >> 8);
    block[FirmwareLowByte] = static_cast<std::uint8_t>(version);
}

std::uint16_t GetFirmwareVersion(const LoggerBlock& block) {
    return static_cast<std::uint16_t>((block[FirmwareHighByte] << 8) | block[FirmwareLowByte]);
}

void PutMemorySize(LoggerBlock& block, std::uint32_t bytes) {
    PutLe16(block, MemoryLowBytes, static_cast<std::uint16_t>(bytes));
    block[MemoryTopByte] = static_cast<std::uint8_t>(bytes >> 16);
}

void PutExpiryDate(LoggerBlock& block, std::uint8_t yearSince2000, std::uint8_t month, std::uint8_t day) {
    block[field::ExpiryDate] = yearSince2000;
    block[field::ExpiryDate + 1] = month;
    block[field::ExpiryDate + 2] = day;
    block[field::ExpiryDate + 3] = static_cast<std::uint8_t>(yearSince2000 + month + day);
}

}  // namespace lc::sim

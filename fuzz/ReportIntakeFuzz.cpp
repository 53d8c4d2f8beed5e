// Input reports of any bytes and lengths from an open logger, taken by the real link worker thread on
// the virtual bus, with this thread as the UI thread waiting for replies. Properties: every full report with
// a legal frame length is published, in order and unchanged, with a payload length of frame length - 6, never
// more than 58 bytes; every full report with an illegal frame length is told as such once and never
// published; a short report is neither; and the worker takes the next report after all of them.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "fuzz/FuzzInput.h"
#include "fuzz/Property.h"
#include "link/CommandFrame.h"
#include "tests/link/LinkBench.h"

namespace {

using namespace lc;
using namespace std::chrono_literals;
using fuzz::Require;

constexpr std::uint8_t Sentinel = 0xEE;

struct OpenLink {
    OpenLink() { logger = &bench.openLogger(); }
    testing::LinkBench bench;
    sim::VirtualLogger* logger = nullptr;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static OpenLink link;
    testing::LinkBench& bench = link.bench;
    Require(bench.session.readHandle.load() != platform::InvalidHidHandle, "the logger is open");

    // This thread plays the transaction that waits for replies: a report nobody waits for is thrown
    // away by the worker, not published.
    bench.session.replyAwaited.store(true);
    fuzz::FuzzInput in(data, size);
    std::vector<platform::HidReport> expectPublished;
    std::size_t expectTold = 0;
    while (!in.rest().empty()) {
        sim::InputReport report;
        report.length = in.byte() % 65;
        const auto bytes = in.take(report.bytes.size());
        std::copy(bytes.begin(), bytes.end(), report.bytes.begin());
        if (report.length == 64) {
            if (IsLegalFrameLength(report.bytes[FrameLengthByte])) {
                expectPublished.push_back(report.bytes);
            } else {
                ++expectTold;
            }
        }
        bench.bus.sendInputReport(*link.logger, report);
    }
    const sim::InputReport sentinel = testing::Frame(Sentinel, MinFrameLength);
    expectPublished.push_back(sentinel.bytes);
    bench.bus.sendInputReport(*link.logger, sentinel);

    bench.messages.shown.clear();
    std::size_t published = 0;
    const bool drained = bench.pumpUntil(
        [&] {
            const std::int32_t marker = bench.session.rxMarker.load(std::memory_order_acquire);
            if (marker < 0) {
                return false;
            }
            const platform::HidReport& report = bench.session.rxReport;
            Require(marker <= static_cast<std::int32_t>(MaxPayloadBytes) &&
                        marker == report[FrameLengthByte] - MinFrameLength,
                    "a published payload is the frame length - 6, at most 58 bytes");
            Require(published < expectPublished.size() && report == expectPublished[published],
                    "the legal reports are published in order and unchanged");
            ++published;
            // Handed back still waiting, so that the worker publishes the next report too.
            bench.session.rxMarker.store(NothingOutstanding, std::memory_order_release);
            return published == expectPublished.size();
        },
        10s);
    bench.session.replyAwaited.store(false);
    Require(drained, "the worker takes the report after all of them");
    Require(bench.messages.shown.size() == expectTold &&
                std::all_of(bench.messages.shown.begin(), bench.messages.shown.end(),
                            [](const std::u16string& text) { return text == u"HID接收到非法帧!"; }),
            "every full report of an illegal frame length is told once as an illegal frame");
    return 0;
}

#include "app/main/DisplayOpening.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <vector>

namespace lc {
namespace {

struct HeldMessage {
    QtMsgType type;
    std::string category;
    QString text;
};

// Qt's message handler is one plain function for the whole process, so what it needs is too.
std::mutex heldLock;
std::vector<HeldMessage> held;
std::string programName;

void HoldOrTellNoDisplay(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const std::lock_guard lock(heldLock);
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s: no display could be opened\n", programName.c_str());
        std::fflush(stderr);
        std::_Exit(EXIT_FAILURE);  // the half-made application must not be torn down
    }
    held.push_back(HeldMessage{type, context.category != nullptr ? context.category : "", text});
}

std::string BaseName(const char* path) {
    const std::string whole = path != nullptr ? path : "";
    const std::size_t slash = whole.rfind('/');
    return slash == std::string::npos ? whole : whole.substr(slash + 1);
}

}  // namespace

DisplayOpening::DisplayOpening(const char* program) {
    programName = BaseName(program);
    qInstallMessageHandler(HoldOrTellNoDisplay);
}

DisplayOpening::~DisplayOpening() {
    qInstallMessageHandler(nullptr);
    std::vector<HeldMessage> messages;
    {
        const std::lock_guard lock(heldLock);
        messages.swap(held);
    }
    for (const HeldMessage& message : messages) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.c_str());
        qt_message_output(message.type, context, message.text);
    }
}

}  // namespace lc

#include "app/main/MessageOutput.h"

#include "app/resources/DialogTemplate.h"
#include "platform/posix/StderrMessageBox.h"
#include "platform/qt/QtMessageBox.h"

namespace lc {

std::unique_ptr<platform::MessageBox> MakeToolMessages(MessageOutput output, QWidget* owner) {
    if (output == MessageOutput::StandardError) {
        return std::make_unique<platform::StderrMessageBox>();
    }
    const std::u16string_view title = resources::ToolTitle;
    return std::make_unique<platform::QtMessageBox>(
        QString::fromUtf16(title.data(), static_cast<qsizetype>(title.size())), owner);
}

}  // namespace lc

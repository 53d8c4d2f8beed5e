#include "app/main/ConfigurationWindow.h"

#include "app/main/WindowArt.h"

#include <utility>

#include "app/resources/DialogTemplate.h"

namespace lc {
namespace {

// The window's menu item for the About box; the desktop's own window menu cannot be extended here.
constexpr char16_t AboutMenuText[] = u"关于 FW(&A)...";

}  // namespace

ConfigurationWindow::ConfigurationWindow(platform::HidAccess& hid, MessageOutput output)
    : ConfigurationWindow(hid, FirmwareImages::Load(FirmwareFolders()), output) {}

ConfigurationWindow::ConfigurationWindow(platform::HidAccess& hid, FirmwareImages images,
                                         MessageOutput output)
    : art_(LoadWindowArt()),
      dialog_(resources::ConfigDialogTemplate(), art_),
      controls_(dialog_),
      messages_(MakeToolMessages(output, &dialog_)),
      logic_(WindowServices{controls_, *messages_, timer_, uiDispatch_, clock_, hid}, std::move(images)) {
    controls_.setEvents(&logic_);
    dialog_.addWindowMenuItem(QString::fromUtf16(AboutMenuText), [this] { openAboutBox(); });
}

ConfigurationWindow::~ConfigurationWindow() {
    controls_.setEvents(nullptr);
}

void ConfigurationWindow::run() {
    logic_.OnInitDialog();
    dialog_.exec();
}

void ConfigurationWindow::openAboutBox() {
    // Modal over the window; the window's tick goes on in the box's own event loop.
    platform::TemplateDialog about(resources::AboutDialogTemplate(), AboutBoxArt(art_), &dialog_);
    about.exec();
}

}  // namespace lc

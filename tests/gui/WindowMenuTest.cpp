#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/main/ConfigurationWindow.h"
#include "tests/gui/NoLoggerHid.h"
#include "vocabulary/ControlIds.h"

namespace lc {
namespace {

using namespace std::chrono_literals;

class WindowMenuTest : public testing::Test {
  protected:
    WindowMenuTest() {
        window.logic().OnInitDialog();
        dialog.show();
    }

    // A right click on the window's picture, away from every control.
    void rightClickOnThePicture() {
        const QPoint spot(1340, 640);
        QContextMenuEvent event(QContextMenuEvent::Mouse, spot, dialog.mapToGlobal(spot));
        QApplication::sendEvent(&dialog, &event);
    }

    QString writeButtonText() const {
        return qobject_cast<QPushButton*>(dialog.control(ids::WriteButton))->text();
    }

    gui_test::NoLoggerHid hid;
    ConfigurationWindow window{hid};
    platform::TemplateDialog& dialog = window.dialog();
};

TEST_F(WindowMenuTest, TheAboutItemOpensTheAboutBoxWhileTheTickGoesOn) {
    QStringList menuItems;
    QStringList aboutLabels;
    QString aboutCaption;
    QString buttonWhileOpen;
    bool iconShown = false;
    QTimer::singleShot(100ms, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr) << "the right click opens the window's menu";
        for (const QAction* action : menu->actions()) {
            menuItems << action->text();
        }
        QTimer::singleShot(400ms, [&] {
            auto* about = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(about, nullptr) << "the About box is modal";
            aboutCaption = about->windowTitle();
            for (const QLabel* label : about->findChildren<QLabel*>()) {
                if (!label->text().isEmpty()) {
                    aboutLabels << label->text();
                }
                iconShown = iconShown || !label->pixmap().isNull();
            }
            // The first tick came while the box was open.
            buttonWhileOpen = writeButtonText();
            about->accept();
        });
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    // Should the menu or the box go unanswered, close them, so that a failure cannot hang the run.
    QTimer guard;
    guard.setSingleShot(true);
    guard.callOnTimeout([] {
        for (QWidget* open : {QApplication::activePopupWidget(), QApplication::activeModalWidget()}) {
            if (open != nullptr) {
                open->close();
            }
        }
    });
    guard.start(10s);
    rightClickOnThePicture();

    EXPECT_EQ(menuItems, QStringList{QStringLiteral("关于 FW(&A)...")});
    EXPECT_EQ(aboutCaption, QStringLiteral("关于 FW"));
    aboutLabels.sort();
    QStringList expected{QStringLiteral("FW MKL27Z64   V1.E14"), QStringLiteral("FW MKL26Z128 V4.066 696"),
                         QStringLiteral("仅供本公司记录仪使用")};
    expected.sort();
    EXPECT_EQ(aboutLabels, expected);
    EXPECT_TRUE(iconShown);
    EXPECT_EQ(buttonWhileOpen, QStringLiteral("请插入设备"));
    EXPECT_TRUE(dialog.isVisible()) << "closing the About box leaves the window open";
}

TEST_F(WindowMenuTest, EnterInAnEditClosesTheWindowAsOk) {
    QTest::keyClick(dialog.control(ids::DeviceNameEdit), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(WindowMenuTest, EscClosesTheWindowAsCancel) {
    QTest::keyClick(dialog.control(ids::ZoneCombo), Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

}  // namespace
}  // namespace lc

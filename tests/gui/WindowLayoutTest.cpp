#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/main/ConfigurationWindow.h"
#include "app/main/WindowArt.h"
#include "app/resources/DialogTemplate.h"
#include "tests/gui/NoLoggerHid.h"
#include "vocabulary/ControlIds.h"

namespace lc {
namespace {

using resources::ControlKind;

const char* WidgetClassFor(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label:
        case ControlKind::Icon:
            return "QLabel";
        case ControlKind::CheckBox:
            return "QCheckBox";
        case ControlKind::Combo:
            return "QComboBox";
        case ControlKind::NumericEdit:
        case ControlKind::TextEdit:
        case ControlKind::ReadOnlyEdit:
            return "QLineEdit";
        case ControlKind::GroupBox:
            return "QGroupBox";
        case ControlKind::PushButton:
            return "QPushButton";
    }
    return "";
}

QString Q(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

class WindowLayoutTest : public testing::Test {
  protected:
    gui_test::NoLoggerHid hid;
    ConfigurationWindow window{hid};
    platform::TemplateDialog& dialog = window.dialog();
    const resources::DialogTemplate& layout = resources::ConfigDialogTemplate();

    template <class Widget>
    Widget* get(platform::ControlId id) {
        auto* widget = qobject_cast<Widget*>(dialog.control(id));
        EXPECT_NE(widget, nullptr) << "control " << id;
        return widget;
    }
};

TEST_F(WindowLayoutTest, IsAFixedWindowOfTwoPixelsPerDialogUnit) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("温湿度记录仪配置工具 V3.18"));
    EXPECT_EQ(dialog.size(), QSize(1364, 658));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize()) << "the window must not be resizable";
}

TEST_F(WindowLayoutTest, BackgroundPictureIsDrawnScaledUnderTheControls) {
    const platform::DialogArt art = LoadWindowArt();
    EXPECT_EQ(art.background.size(), QSize(1366, 660));
    // The picture is drawn opaque, so only the file itself still tells that it carries alpha.
    EXPECT_TRUE(QImage(QStringLiteral(":/art/background.png")).hasAlphaChannel());
    EXPECT_EQ(art.icon.size(), QSize(32, 32));

    const QImage shown = dialog.grab().toImage();
    // The thermometer's red bulb on the free right side of the picture.
    const QColor bulb = shown.pixelColor(1288, 293);
    EXPECT_GT(bulb.red(), 180);
    EXPECT_LT(bulb.green(), 100);
    // A plain spot: the picture's sky, not the window's own grey.
    EXPECT_EQ(shown.pixelColor(4, 4), art.background.toImage().pixelColor(4, 4));
}

TEST_F(WindowLayoutTest, EveryTemplateControlIsInPlaceWithItsTemplateState) {
    ASSERT_EQ(dialog.controls().size(), layout.controls.size());
    for (std::size_t i = 0; i < layout.controls.size(); ++i) {
        const resources::DialogControl& control = layout.controls[i];
        QWidget* widget = dialog.controls()[i];
        SCOPED_TRACE(testing::Message() << "control " << control.id << " at template index " << i);
        EXPECT_TRUE(widget->inherits(WidgetClassFor(control.kind))) << widget->metaObject()->className();
        if (control.id >= 0) {
            EXPECT_EQ(dialog.control(control.id), widget);
        }
        const QRect place = widget->geometry();
        EXPECT_EQ(place.topLeft(), QPoint(control.rect.x * 2, control.rect.y * 2));
        EXPECT_EQ(place.width(), control.rect.width * 2);
        // A closed drop-down list is one line high; the template height is that of the open list.
        EXPECT_EQ(place.height(), control.kind == ControlKind::Combo ? 24 : control.rect.height * 2);
        EXPECT_EQ(widget->isVisibleTo(&dialog), !control.hidden);
        if (control.hidden) {
            EXPECT_FALSE(widget->isEnabled());
        }
    }
}

TEST_F(WindowLayoutTest, ControlsShowTheirTemplateTextsAndLists) {
    EXPECT_EQ(get<QGroupBox>(ids::InformationGroup)->title(), QStringLiteral("信息配置区"));
    EXPECT_EQ(get<QLabel>(ids::PushDeleteCaption)->text(), QStringLiteral("允许按键删除记录"));
    EXPECT_TRUE(get<QCheckBox>(ids::AutoStartBox)->text().isEmpty()) << "a check box's caption is its label";
    EXPECT_TRUE(get<QLineEdit>(ids::WebAddressEdit)->alignment() & Qt::AlignLeft);
    EXPECT_TRUE(get<QLineEdit>(ids::StartDelayEdit)->alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(get<QLineEdit>(ids::BrandEdit)->hasFrame());
    for (platform::ControlId readOnly : {ids::WebAddressEdit, ids::DeviceIdEdit}) {
        EXPECT_FALSE(get<QLineEdit>(readOnly)->hasFrame());
        EXPECT_FALSE(get<QLineEdit>(readOnly)->isEnabled());
    }
    for (platform::ControlId combo :
         {ids::ZoneCombo, ids::DateFormatCombo, ids::ChannelCombo, ids::UnitCombo, ids::ReportLanguageCombo,
          ids::BatteryCombo, ids::WindowLanguageCombo}) {
        auto* box = get<QComboBox>(combo);
        const auto items = resources::TemplateComboItems(combo);
        ASSERT_EQ(box->count(), static_cast<int>(items.size())) << "combo " << combo;
        for (int i = 0; i < box->count(); ++i) {
            EXPECT_EQ(box->itemText(i), Q(items[static_cast<std::size_t>(i)]));
        }
        EXPECT_FALSE(box->isEditable());
    }
    EXPECT_EQ(get<QComboBox>(ids::ZoneCombo)->itemText(48), QStringLiteral("UTC-12:00"));
}

TEST_F(WindowLayoutTest, FreshWindowShowsTheDefaults) {
    window.logic().OnInitDialog();
    const std::pair<platform::ControlId, const char*> selections[] = {{ids::ZoneCombo, "UTC+08:00"},
                                                                      {ids::DateFormatCombo, "年/月/日"},
                                                                      {ids::ChannelCombo, "温度"},
                                                                      {ids::UnitCombo, "℃"},
                                                                      {ids::ReportLanguageCombo, "简体中文"},
                                                                      {ids::BatteryCombo, "1.5V碱性电池"},
                                                                      {ids::WindowLanguageCombo, "中文"}};
    for (const auto& [id, text] : selections) {
        EXPECT_EQ(get<QComboBox>(id)->currentText(), QString::fromUtf8(text)) << "combo " << id;
    }
    const std::pair<platform::ControlId, const char*> edits[] = {
        {ids::StartDelayEdit, "60"}, {ids::IntervalEdit, "5"},       {ids::LowTempEdit, "2.0"},
        {ids::HighTempEdit, "8.0"},  {ids::LowHumidityEdit, "20.0"}, {ids::HighHumidityEdit, "80.0"},
        {ids::IgnoreLastEdit, "0"},  {ids::BrandEdit, ""},           {ids::DeviceNameEdit, ""},
        {ids::CustomTextEdit, ""},   {ids::WebAddressEdit, ""},      {ids::DeviceIdEdit, ""}};
    for (const auto& [id, text] : edits) {
        EXPECT_EQ(get<QLineEdit>(id)->text(), QString::fromUtf8(text)) << "edit " << id;
    }
    for (platform::ControlId box : {ids::AutoStartBox, ids::AlertBox, ids::LockBox, ids::PushDeleteBox}) {
        EXPECT_EQ(get<QCheckBox>(box)->isChecked(), box == ids::AutoStartBox) << "check box " << box;
    }
    auto* writeButton = get<QPushButton>(ids::WriteButton);
    EXPECT_FALSE(writeButton->isEnabled());
    EXPECT_EQ(writeButton->text(), QStringLiteral("请插入设备"));
}

TEST_F(WindowLayoutTest, TabOrderIsTheTemplateOrder) {
    const auto& widgets = dialog.controls();
    for (std::size_t i = 0; i + 1 < widgets.size(); ++i) {
        EXPECT_EQ(widgets[i]->nextInFocusChain(), widgets[i + 1]) << "after template index " << i;
    }
}

TEST_F(WindowLayoutTest, ClicksOnCaptionsAndInsideGroupsReachTheControls) {
    const auto centreOf = [&](platform::ControlId id) { return dialog.control(id)->geometry().center(); };
    // The start of a check box's caption lies over the box's own area: a click there ticks the box.
    const std::pair<platform::ControlId, platform::ControlId> captions[] = {
        {ids::AutoStartCaption, ids::AutoStartBox},
        {ids::AlertCaption, ids::AlertBox},
        {ids::LockCaption, ids::LockBox},
        {ids::PushDeleteCaption, ids::PushDeleteBox}};
    for (const auto& [caption, box] : captions) {
        const QRect label = dialog.control(caption)->geometry();
        EXPECT_EQ(dialog.childAt(label.left() + 4, label.center().y()), dialog.control(box))
            << "caption " << caption;
    }
    // Group frames lie over their controls and must not take their clicks.
    for (platform::ControlId id : {ids::StartDelayEdit, ids::ChannelCombo, ids::BrandEdit, ids::ZoneCombo}) {
        EXPECT_EQ(dialog.childAt(centreOf(id)), dialog.control(id)) << "control " << id;
    }
}

}  // namespace
}  // namespace lc

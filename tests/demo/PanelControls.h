#pragma once

#include <gtest/gtest.h>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>

#include "app/demo/DemoPanel.h"

namespace lc::demo_test {

// The panel's button with this caption, as the technician finds it.
inline QPushButton* PanelButton(const demo::DemoPanel& panel, const char* caption) {
    for (QPushButton* candidate : panel.findChildren<QPushButton*>()) {
        if (candidate->text() == QLatin1String(caption)) {
            return candidate;
        }
    }
    ADD_FAILURE() << "no button " << caption;
    return nullptr;
}

// The lines the panel's frame log shows.
inline QStringList PanelLogLines(const demo::DemoPanel& panel) {
    return panel.findChild<QPlainTextEdit*>()->toPlainText().split(u'\n', Qt::SkipEmptyParts);
}

}  // namespace lc::demo_test

#include "tests/fakes/FakeControls.h"

#include <stdexcept>
#include <string>

#include "app/resources/DialogTemplate.h"

namespace lc::fakes {
namespace {

using resources::ControlKind;

bool IsEdit(ControlKind kind) {
    return kind == ControlKind::NumericEdit || kind == ControlKind::TextEdit ||
           kind == ControlKind::ReadOnlyEdit;
}

char16_t Folded(char16_t c) {
    return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

}  // namespace

FakeControls::FakeControls() : FakeControls(resources::ConfigDialogTemplate()) {}

FakeControls::FakeControls(const resources::DialogTemplate& dialog) {
    for (const resources::DialogControl& source : dialog.controls) {
        if (source.id < 0) {
            continue;  // no id: the logic cannot address it
        }
        Control control;
        control.kind = source.kind;
        control.text = std::u16string(source.text);
        control.visible = !source.hidden;
        control.enabled = !source.hidden && source.kind != ControlKind::ReadOnlyEdit &&
                          source.kind != ControlKind::PushButton;
        for (std::u16string_view item : dialog.comboItems(source.id)) {
            control.items.emplace_back(item);
        }
        controls_[source.id] = control;
    }
}

const FakeControls::Control& FakeControls::control(platform::ControlId id) const {
    const auto found = controls_.find(id);
    if (found == controls_.end()) {
        throw std::out_of_range("no control with id " + std::to_string(id));
    }
    return found->second;
}

FakeControls::Control& FakeControls::control(platform::ControlId id) {
    return const_cast<Control&>(static_cast<const FakeControls&>(*this).control(id));
}

void FakeControls::setText(platform::ControlId id, const std::u16string& text) {
    Control& target = control(id);
    target.text = text;
    if (IsEdit(target.kind) && events_ != nullptr) {
        events_->onEditChanged(id);
    }
}

std::u16string FakeControls::text(platform::ControlId id) const {
    const Control& source = control(id);
    if (source.kind == ControlKind::Combo) {
        const bool valid = source.selection >= 0 && source.selection < static_cast<int>(source.items.size());
        return valid ? source.items[static_cast<std::size_t>(source.selection)] : std::u16string();
    }
    return source.text;
}

void FakeControls::enable(platform::ControlId id, bool enabled) {
    control(id).enabled = enabled;
}

bool FakeControls::isEnabled(platform::ControlId id) const {
    return control(id).enabled;
}

void FakeControls::setChecked(platform::ControlId id, bool checked) {
    control(id).checked = checked;
}

bool FakeControls::isChecked(platform::ControlId id) const {
    return control(id).checked;
}

int FakeControls::selection(platform::ControlId id) const {
    return control(id).selection;
}

void FakeControls::select(platform::ControlId id, int index) {
    Control& target = control(id);
    const bool valid = index >= 0 && index < static_cast<int>(target.items.size());
    target.selection = valid ? index : -1;
}

void FakeControls::resetItems(platform::ControlId id) {
    Control& target = control(id);
    target.items.clear();
    target.selection = -1;
}

void FakeControls::addItem(platform::ControlId id, const std::u16string& text) {
    control(id).items.push_back(text);
}

int FakeControls::findItemWithPrefix(platform::ControlId id, const std::u16string& prefix) const {
    const Control& source = control(id);
    for (std::size_t i = 0; i < source.items.size(); ++i) {
        const std::u16string& item = source.items[i];
        if (item.size() < prefix.size()) {
            continue;
        }
        bool matches = true;
        for (std::size_t k = 0; k < prefix.size() && matches; ++k) {
            matches = Folded(item[k]) == Folded(prefix[k]);
        }
        if (matches) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void FakeControls::moveCaretToEndAndFocus(platform::ControlId id) {
    control(id).caretAtEnd = true;
    focused_ = id;
}

void FakeControls::setFocus(platform::ControlId id) {
    control(id);
    focused_ = id;
}

void FakeControls::invalidate(platform::ControlId id) {
    ++control(id).invalidations;
}

bool FakeControls::userType(platform::ControlId id, const std::u16string& text) {
    if (!control(id).enabled) {
        return false;
    }
    control(id).caretAtEnd = false;
    setText(id, text);
    return true;
}

bool FakeControls::userSelect(platform::ControlId id, int index) {
    if (!control(id).enabled) {
        return false;
    }
    select(id, index);
    if (events_ != nullptr) {
        events_->onSelectionChanged(id);
    }
    return true;
}

bool FakeControls::userClick(platform::ControlId id) {
    Control& target = control(id);
    if (!target.enabled) {
        return false;
    }
    if (target.kind == ControlKind::CheckBox) {
        target.checked = !target.checked;
    }
    if (events_ != nullptr) {
        events_->onClicked(id);
    }
    return true;
}

}  // namespace lc::fakes

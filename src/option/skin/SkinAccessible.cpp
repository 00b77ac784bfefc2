#include "option/skin/SkinAccessible.h"

#include "option/skin/SkinControl.h"
#include "option/skin/SkinnedDialog.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace orvyn {

namespace {

class SkinControlAccessible final : public QAccessibleWidget {
public:
    explicit SkinControlAccessible(SkinControl *control) : QAccessibleWidget(control, roleOf(*control)) {}

    QString text(QAccessible::Text t) const override {
        const SkinControl &c = control();
        switch (t) {
        case QAccessible::Name:
            return spokenNameOf(c);
        case QAccessible::Description: {
            if (!c.accessibleDescription().isEmpty())
                return c.accessibleDescription();
            // The help text is only news when it is not already the name.
            return c.helpText() == spokenNameOf(c) ? QString() : c.helpText();
        }
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        const SkinControl &c = control();
        const bool checkable =
            c.toggleMode() == ToggleMode::Toggle || c.controlRole() == ControlRole::PageTab;
        // A push button shown checked is the chosen one of a group.
        s.checkable = checkable || c.isChecked();
        s.checked = c.isChecked();
        s.selectable = c.controlRole() == ControlRole::PageTab;
        s.selected = s.selectable && c.isChecked();
        s.pressed = c.isDown();
        s.hotTracked = c.hover();
        s.hasPopup = c.controlRole() == ControlRole::MenuButton;
        return s;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (!control().isEnabled())
            return names;
        names << pressAction();
        if (control().toggleMode() == ToggleMode::Toggle)
            names << toggleAction();
        if (control().controlRole() == ControlRole::MenuButton)
            names << showMenuAction();
        return names;
    }

    void doAction(const QString &name) override {
        SkinControl &c = control();
        if (!c.isEnabled())
            return;
        // Every action is a click; it runs later, so an action that opens a
        // modal window does not hold up the reader's call.
        if (name == pressAction() || name == toggleAction() || name == showMenuAction())
            c.animateClick();
        else
            QAccessibleWidget::doAction(name);
    }

private:
    static QAccessible::Role roleOf(const SkinControl &c) {
        switch (c.controlRole()) {
        case ControlRole::PageTab:
            return QAccessible::PageTab;
        case ControlRole::MenuButton:
            return QAccessible::ButtonMenu;
        case ControlRole::Button:
            break;
        }
        return c.toggleMode() == ToggleMode::Toggle ? QAccessible::CheckBox : QAccessible::Button;
    }

    SkinControl &control() const { return *static_cast<SkinControl *>(widget()); }
};

constexpr const char *kStatusLineProperty = "skinStatusLine";

QAccessibleInterface *skinFactory(const QString &, QObject *object) {
    if (auto *control = qobject_cast<SkinControl *>(object))
        return new SkinControlAccessible(control);
    if (object && object->isWidgetType() && object->property(kStatusLineProperty).toBool())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::StaticText);
    // A page inside a window is a pane of it, not a dialog of its own.
    if (auto *page = qobject_cast<SkinnedDialog *>(object); page && page->kind() == SkinWindowKind::ChildPage)
        return new QAccessibleWidget(page, QAccessible::Pane);
    return nullptr;
}

} // namespace

void installSkinAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(skinFactory);
        return true;
    }();
    (void)installed;
}

QString spokenNameOf(const SkinControl &control) {
    for (const QString &name : {control.spokenName(), control.accessibleName(), control.caption(),
                                control.helpText(), control.windowTitle()}) {
        if (!name.trimmed().isEmpty())
            return name.trimmed();
    }
    return QString();
}

void markAsStatusLine(QWidget *line) {
    installSkinAccessibility();
    line->setProperty(kStatusLineProperty, true);
}

} // namespace orvyn

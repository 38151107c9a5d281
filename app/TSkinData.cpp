#include "TSkinData.h"

#include <QFile>
#include <QVariant>
#include <QWidget>

namespace {
// The skin's rules select controls carrying this property.
constexpr char skinnedProperty[] = "skinned";
} // namespace

TSkinData::TSkinData(QWidget* form, SkinFormtype)
    : QObject(form), form_(form), formSheet_(form->styleSheet())
{
    setObjectName(QStringLiteral("SkinData1"));
}

QString TSkinData::skinSheet()
{
    QFile file(QStringLiteral(":/velmora/skin.qss"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

void TSkinData::setActive(bool on)
{
    if (on == active_)
        return;
    active_ = on;
    markControls(on);
    // The form's own sheet (its fonts) stays; the skin goes on top of it.
    form_->setStyleSheet(on ? formSheet_ + QLatin1Char('\n') + skinSheet() : formSheet_);
}

void TSkinData::markControls(bool on)
{
    form_->setProperty(skinnedProperty, on);
    const auto controls = form_->findChildren<QWidget*>();
    for (QWidget* control : controls)
        control->setProperty(skinnedProperty, on && !keepsPlainLook(control));
}

bool TSkinData::keepsPlainLook(const QWidget* control) const
{
    // The parts of a control (a memo's scroll bar, a page control's tab bar)
    // look like the control.
    for (const QWidget* w = control; w && w != form_; w = w->parentWidget()) {
        if (w->property("tag").toInt() == DisableTag)
            return true;
    }
    return false;
}

#include "ModalAnswerer.h"

#include <QAbstractButton>
#include <QApplication>

ModalAnswerer::ModalAnswerer()
{
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, &ModalAnswerer::check);
    timer_.start();
}

void ModalAnswerer::check()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
        return;
    ++answered;
    caption = box->windowTitle();
    text = box->text();
    icon = box->icon();
    buttonCount = box->buttons().size();
    okButton = box->button(QMessageBox::Ok) != nullptr;
    ownerName = box->parentWidget() ? box->parentWidget()->objectName() : QString();
    const auto windows = QApplication::topLevelWidgets();
    for (const QWidget* w : windows) {
        if (w->objectName() == QLatin1String("Form1"))
            mainWindowVisible = w->isVisible();
    }
    box->button(QMessageBox::Ok)->click();
}

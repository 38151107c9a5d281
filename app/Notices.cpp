#include "Notices.h"

#include <QMessageBox>

void MessageBoxNotices::inform(QWidget* owner, const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::Information, caption, text, QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

#pragma once

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QWidget>

// Answers the next modal message box with OK once it is shown, keeping
// what it looked like. Lets a test drive code that blocks in exec().
class ModalAnswerer : public QObject {
    Q_OBJECT

public:
    ModalAnswerer();

    int answered = 0;
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QAbstractButton*>::size_type buttonCount = 0;
    bool okButton = false;
    QString ownerName;
    // Whether the main window was on screen while the box was.
    bool mainWindowVisible = false;

private:
    void check();

    QTimer timer_;
};

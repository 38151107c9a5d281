#pragma once

#include <QLineEdit>

// A one-line text field: it holds one line, and tells of a double click
// instead of selecting the word under the pointer.
class TEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TEdit(QWidget* parent = nullptr);

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

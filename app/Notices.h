#pragma once

#include <QString>

class QWidget;

// The one seam for the information boxes the window shows: an information
// icon, one OK button, owned by the window. Tests answer or record them.
class Notices {
public:
    virtual ~Notices() = default;
    virtual void inform(QWidget* owner, const QString& caption, const QString& text) = 0;
};

// Modal message boxes.
class MessageBoxNotices final : public Notices {
public:
    void inform(QWidget* owner, const QString& caption, const QString& text) override;
};

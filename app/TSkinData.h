#pragma once

#include <QObject>
#include <QString>

class QWidget;

// Draws the form it sits on, and every control on it, in the skin embedded
// in the program (a style sheet compiled in as a resource). A control whose
// "tag" property is DisableTag keeps the plain look.
class TSkinData : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool Active READ active WRITE setActive)

public:
    enum SkinFormtype { sfMainform };
    Q_ENUM(SkinFormtype)

    static constexpr int DisableTag = 99;

    explicit TSkinData(QWidget* form, SkinFormtype type = sfMainform);

    bool active() const { return active_; }
    void setActive(bool on);

    // The embedded skin.
    static QString skinSheet();

private:
    void markControls(bool on);
    bool keepsPlainLook(const QWidget* control) const;

    QWidget* form_;
    QString formSheet_;
    bool active_ = false;
};

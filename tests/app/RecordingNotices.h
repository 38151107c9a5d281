#pragma once

#include "Notices.h"

#include <QStringList>

// Keeps the captions of the notices instead of showing them.
class RecordingNotices final : public Notices {
public:
    QStringList captions;

    void inform(QWidget*, const QString& caption, const QString&) override
    {
        captions << caption;
    }
};

#pragma once

#include "RecordingNotices.h"
#include "TicketFile.h"
#include "Unit1.h"

#include <QtTest>

#include <memory>

// The main window, shown and active, printing to a file, its notices
// recorded (the start-up notice is left out).
struct WindowUnderTest {
    RecordingNotices notices;
    TicketFile device;
    std::unique_ptr<TForm1> form;

    WindowUnderTest()
        : form(std::make_unique<TForm1>(notices))
    {
        notices.captions.clear();
        form->setPrinterSettings(device.settings());
        form->show();
        if (!QTest::qWaitForWindowActive(form.get()))
            qWarning("main window did not become active");
    }

    template <typename T>
    T* find(const char* name) const
    {
        return form->findChild<T*>(QString::fromLatin1(name));
    }
};

#include "WindowUnderTest.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>

class TestEnterKey : public QObject {
    Q_OBJECT

private slots:
    void enterClicksTheRightButton_data();
    void enterClicksTheRightButton();
};

void TestEnterKey::enterClicksTheRightButton_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("btn1Clicks");
    QTest::addColumn<int>("btn2Clicks");

    const int none = Qt::NoModifier;
    QTest::newRow("card number field") << 0 << "edt1" << int(Qt::Key_Return) << none << 1 << 0;
    QTest::newRow("password field") << 0 << "edt2" << int(Qt::Key_Return) << none << 1 << 0;
    QTest::newRow("keypad enter") << 0 << "edt2" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 1 << 0;
    QTest::newRow("page tabs") << 0 << "tabbar" << int(Qt::Key_Return) << none << 1 << 0;
    QTest::newRow("print button") << 0 << "btn1" << int(Qt::Key_Return) << none << 1 << 0;
    QTest::newRow("shift enter") << 0 << "edt2" << int(Qt::Key_Return) << int(Qt::ShiftModifier) << 0 << 0;
    QTest::newRow("ctrl enter") << 0 << "edt1" << int(Qt::Key_Return) << int(Qt::ControlModifier) << 0 << 0;
    QTest::newRow("alt enter") << 0 << "edt1" << int(Qt::Key_Return) << int(Qt::AltModifier) << 0 << 0;
    QTest::newRow("note field") << 1 << "mmo1" << int(Qt::Key_Return) << none << 0 << 0;
    QTest::newRow("page tabs on the note page") << 1 << "tabbar" << int(Qt::Key_Return) << none << 0 << 0;
    QTest::newRow("note print button") << 1 << "btn2" << int(Qt::Key_Return) << none << 0 << 1;
}

void TestEnterKey::enterClicksTheRightButton()
{
    QFETCH(int, page);
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, btn1Clicks);
    QFETCH(int, btn2Clicks);

    WindowUnderTest w;
    w.find<QTabWidget>("pgc1")->setCurrentIndex(page);
    QWidget* target = focus == QLatin1String("tabbar")
                          ? static_cast<QWidget*>(w.find<QTabWidget>("pgc1")->tabBar())
                          : w.form->findChild<QWidget*>(focus);
    target->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), target);

    QSignalSpy btn1(w.find<QPushButton>("btn1"), &QPushButton::clicked);
    QSignalSpy btn2(w.find<QPushButton>("btn2"), &QPushButton::clicked);
    auto* note = w.find<QPlainTextEdit>("mmo1");
    note->setPlainText(QStringLiteral("ab"));
    note->moveCursor(QTextCursor::End);

    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));

    QCOMPARE(btn1.count(), btn1Clicks);
    QCOMPARE(btn2.count(), btn2Clicks);
    if (target == note)
        QCOMPARE(note->toPlainText(), QStringLiteral("ab\n"));
}

QTEST_MAIN(TestEnterKey)
#include "tst_enterkey.moc"

#include "ModalAnswerer.h"
#include "Notices.h"
#include "Unit1.h"

#include <QLineEdit>
#include <QTabWidget>
#include <QtTest>

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void noticeComesBeforeTheWindow();
    void cardNumberFieldHasFocusWithHintSelected();
    void windowCannotBeResizedOrMaximised();
};

void TestStartup::noticeComesBeforeTheWindow()
{
    ModalAnswerer answerer;
    MessageBoxNotices notices;
    TForm1 form(notices);

    QCOMPARE(answerer.answered, 1);
    QCOMPARE(answerer.caption, QStringLiteral("Kelvarin提示"));
    QCOMPARE(answerer.text,
             QStringLiteral("使用前请确保已安装［小票打印机］，并且已设置其为［默认］打印机！"));
    QCOMPARE(answerer.icon, QMessageBox::Information);
    QCOMPARE(answerer.buttonCount, 1);
    QVERIFY(answerer.okButton);
    QCOMPARE(answerer.ownerName, QStringLiteral("Form1"));
    QVERIFY(!answerer.mainWindowVisible);
}

void TestStartup::cardNumberFieldHasFocusWithHintSelected()
{
    ModalAnswerer answerer;
    MessageBoxNotices notices;
    TForm1 form(notices);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));

    auto* edt1 = form.findChild<QLineEdit*>(QStringLiteral("edt1"));
    QCOMPARE(form.findChild<QTabWidget*>(QStringLiteral("pgc1"))->currentIndex(), 0);
    QTRY_COMPARE(QApplication::focusWidget(), edt1);
    QCOMPARE(edt1->selectedText(), QStringLiteral("请把充值卡［卡号］粘贴在这里..."));
}

void TestStartup::windowCannotBeResizedOrMaximised()
{
    ModalAnswerer answerer;
    MessageBoxNotices notices;
    TForm1 form(notices);
    QCOMPARE(form.minimumSize(), QSize(305, 265));
    QCOMPARE(form.maximumSize(), QSize(305, 265));
    QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(form.windowFlags() & Qt::WindowSystemMenuHint);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"

#include "WindowUnderTest.h"

#include "ModalAnswerer.h"
#include "card_ticket.h"
#include "Notices.h"
#include "same_bytes.h"

#include <QLineEdit>
#include <QPushButton>

namespace {
const QString numberHint = QStringLiteral("请把充值卡［卡号］粘贴在这里...");
const QString passwordHint = QStringLiteral("请把充值卡［密码］粘贴在这里...");
} // namespace

class TestCardTicket : public QObject {
    Q_OBJECT

private slots:
    void printsFilledInCardsOnly_data();
    void printsFilledInCardsOnly();
    void failureShowsTheNoticeOnceAndKeepsTheFields();
};

void TestCardTicket::printsFilledInCardsOnly_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QByteArray>("ticket"); // empty: nothing printed

    auto card = [](const std::string& number, const std::string& password) {
        return QByteArray::fromStdString(
            expectedTicket(expectedCardBody(number, password)));
    };
    QTest::newRow("both hints") << numberHint << passwordHint << QByteArray();
    QTest::newRow("password still its hint") << "1234" << passwordHint << QByteArray();
    QTest::newRow("empty card number") << "" << "9999" << QByteArray();
    QTest::newRow("filled in") << "1234567890" << "abc 123" << card("1234567890", "abc 123");
    QTest::newRow("empty password") << "1234" << "" << card("1234", "");
    QTest::newRow("one blank as card number") << " " << "9" << card(" ", "9");
    QTest::newRow("hint with one character more")
        << numberHint + "1" << "9"
        << card(std::string(printing::card::numberHint) + "1", "9");
    QTest::newRow("chinese and full-width")
        << QStringLiteral("卡１２") << QStringLiteral("密：☆")
        << card("\xbf\xa8\xa3\xb1\xa3\xb2", "\xc3\xdc\xa3\xba\xa1\xee");
    QTest::newRow("escape in a pasted password")
        << "1" << QStringLiteral("p\x1bp") << card("1", "p?p");
}

void TestCardTicket::printsFilledInCardsOnly()
{
    QFETCH(QString, number);
    QFETCH(QString, password);
    QFETCH(QByteArray, ticket);

    WindowUnderTest w;
    auto* edt1 = w.find<QLineEdit>("edt1");
    auto* edt2 = w.find<QLineEdit>("edt2");
    edt1->setText(number);
    edt2->setText(password);
    QTest::mouseClick(w.find<QPushButton>("btn1"), Qt::LeftButton);

    QVERIFY(sameBytes(w.device.bytes(), ticket.toStdString()));
    QVERIFY(w.notices.captions.isEmpty());
    QCOMPARE(edt1->text(), number);
    QCOMPARE(edt2->text(), password);
}

void TestCardTicket::failureShowsTheNoticeOnceAndKeepsTheFields()
{
    MessageBoxNotices notices;
    std::unique_ptr<TForm1> form;
    {
        ModalAnswerer startup;
        form = std::make_unique<TForm1>(notices);
    }
    TicketFile device;
    QFile::remove(device.path()); // no printer
    form->setPrinterSettings(device.settings());
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    auto* edt1 = form->findChild<QLineEdit*>(QStringLiteral("edt1"));
    auto* edt2 = form->findChild<QLineEdit*>(QStringLiteral("edt2"));
    edt1->setText(QStringLiteral("1234"));
    edt2->setText(QStringLiteral("5678"));

    {
        ModalAnswerer answerer;
        QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("btn1")), Qt::LeftButton);
        QCOMPARE(answerer.answered, 1);
        QCOMPARE(answerer.caption, QStringLiteral("Kelvarin提示：打印失败"));
        QCOMPARE(answerer.text, QStringLiteral("请检查小票打印机是否安装并设置为默认打印机！"));
        QCOMPARE(answerer.icon, QMessageBox::Information);
        QCOMPARE(answerer.buttonCount, 1);
        QCOMPARE(answerer.ownerName, QStringLiteral("Form1"));
    }
    QVERIFY(!QFile::exists(device.path()));
    QCOMPARE(edt1->text(), QStringLiteral("1234"));
    QCOMPARE(edt2->text(), QStringLiteral("5678"));

    // The printer is back: the next press prints a whole ticket.
    QFile(device.path()).open(QIODevice::WriteOnly);
    QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("btn1")), Qt::LeftButton);
    QVERIFY(sameBytes(device.bytes(), expectedTicket(expectedCardBody("1234", "5678"))));
}

QTEST_MAIN(TestCardTicket)
#include "tst_cardticket.moc"

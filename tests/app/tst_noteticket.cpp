#include "WindowUnderTest.h"

#include "same_bytes.h"

#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include <string>
#include <vector>

using Body = std::vector<std::string>;
Q_DECLARE_METATYPE(Body)

class TestNoteTicket : public QObject {
    Q_OBJECT

private slots:
    void printsTheNoteLines_data();
    void printsTheNoteLines();
    void pastedLineBreaksOfEveryKindBreakLines();
    void wholeTicketMatchesGoldenBytes();
};

void TestNoteTicket::printsTheNoteLines_data()
{
    QTest::addColumn<QString>("note");
    QTest::addColumn<bool>("prints");
    QTest::addColumn<Body>("body");

    QTest::newRow("empty note") << "" << false << Body{};
    QTest::newRow("one line break") << "\n" << true << Body{""};
    QTest::newRow("abc and a line break") << "abc\n" << true << Body{"abc"};
    QTest::newRow("empty line between two lines") << "a\n\nb" << true << Body{"a", "", "b"};
    QTest::newRow("two final line breaks") << "a\n\n" << true << Body{"a", ""};
    QTest::newRow("CR LF, CR and LF") << "a\r\nb\rc\nd" << true << Body{"a", "b", "c", "d"};
    QTest::newRow("blanks and tab kept") << "  x \t" << true << Body{"  x \t"};
    QTest::newRow("chinese, star, escape")
        << QStringLiteral("便笺☆\x1b") << true << Body{"\xb1\xe3\xbc\xe3\xa1\xee?"};
    QTest::newRow("line separator is a break")
        << QStringLiteral("a\u2028b") << true << Body{"a", "b"};
}

void TestNoteTicket::printsTheNoteLines()
{
    QFETCH(QString, note);
    QFETCH(bool, prints);
    QFETCH(Body, body);

    WindowUnderTest w;
    w.find<QTabWidget>("pgc1")->setCurrentIndex(1);
    auto* mmo1 = w.find<QPlainTextEdit>("mmo1");
    mmo1->setPlainText(note);
    const QString before = mmo1->toPlainText();
    QTest::mouseClick(w.find<QPushButton>("btn2"), Qt::LeftButton);

    QVERIFY(sameBytes(w.device.bytes(), prints ? expectedTicket(body) : std::string()));
    QVERIFY(w.notices.captions.isEmpty());
    QCOMPARE(mmo1->toPlainText(), before);
}

void TestNoteTicket::pastedLineBreaksOfEveryKindBreakLines()
{
    WindowUnderTest w;
    w.find<QTabWidget>("pgc1")->setCurrentIndex(1);
    auto* mmo1 = w.find<QPlainTextEdit>("mmo1");
    mmo1->setFocus();
    QApplication::clipboard()->setText(QStringLiteral("1\r\n2\r3\n\r\n5"));
    QTest::keySequence(mmo1, QKeySequence::Paste);
    QTest::keyClick(mmo1, Qt::Key_Return);
    QTest::keyClicks(mmo1, QStringLiteral("6"));
    QTest::mouseClick(w.find<QPushButton>("btn2"), Qt::LeftButton);

    QVERIFY(sameBytes(w.device.bytes(), expectedTicket({"1", "2", "3", "", "5", "6"})));
}

void TestNoteTicket::wholeTicketMatchesGoldenBytes()
{
    WindowUnderTest w;
    w.find<QPlainTextEdit>("mmo1")->setPlainText(QStringLiteral("第一行\n\nline 3\n"));
    QTest::mouseClick(w.find<QPushButton>("btn2"), Qt::LeftButton);

    const std::string golden =
        "\x1b\x40"
        "-------\xb3\xcc\xd0\xf2\xc9\xe8\xbc\xc6=Kelvarin=-------\r\n"
        "================================\r\n"
        "\xb5\xda\xd2\xbb\xd0\xd0\r\n"
        "\r\n"
        "line 3\r\n"
        "================================\r\n"
        "----e-Mail=kelv@example.com-----\r\n"
        "      \xa1\xee          \xa1\xee\r\n"
        "            \xa1\xee          \xa1\xee\r\n"
        "\x0c\r\n";
    QVERIFY(sameBytes(w.device.bytes(), golden));
}

QTEST_MAIN(TestNoteTicket)
#include "tst_noteticket.moc"

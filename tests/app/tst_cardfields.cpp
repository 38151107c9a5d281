#include "WindowUnderTest.h"

#include "same_bytes.h"

#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>

class TestCardFields : public QObject {
    Q_OBJECT

private slots:
    void typingRightAfterStartReplacesTheHint();
    void doubleClickSelectsTheWholeText_data();
    void doubleClickSelectsTheWholeText();
    void pasteKeepsTheFirstLineOnly_data();
    void pasteKeepsTheFirstLineOnly();
    void spreadsheetCellPrintsWithoutStrayLineBreak();
};

void TestCardFields::typingRightAfterStartReplacesTheHint()
{
    WindowUnderTest w;
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1234"));
    QCOMPARE(w.find<QLineEdit>("edt1")->text(), QStringLiteral("1234"));
}

void TestCardFields::doubleClickSelectsTheWholeText_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("card number with blanks and dashes") << "edt1" << "1234 5678-9012 abcd";
    QTest::newRow("password hint") << "edt2" << "请把充值卡［密码］粘贴在这里...";
}

void TestCardFields::doubleClickSelectsTheWholeText()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    WindowUnderTest w;
    auto* edit = w.form->findChild<QLineEdit*>(field);
    edit->setText(text);
    edit->deselect();
    // On the first word, where a plain line edit would select that word only.
    const QPoint firstWord(edit->contentsRect().left() + 8, edit->height() / 2);
    QTest::mouseDClick(edit, Qt::LeftButton, Qt::NoModifier, firstWord);
    QCOMPARE(edit->selectedText(), text);
}

void TestCardFields::pasteKeepsTheFirstLineOnly_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("cursor"); // -1: whole text selected
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("after");

    QTest::newRow("spreadsheet cell over the hint") << "hint" << -1 << "12345\r\n" << "12345";
    QTest::newRow("lone LF") << "" << 0 << "12345\nabc" << "12345";
    QTest::newRow("lone CR") << "" << 0 << "12\r34" << "12";
    QTest::newRow("into the middle") << "xyz" << 2 << "ab\r\ncd" << "xyabz";
    QTest::newRow("break first") << "xyz" << 1 << "\nab" << "xyz";
    QTest::newRow("one line") << "" << 0 << "卡 123" << "卡 123";
}

void TestCardFields::pasteKeepsTheFirstLineOnly()
{
    QFETCH(QString, before);
    QFETCH(int, cursor);
    QFETCH(QString, clipboard);
    QFETCH(QString, after);

    WindowUnderTest w;
    auto* edit = w.find<QLineEdit>("edt2");
    edit->setFocus();
    edit->setText(before);
    if (cursor < 0)
        edit->selectAll();
    else
        edit->setCursorPosition(cursor);
    QApplication::clipboard()->setText(clipboard);
    QTest::keySequence(edit, QKeySequence::Paste);
    QCOMPARE(edit->text(), after);
}

void TestCardFields::spreadsheetCellPrintsWithoutStrayLineBreak()
{
    WindowUnderTest w;
    auto* edt1 = w.find<QLineEdit>("edt1");
    auto* edt2 = w.find<QLineEdit>("edt2");
    QApplication::clipboard()->setText(QStringLiteral("1234567890\r\n"));
    QTest::keySequence(edt1, QKeySequence::Paste); // the hint is selected at start
    edt2->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("pass\r\n"));
    QTest::keySequence(edt2, QKeySequence::Paste);
    QTest::keyClick(edt2, Qt::Key_Return);

    QVERIFY(sameBytes(w.device.bytes(),
                      expectedTicket(expectedCardBody("1234567890", "pass"))));
}

QTEST_MAIN(TestCardFields)
#include "tst_cardfields.moc"

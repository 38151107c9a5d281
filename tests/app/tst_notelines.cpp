#include "NoteLines.h"
#include "WindowUnderTest.h"

#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTextBoundaryFinder>

namespace {

const QString words = QStringLiteral(
    "The receipt printer takes raw bytes,  one line at a time; 充值卡的卡号和密码打印在小票上，"
    "every line ends in CR LF. ");

// Paragraphs far wider than the field, and far more than it shows.
QString longNote(int paragraphs)
{
    QStringList p;
    for (int i = 0; i < paragraphs; ++i)
        p << QString::number(i) + QLatin1Char(' ') + words.repeated(1 + i % 3);
    return p.join(QLatin1Char('\n'));
}

// Checks the lines against the field: each paragraph's lines joined give it
// back, no line is wider than the field, and a wrapped line could not have
// taken the next line's first word.
void checkWrapping(QPlainTextEdit& field, const QString& note, const QStringList& lines)
{
    const QStringList paragraphs = note.split(QLatin1Char('\n'));
    const QFontMetricsF metrics(field.font());
    const qreal width = field.document()->documentLayout()->documentSize().width()
                        - 2 * field.document()->documentMargin();
    QVERIFY(width > 0);
    qsizetype at = 0;
    for (const QString& paragraph : paragraphs) {
        QString joined;
        qsizetype first = at;
        while (at < lines.size() && joined.size() < paragraph.size())
            joined += lines[at++];
        if (paragraph.isEmpty())
            ++at;
        QCOMPARE(joined, paragraph);
        for (qsizetype i = first; i < at; ++i) {
            QVERIFY2(metrics.horizontalAdvance(lines[i].trimmed()) <= width + 0.5,
                     qPrintable(lines[i]));
            if (i + 1 < at) {
                // The next line's first unbreakable piece did not fit.
                QTextBoundaryFinder next(QTextBoundaryFinder::Line, lines[i + 1]);
                const qsizetype piece = next.toNextBoundary();
                const QString longer = lines[i] + lines[i + 1].left(piece);
                QVERIFY2(metrics.horizontalAdvance(longer.trimmed()) > width - 0.5,
                         qPrintable(lines[i]));
            }
        }
    }
    QCOMPARE(at, lines.size());
}

} // namespace

class TestNoteLines : public QObject {
    Q_OBJECT

private slots:
    void wideParagraphWrapsAtTheFieldWidth();
    void noteFarLongerThanTheFieldIsLaidOutWhole();
    void noteSetWhileItsPageIsHiddenGivesTheShownLines();
    void longNoteResizesTheFieldOnce();
};

void TestNoteLines::wideParagraphWrapsAtTheFieldWidth()
{
    WindowUnderTest w;
    w.find<QTabWidget>("pgc1")->setCurrentIndex(1);
    auto* mmo1 = w.find<QPlainTextEdit>("mmo1");
    const QString note = words.repeated(3);
    mmo1->setPlainText(note);

    const QStringList lines = noteLines(*mmo1);
    QVERIFY(lines.size() > 3);
    checkWrapping(*mmo1, note, lines);
}

void TestNoteLines::noteFarLongerThanTheFieldIsLaidOutWhole()
{
    WindowUnderTest w;
    w.find<QTabWidget>("pgc1")->setCurrentIndex(1);
    auto* mmo1 = w.find<QPlainTextEdit>("mmo1");
    const QString note = longNote(400);
    mmo1->setPlainText(note);

    const QStringList lines = noteLines(*mmo1);
    QVERIFY(lines.size() > 1200);
    checkWrapping(*mmo1, note, lines);
}

void TestNoteLines::noteSetWhileItsPageIsHiddenGivesTheShownLines()
{
    WindowUnderTest w; // page 1 shown; page 2 has never been
    auto* mmo1 = w.find<QPlainTextEdit>("mmo1");
    const QString note = longNote(60);
    mmo1->setPlainText(note);
    const QStringList hidden = noteLines(*mmo1);

    w.find<QTabWidget>("pgc1")->setCurrentIndex(1);
    QTRY_VERIFY(mmo1->isVisible());
    mmo1->moveCursor(QTextCursor::End); // scroll through to the end
    const QStringList shown = noteLines(*mmo1);

    QCOMPARE(hidden, shown);
    checkWrapping(*mmo1, note, shown);
}

void TestNoteLines::longNoteResizesTheFieldOnce()
{
    WindowUnderTest w;
    w.find<QTabWidget>("pgc1")->setCurrentIndex(1);
    auto* mmo1 = w.find<QPlainTextEdit>("mmo1");
    mmo1->setPlainText(longNote(400));
    QSignalSpy sizeChanges(mmo1->document()->documentLayout(),
                           &QAbstractTextDocumentLayout::documentSizeChanged);

    const QStringList lines = noteLines(*mmo1);
    // Not once per wrapped paragraph: a long note would rebuild the field's
    // scroll range thousands of times.
    QCOMPARE(sizeChanges.count(), 1);
    // It still learns the whole note's size: it scrolls through every line
    // but the few it shows at once.
    QVERIFY(mmo1->verticalScrollBar()->maximum() > lines.size() - 20);
    QVERIFY(mmo1->verticalScrollBar()->maximum() < lines.size());

    QVERIFY(noteLines(*mmo1) == lines);
    QCOMPARE(sizeChanges.count(), 1); // all laid out: no news
}

QTEST_MAIN(TestNoteLines)
#include "tst_notelines.moc"

#include "TicketImage.h"
#include "TicketLayout.h"

#include "card_ticket.h"
#include "memory_port.h"
#include "note_ticket.h"
#include "ticket_writer.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <string>
#include <vector>

using namespace preview;

namespace {

// A printed line as text: each character at its column, blanks between.
QString shown(const PrintedLine& line)
{
    QString text;
    int column = 0;
    for (const Cell& cell : line) {
        text += QString(cell.column - column, u' ');
        text += cell.text;
        column = cell.column + cell.width;
    }
    return text;
}

QStringList shown(const std::vector<PrintedLine>& lines)
{
    QStringList text;
    for (const auto& line : lines)
        text << shown(line);
    return text;
}

// The columns a printed text takes: ASCII one, everything else two.
int columnsOf(const QString& text)
{
    int columns = 0;
    for (QChar c : text)
        columns += c.unicode() < 0x80 ? 1 : 2;
    return columns;
}

// The ticket the window prints for this body, as bytes on the device.
QByteArray ticketFor(const std::vector<std::string>& body)
{
    MemoryPort port;
    printing::writeTicket(port, body);
    return QByteArray::fromStdString(port.bytes());
}

QByteArray cardTicket(const std::string& number, const std::string& password)
{
    return ticketFor(*printing::card::ticketBody(number, password));
}

const QStringList frameTop = {QStringLiteral("-------程序设计=Kelvarin=-------"),
                              QStringLiteral("================================")};
const QStringList frameBottom = {QStringLiteral("================================"),
                                 QStringLiteral("----e-Mail=kelv@example.com-----"),
                                 QStringLiteral("      ☆          ☆"),
                                 QStringLiteral("            ☆          ☆")};

// Rows shared by the layout and the picture tables: two whole card tickets
// and the lines a receipt printer prints for them.
void addCardTicketRows()
{
    QTest::newRow("card ticket")
        << cardTicket("1234567890", "abc 123")
        << frameTop + QStringList{"卡号:", "1234567890", "密码:", "abc 123"} + frameBottom;
    QTest::newRow("card ticket, empty password")
        << cardTicket("1234", "")
        << frameTop + QStringList{"卡号:", "1234", "密码:", ""} + frameBottom;
}

// Where the ink of one printed line lies.
struct Ink {
    bool any = false;
    int minX = 0;
    int maxX = 0;
};

bool isInk(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y) != paperColour;
}

Ink inkBetween(const QImage& image, int top, int bottom)
{
    Ink ink;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isInk(image, x, y)) {
                ink.minX = ink.any ? std::min(ink.minX, x) : x;
                ink.maxX = ink.any ? std::max(ink.maxX, x) : x;
                ink.any = true;
            }
    return ink;
}

} // namespace

class TestPreview : public QObject {
    Q_OBJECT

private slots:
    void laysOutAsTheReceiptPrinterPrints_data();
    void laysOutAsTheReceiptPrinterPrints();
    void picturesEveryLineInItsPlace_data();
    void picturesEveryLineInItsPlace();
    void programWritesThePicture();
    void programRefusesWhatItCannotDo_data();
    void programRefusesWhatItCannotDo();
};

void TestPreview::laysOutAsTheReceiptPrinterPrints_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");

    const QString a31(31, u'a');
    addCardTicketRows();
    QTest::newRow("CR LF ends a line once, CR alone does nothing")
        << QByteArray("A\rB\r\n\r\nC\nD\r\n\f") << QStringList{"AB", "", "C", "D"};
    QTest::newRow("ESC @ drops the unprinted part of the line")
        << QByteArray("A\r\njunk\x1b@B\r\n\f") << QStringList{"A", "B"};
    QTest::newRow("form feed ends the ticket, printing what is pending")
        << QByteArray("A\r\nB\fC\r\n") << QStringList{"A", "B"};
    QTest::newRow("no form feed") << QByteArray("A\r\nB") << QStringList{"A", "B"};
    QTest::newRow("40 columns wrap after 32")
        << QByteArray(40, 'x') + "\r\n" << QStringList{QString(32, u'x'), QString(8, u'x')};
    QTest::newRow("32 columns and CR LF leave no empty line")
        << QByteArray(32, 'x') + "\r\ny\r\n" << QStringList{QString(32, u'x'), "y"};
    QTest::newRow("double-byte character does not straddle the edge")
        << QByteArray(31, 'a') + "\xbf\xa8\r\n" << QStringList{a31, "卡"};
    QTest::newRow("code page 936, full-width and euro")
        << QByteArray("\xc3\xdc\xa3\xba\xa1\xee\x80\r\n") << QStringList{"密：☆€"};
    QTest::newRow("lead byte without its trail byte, and 0xFF")
        << QByteArray("\x81 b\xff\r\n") << QStringList{"\uFFFD b\uFFFD"};
    QTest::newRow("tab stops every eight columns")
        << QByteArray("a\tb\r\n") + QByteArray(25, 'c') + "\td\r\n"
        << QStringList{"a       b", QString(25, u'c') + "d"};
    QTest::newRow("other controls and commands print nothing")
        << QByteArray("a\x07\x1b" "Eb\x1d!c\x7f\r\n") << QStringList{"abc"};
    QTest::newRow("nothing") << QByteArray() << QStringList{};
}

void TestPreview::laysOutAsTheReceiptPrinterPrints()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);

    QCOMPARE(shown(layOutTicket(std::string_view(bytes.constData(), bytes.size()))), lines);
}

void TestPreview::picturesEveryLineInItsPlace_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");

    addCardTicketRows();
    const std::u16string noteLine = u"便笺" + std::u16string(36, u'n');
    const std::u16string_view noteLines[] = {noteLine};
    QTest::newRow("note wrapping at 32 columns")
        << ticketFor(*printing::note::ticketBody(noteLines))
        << frameTop + QStringList{"便笺" + QString(28, u'n'), QString(8, u'n')} + frameBottom;
}

// The picture is as long as the ticket, and each printed line's ink lies in
// its own band, from its first character's column to its last one's.
void TestPreview::picturesEveryLineInItsPlace()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);

    const QImage image =
        renderTicket(layOutTicket(std::string_view(bytes.constData(), bytes.size())));
    QCOMPARE(image.size(), QSize(geometry::paperWidth, geometry::paperHeight(lines.size())));

    using namespace geometry;
    QVERIFY(!inkBetween(image, 0, lineTop(0)).any);
    for (int n = 0; n < lines.size(); ++n) {
        const QString& line = lines[n];
        const Ink ink = inkBetween(image, lineTop(n), lineTop(n) + characterHeight);
        QVERIFY2(ink.any == !line.trimmed().isEmpty(), qPrintable(QString::number(n)));
        if (ink.any) {
            const int firstColumn = line.indexOf(QRegularExpression(QStringLiteral("\\S")));
            const int startColumn = columnsOf(line.left(firstColumn));
            const int endColumn = columnsOf(line.trimmed()) + startColumn;
            QVERIFY2(ink.minX >= left + startColumn * columnWidth
                         && ink.minX < left + (startColumn + 1) * columnWidth,
                     qPrintable(QStringLiteral("line %1 starts at x %2").arg(n).arg(ink.minX)));
            QVERIFY2(ink.maxX >= left + (endColumn - 1) * columnWidth
                         && ink.maxX < left + endColumn * columnWidth,
                     qPrintable(QStringLiteral("line %1 ends at x %2").arg(n).arg(ink.maxX)));
        }
        // Nothing between this line and the next.
        QVERIFY(!inkBetween(image, lineTop(n) + characterHeight, lineTop(n + 1)).any);
    }
    QVERIFY(!inkBetween(image, lineTop(lines.size()), image.height()).any);
}

void TestPreview::programWritesThePicture()
{
    QTemporaryDir dir;
    const QString ticket = dir.filePath(QStringLiteral("ticket.bin"));
    const QString picture = dir.filePath(QStringLiteral("ticket.png"));
    QFile file(ticket);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(cardTicket("1234567890", "abc 123"));
    file.close();

    QProcess program;
    program.start(QStringLiteral(VELMORA_PREVIEW_PROGRAM), {ticket, picture});
    QVERIFY(program.waitForFinished());
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);

    QImage image;
    QVERIFY(image.load(picture, "PNG"));
    QCOMPARE(image.size(), QSize(geometry::paperWidth, geometry::paperHeight(10)));
}

void TestPreview::programRefusesWhatItCannotDo_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");

    QTest::newRow("no arguments") << QStringList{} << 2;
    QTest::newRow("one argument") << QStringList{"ticket.bin"} << 2;
    QTest::newRow("missing ticket") << QStringList{"missing.bin", "out.png"} << 1;
    QTest::newRow("unwritable picture") << QStringList{"empty.bin", "no/such/dir/out.png"} << 1;
}

void TestPreview::programRefusesWhatItCannotDo()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);

    QTemporaryDir dir;
    QFile empty(dir.filePath(QStringLiteral("empty.bin")));
    QVERIFY(empty.open(QIODevice::WriteOnly));
    empty.close();

    QProcess program;
    program.setWorkingDirectory(dir.path());
    program.start(QStringLiteral(VELMORA_PREVIEW_PROGRAM), arguments);
    QVERIFY(program.waitForFinished());
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), exitCode);
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("out.png"))));
}

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"

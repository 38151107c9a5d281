#include "NoteLines.h"

#include "Utf16.h"
#include "note_ticket.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace {

// A field on a page that was never shown has not had its resize event yet,
// so its text width is not the one it will show. Deliver it now: the field
// lays out its viewport and sets the document's width from it.
void settleWidth(QPlainTextEdit& field)
{
    field.ensurePolished();
    if (field.testAttribute(Qt::WA_PendingResizeEvent)) {
        QResizeEvent resize(field.size(), QSize());
        QCoreApplication::sendEvent(&field, &resize);
        field.setAttribute(Qt::WA_PendingResizeEvent, false);
    }
    QWidget* viewport = field.viewport();
    if (viewport->testAttribute(Qt::WA_PendingResizeEvent)) {
        QResizeEvent resize(viewport->size(), QSize());
        QCoreApplication::sendEvent(viewport, &resize);
        viewport->setAttribute(Qt::WA_PendingResizeEvent, false);
    }
}

} // namespace

QStringList noteLines(QPlainTextEdit& field)
{
    settleWidth(field);
    QTextDocument* document = field.document();
    QAbstractTextDocumentLayout* layout = document->documentLayout();

    QStringList lines;
    // At least one line per paragraph: a long note's list is not regrown
    // (and copied) paragraph by paragraph.
    lines.reserve(document->blockCount());
    bool laidOut = false;
    // Each paragraph that wraps changes the document's size; the field would
    // resize its scroll range and queue work for every one of them. It hears
    // of the new size once, when all are laid out.
    QSignalBlocker quiet(layout);
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        QTextLayout* blockLayout = block.layout();
        // The plain text layout lays paragraphs out lazily; asking for a
        // paragraph's bounds lays it out at the document's current width.
        if (blockLayout->lineCount() == 0) {
            layout->blockBoundingRect(block);
            laidOut = true;
        }
        const QString text = block.text();
        const int count = blockLayout->lineCount();
        for (int i = 0; i < count; ++i) {
            const QTextLine line = blockLayout->lineAt(i);
            QString shown = text.mid(line.textStart(), line.textLength());
            // A line separator inside a paragraph shows as a line break.
            if (shown.endsWith(QChar::LineSeparator))
                shown.chop(1);
            lines.append(shown);
        }
    }
    quiet.unblock();
    if (laidOut)
        emit layout->documentSizeChanged(layout->documentSize());
    return lines;
}

std::optional<std::vector<std::string>> noteTicketBody(QPlainTextEdit& field)
{
    const QStringList lines = noteLines(field);
    std::vector<std::u16string_view> views;
    views.reserve(static_cast<std::size_t>(lines.size()));
    for (const QString& line : lines)
        views.push_back(utf16(line));
    return printing::note::ticketBody(views);
}

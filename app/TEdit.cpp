#include "TEdit.h"

#include <QMouseEvent>
#include <QValidator>

namespace {

// Takes inserted text up to its first line break. A copied spreadsheet cell
// ends in CR LF, and a line break inside a card number or password would
// break the ticket's line. The field never holds a break itself, so any
// break comes from the text just inserted, which ends at the cursor.
class FirstLineOnly final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& text, int& cursor) const override
    {
        const qsizetype brk = firstBreak(text);
        if (brk < 0)
            return Acceptable;
        if (cursor > brk) {
            text.remove(brk, cursor - brk);
            cursor = static_cast<int>(brk);
        }
        // Not reached by typing or pasting; keeps the field one line whatever
        // the caller did.
        text.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
        cursor = qMin(cursor, static_cast<int>(text.size()));
        return Acceptable;
    }

private:
    static qsizetype firstBreak(const QString& text)
    {
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == QLatin1Char('\r') || text[i] == QLatin1Char('\n'))
                return i;
        }
        return -1;
    }
};

} // namespace

TEdit::TEdit(QWidget* parent)
    : QLineEdit(parent)
{
    setValidator(new FirstLineOnly(this));
}

void TEdit::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        emit doubleClicked();
        event->accept();
        return;
    }
    QLineEdit::mouseDoubleClickEvent(event);
}

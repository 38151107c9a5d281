#include "Unit1.h"

#include "NoteLines.h"
#include "Notices.h"
#include "TSkinData.h"
#include "Utf16.h"
#include "card_ticket.h"
#include "code_page.h"
#include "input_method.h"
#include "ticket_writer.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>

TForm1::TForm1(Notices& notices, QWidget* parent)
    : QWidget(parent), notices_(notices), printer_(printing::defaultPrinterSettings())
{
    // The window's resources live in a static library.
    Q_INIT_RESOURCE(velmora);
    setupUi(this);
    // Fixed single border: system menu, minimise and close; no maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setBackgroundRole(QPalette::Button);
    placeAtScreenCentre();

    SkinData1 = new TSkinData(this, TSkinData::sfMainform);
    SkinData1->setActive(true);

    connect(btn1, &QPushButton::clicked, this, &TForm1::btn1Click);
    connect(btn2, &QPushButton::clicked, this, &TForm1::btn2Click);
    connect(edt1, &TEdit::doubleClicked, this, &TForm1::edt1DblClick);
    connect(edt2, &TEdit::doubleClicked, this, &TForm1::edt2DblClick);
    connect(qApp, &QApplication::focusChanged, this, &TForm1::fieldFocusChanged);

    FormCreate();
}

TForm1::~TForm1()
{
    // Focus moves while the controls are destroyed; this is gone by then.
    disconnect(qApp, &QApplication::focusChanged, this, &TForm1::fieldFocusChanged);
}

void TForm1::setPrinterSettings(const printing::PrinterSettings& settings)
{
    printer_ = settings;
}

void TForm1::FormCreate()
{
    notices_.inform(this, QStringLiteral("Kelvarin提示"),
                    QStringLiteral("使用前请确保已安装［小票打印机］，并且已设置其为［默认］打印机！"));
    edt1->setFocus(Qt::OtherFocusReason);
    edt1->selectAll();
}

void TForm1::btn1Click()
{
    const auto body = printing::card::ticketBody(printing::toTicketCodePage(utf16(edt1->text())),
                                                 printing::toTicketCodePage(utf16(edt2->text())));
    if (body)
        printTicket(*body);
}

void TForm1::btn2Click()
{
    if (const auto body = noteTicketBody(*mmo1))
        printTicket(*body);
}

void TForm1::edt1DblClick()
{
    edt1->selectAll();
}

void TForm1::edt2DblClick()
{
    edt2->selectAll();
}

void TForm1::fieldFocusChanged(QWidget*, QWidget* now)
{
    // The text fields ask for the Simplified Chinese input method, where the
    // system has it.
    if (now == edt1 || now == edt2 || now == mmo1)
        velmora::activateChineseInputMethodIfInstalled();
}

void TForm1::printTicket(const std::vector<std::string>& body)
{
    try {
        printing::printTicket(printer_, body);
    } catch (...) {
        notices_.inform(this, QStringLiteral("Kelvarin提示：打印失败"),
                        QStringLiteral("请检查小票打印机是否安装并设置为默认打印机！"));
    }
}

void TForm1::keyPressEvent(QKeyEvent* event)
{
    // Enter reaches the window when the focused control does not take it:
    // the one-line fields, the page tabs, a button that is not the default.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (enter && plain) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
            button->click();
            return;
        }
        if (pgc1->currentWidget() == ts1) {
            btn1->click();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void TForm1::placeAtScreenCentre()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

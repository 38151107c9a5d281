#pragma once

#include "printer_port.h"
#include "ui_Unit1.h"

#include <QWidget>

class Notices;
class TSkinData;

// The main window: a page for printing a recharge card's number and
// password, and a page for printing a free-text note.
class TForm1 : public QWidget, private Ui::TForm1 {
    Q_OBJECT

public:
    // Shows the start-up notice through notices before it returns.
    explicit TForm1(Notices& notices, QWidget* parent = nullptr);
    ~TForm1() override;

    // Where tickets go: the build's printer device unless a test says else.
    void setPrinterSettings(const printing::PrinterSettings& settings);

public slots:
    void btn1Click();
    void btn2Click();
    void FormCreate();
    void edt1DblClick();
    void edt2DblClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fieldFocusChanged(QWidget* old, QWidget* now);
    void printTicket(const std::vector<std::string>& body);
    void placeAtScreenCentre();

    TSkinData* SkinData1;
    Notices& notices_;
    printing::PrinterSettings printer_;
};

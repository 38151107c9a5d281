// The least a Qt 6 Widgets program does to show Velmora's start-up notice:
// one modal information box with the same caption and text, nothing else.
#include <QApplication>
#include <QMessageBox>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMessageBox box(QMessageBox::Information, QStringLiteral("Kelvarin提示"),
                    QStringLiteral("使用前请确保已安装［小票打印机］，并且已设置其为［默认］打印机！"),
                    QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    return box.exec() == QMessageBox::Ok ? 0 : 1;
}

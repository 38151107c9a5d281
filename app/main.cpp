#include "Notices.h"
#include "Unit1.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/velmora/velmora.xpm")));

    // The window asks for the Song face by its Chinese name; where SimSun is
    // missing, take Song-style faces whose Latin letters are half-width too.
    QFont::insertSubstitutions(QStringLiteral("宋体"),
                               {QStringLiteral("SimSun"), QStringLiteral("AR PL UMing CN"),
                                QStringLiteral("Noto Serif CJK SC"),
                                QStringLiteral("Noto Sans CJK SC")});

    // The notice boxes' OK button in the user's language.
    QTranslator qtTranslations;
    if (qtTranslations.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslations);

    MessageBoxNotices notices;
    TForm1 Form1(notices);
    Form1.show();
    return QApplication::exec();
}

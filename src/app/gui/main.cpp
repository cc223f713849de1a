#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include "base/AppInfo.h"
#include "ui/icons/Icons.h"
#include "ui/shell/MainWindow.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(AppInfo::productTitle());
    QApplication::setApplicationVersion(AppInfo::version());
    QApplication::setWindowIcon(stickwellIcon(QStringLiteral("quillon-stickwell")));

    // --grab FILE: show the window, write a picture of it and quit (scripts/gallery.sh).
    QCommandLineParser parser;
    const QCommandLineOption grab(QStringLiteral("grab"), QStringLiteral("Write a picture of the window and quit."),
                                  QStringLiteral("FILE"));
    parser.addOption(grab);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);

    MainWindow window;
    window.show();
    if (parser.isSet(grab)) {
        const QString file = parser.value(grab);
        QTimer::singleShot(200, &window, [&window, file] {
            QApplication::exit(window.grab().save(file) ? 0 : 1);
        });
    }
    return app.exec();
}

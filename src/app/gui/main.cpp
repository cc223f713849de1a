#include <QApplication>

#include "ui/shell/MainWindow.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillon Stickwell"));
    MainWindow window;
    window.show();
    return app.exec();
}

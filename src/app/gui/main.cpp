#include <QApplication>

#include "base/AppInfo.h"
#include "ui/shell/MainWindow.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(AppInfo::ProductTitle);
    QApplication::setApplicationVersion(AppInfo::Version);
    MainWindow window;
    window.show();
    return app.exec();
}

#include <QApplication>

#include "base/AppInfo.h"
#include "ui/shell/MainWindow.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(AppInfo::productTitle());
    QApplication::setApplicationVersion(AppInfo::version());
    MainWindow window;
    window.show();
    return app.exec();
}

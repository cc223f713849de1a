#include "ui/shell/MainWindow.h"

#include <QLabel>

#include "base/AppInfo.h"

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(AppInfo::productTitle());
    auto* label = new QLabel(AppInfo::productTitle(), this);
    label->setAlignment(Qt::AlignCenter);
    setCentralWidget(label);
    resize(900, 650);
}

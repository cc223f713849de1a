#include "ui/shell/MainWindow.h"

#include <QLabel>

#include "base/AppInfo.h"

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(AppInfo::ProductTitle);
    auto* label = new QLabel(AppInfo::ProductTitle, this);
    label->setAlignment(Qt::AlignCenter);
    setCentralWidget(label);
    resize(900, 650);
}

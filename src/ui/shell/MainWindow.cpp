#include "ui/shell/MainWindow.h"

#include <QLabel>

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Quillon Stickwell"));
    auto* label = new QLabel(QStringLiteral("Quillon Stickwell"), this);
    label->setAlignment(Qt::AlignCenter);
    setCentralWidget(label);
    resize(900, 650);
}

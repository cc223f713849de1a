#include "ui/shell/MainWindow.h"

#include <QLabel>

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Quillon Stickwell"));
    auto* label = new QLabel(QStringLiteral("Quillon Stickwell"), this);
    label->setAlignment(Qt::AlignCenter);
    setCentralWidget(label);
    resize(900, 650);
}

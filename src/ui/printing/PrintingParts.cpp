#include "ui/printing/PrintingParts.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include "ui/printing/PrintingTexts.h"

bool isControlShiftClick(const QEvent* event)
{
    if (event->type() != QEvent::MouseButtonPress)
        return false;
    const Qt::KeyboardModifiers both = Qt::ControlModifier | Qt::ShiftModifier;
    return (static_cast<const QMouseEvent*>(event)->modifiers() & both) == both;
}

QGroupBox* fileNameGroup(QWidget* parent, QLineEdit** edit, QPushButton** choose)
{
    auto* group = new QGroupBox(PrintingTexts::FilenameGroup, parent);
    auto* row = new QHBoxLayout(group);
    *edit = new QLineEdit(group);
    (*edit)->setObjectName(QStringLiteral("FileEdit"));
    (*edit)->setReadOnly(true);
    *choose = new QPushButton(PrintingTexts::ChooseFile, group);
    (*choose)->setObjectName(QStringLiteral("ChooseFileBtn"));
    (*choose)->setMaximumWidth(40);
    row->addWidget(*edit, 1);
    row->addWidget(*choose);
    return group;
}

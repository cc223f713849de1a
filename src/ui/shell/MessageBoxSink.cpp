#include "ui/shell/MessageBoxSink.h"

#include <QApplication>
#include <QMessageBox>

#include "base/AppInfo.h"

Messages::Answer MessageBoxSink::show(const Messages::Message& message)
{
    using Messages::Answer;
    using Messages::Buttons;
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(AppInfo::productTitle());
    box.setText(message.text);
    switch (message.kind) {
    case Messages::Kind::Error: box.setIcon(QMessageBox::Critical); break;
    case Messages::Kind::Information: box.setIcon(QMessageBox::Information); break;
    case Messages::Kind::Confirmation: box.setIcon(QMessageBox::Question); break;
    }
    switch (message.buttons) {
    case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case Buttons::YesNoCancel: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel); break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Cancel: return Answer::Cancel;
    default: return message.buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
}

#pragma once
// A main window with the address example open, and the printing family's
// dialogs answered by the test instead of a person.

#include <gtest/gtest.h>

#include <QDialog>
#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include "TestSupport.h"
#include "system/Clipboard.h"
#include "ui/printing/Printing.h"
#include "ui/shell/DesignWindow.h"
#include "ui/shell/MainWindow.h"
#include "shell/ProgramWindow.h"

struct PrintingFixture : testing::Test {
    QTemporaryDir dir;
    MemoryClipboard clipboard;
    MessageRecorder messages;
    ProgramWindow window;
    // Each dialog the family runs, in order; answered by the handler.
    std::vector<QString> dialogsRun;
    std::function<int(QDialog&)> answer = [](QDialog&) { return int(QDialog::Rejected); };

    PrintingFixture()
    {
        window.setClipboard(&clipboard);
        printingDialogRunner() = [this](QDialog& dialog) {
            dialogsRun.push_back(dialog.objectName().isEmpty() ? dialog.windowTitle() : dialog.objectName());
            return answer(dialog);
        };
    }
    ~PrintingFixture() override
    {
        printingDialogRunner() = [](QDialog& dialog) { return dialog.exec(); };
    }

    static QString example(const QString& name)
    {
        return QStringLiteral(STICKWELL_DATA_SOURCE "/examples/") + name;
    }
    DesignWindow& openExample(const QString& name = QStringLiteral("address-label.lpd"))
    {
        for (const QString& file : {name, QStringLiteral("addresses.csv")}) {
            QFile::copy(example(file), dir.filePath(file));
            QFile::setPermissions(dir.filePath(file), QFile::ReadOwner | QFile::WriteOwner);
        }
        window.openDesignPath(dir.filePath(name), false);
        return *window.activeDesignWindow();
    }
    void trigger(const char* command) { window.command(QString::fromLatin1(command))->trigger(); }
};

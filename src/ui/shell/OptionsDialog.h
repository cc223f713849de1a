#pragma once
// The options dialog: four pages over an OptionsForm. The caller saves the
// result and pushes it to the open design windows.

#include <QDialog>
#include <functional>

#include "model/Options.h"
#include "ui/shell/OptionsForm.h"

class QLineEdit;

class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 119;

    explicit OptionsDialog(const Options& current, QWidget* parent = nullptr);

    // After OK the edited options; before it, or after Cancel, the ones shown at first.
    Options options() const { return m_result; }

    // Asks for a folder, starting at the given one; empty when cancelled.
    // The platform's folder chooser unless replaced (tests).
    std::function<QString(const QString& start)> chooseFolder;

signals:
    void helpRequested();

private:
    QWidget* checksPage(OptionsPage page);
    QWidget* gridPage();
    QWidget* foldersPage();
    void addChecks(QWidget* page, OptionsPage which);
    void browse(const FolderRow& row, QLineEdit* edit);
    void accept() override;

    OptionsForm m_form;
    Options m_result;
};

// Shows the options dialog over Options::current(); on OK stores and saves
// the result and returns true, so the caller can update the open windows.
bool editOptions(QWidget* parent);

// A dialog showing the given options, not yet shown (window gallery).
OptionsDialog* newOptionsDialog(const Options& shown, QWidget* parent = nullptr);

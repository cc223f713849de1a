#pragma once
// What the options dialog edits, without widgets: the pages' check boxes and
// folder boxes as tables, the typed grid size, and what OK makes of them.

#include <QString>
#include <vector>

#include "model/Options.h"

enum class OptionsPage { General, Grid, Printing, Folders };

// One check box: the page it sits on, its object name, caption and option.
struct OptionCheck {
    OptionsPage page;
    QString objectName;
    QString caption;
    bool Options::*field;
};

// One folder row: the name its text box and "..." button are called after
// (Name + "Edit", Name + "Btn"), the label above it, and its option.
struct FolderRow {
    QString name;
    QString caption;
    QString Options::*field;
};

// In the order they appear on their pages.
const std::vector<OptionCheck>& optionChecks();
const std::vector<FolderRow>& folderRows();

class OptionsForm {
public:
    explicit OptionsForm(const Options& current);

    bool isChecked(bool Options::*field) const { return m_options.*field; }
    void setChecked(bool Options::*field, bool on) { m_options.*field = on; }

    QString gridSizeText() const { return m_gridSizeText; }
    void setGridSizeText(const QString& text) { m_gridSizeText = text; }

    QString folderText(QString Options::*field) const { return m_options.*field; }
    void setFolderText(QString Options::*field, const QString& text) { m_options.*field = text; }

    // Where the folder chooser opens for a box: the box's folder; a blank
    // documents box stands for the platform's documents folder.
    QString chooserStartFolder(QString Options::*field) const;
    // The chooser's answer: a chosen folder replaces the box's text; an empty
    // answer (the chooser was cancelled) leaves it.
    void folderChosen(QString Options::*field, const QString& chosen);

    // The options OK stores: the grid size read from its text and limited,
    // everything else as shown.
    Options result() const;

private:
    Options m_options;
    QString m_gridSizeText;
};

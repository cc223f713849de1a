#include "ui/shell/OptionsForm.h"

#include <QDir>
#include <QStandardPaths>

#include "ui/shell/ShellDialogTexts.h"

namespace T = ShellDialogTexts;

const std::vector<OptionCheck>& optionChecks()
{
    static const std::vector<OptionCheck> checks = {
        {OptionsPage::General, "PromptOnDeleteCheck", T::promptOnDelete(), &Options::promptOnDelete},
        {OptionsPage::General, "SelectReturnCheck", T::selectReturn(), &Options::selectReturn},
        {OptionsPage::General, "MetricUnitsCheck", T::metricUnits(), &Options::metricUnits},
        {OptionsPage::General, "ReduceColorCheck", T::reduceColor(), &Options::reduceColor},
        {OptionsPage::General, "ShowDesignWizardCheck", T::showDesignWizard(), &Options::showDesignWizard},
        {OptionsPage::General, "SavePropertiesCheck", T::saveProperties(), &Options::saveProperties},
        {OptionsPage::Grid, "ShowGridCheck", T::showGrid(), &Options::showGrid},
        {OptionsPage::Grid, "SnapToGridCheck", T::snapToGrid(), &Options::snapToGrid},
        {OptionsPage::Printing, "CropMarksCheck", T::cropMarks(), &Options::cropMarks},
        {OptionsPage::Printing, "CornerMarksCheck", T::cornerMarks(), &Options::cornerMarks},
        {OptionsPage::Printing, "SetOrientationCheck", T::setOrientation(), &Options::setOrientation},
    };
    return checks;
}

const std::vector<FolderRow>& folderRows()
{
    static const std::vector<FolderRow> rows = {
        {"Favorites", T::documentsFolder(), &Options::favorites},
        {"Graphics", T::graphicsFolder(), &Options::graphics},
        {"DB", T::databaseFolder(), &Options::db},
    };
    return rows;
}

OptionsForm::OptionsForm(const Options& current)
    : m_options(current), m_gridSizeText(QString::number(current.gridSize))
{
}

QString OptionsForm::chooserStartFolder(QString Options::*field) const
{
    const QString folder = (m_options.*field).trimmed();
    if (!folder.isEmpty())
        return folder;
    if (field == &Options::favorites)
        return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir::homePath();
}

void OptionsForm::folderChosen(QString Options::*field, const QString& chosen)
{
    if (!chosen.isEmpty())
        m_options.*field = chosen;
}

Options OptionsForm::result() const
{
    Options options = m_options;
    options.gridSize = Options::gridSizeFromText(m_gridSizeText);
    return options;
}

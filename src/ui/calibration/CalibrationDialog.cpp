#include "ui/calibration/CalibrationDialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>

#include "system/SettingsStore.h"
#include "ui/calibration/CalibrationTexts.h"
#include "ui/shell/DialogParts.h"

namespace {

QLineEdit* measurementEdit(const QString& name, const QString& text)
{
    auto* edit = new QLineEdit(text);
    edit->setObjectName(name);
    return edit;
}

} // namespace

CalibrationDialog::CalibrationDialog(SettingsStore& store, const QString& printer, QWidget* parent)
    : QDialog(parent), m_form(store, printer)
{
    setObjectName(QStringLiteral("CalibrationDlg"));
    setWindowTitle(CalibrationTexts::Title);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(CalibrationTexts::printerCaption(printer)));
    m_current = new QLabel(m_form.currentText());
    m_current->setObjectName(QStringLiteral("CurrentLbl"));
    layout->addWidget(m_current);
    auto* steps = new QLabel(CalibrationTexts::Steps);
    steps->setWordWrap(true);
    layout->addWidget(steps);

    auto* sheetRow = new QHBoxLayout;
    QPushButton* print = named(new QPushButton(CalibrationTexts::PrintSheet), "PrintSheetBtn");
    QPushButton* save = named(new QPushButton(CalibrationTexts::SaveSheet), "SaveSheetBtn");
    sheetRow->addWidget(print);
    sheetRow->addWidget(save);
    sheetRow->addStretch();
    layout->addLayout(sheetRow);

    auto* fields = new QFormLayout;
    m_crossHairX = measurementEdit(QStringLiteral("CrossHairXEdit"), m_form.crossHairXText);
    m_crossHairY = measurementEdit(QStringLiteral("CrossHairYEdit"), m_form.crossHairYText);
    m_referenceLength = measurementEdit(QStringLiteral("ReferenceLengthEdit"), m_form.referenceLengthText);
    fields->addRow(CalibrationTexts::CrossHairX, m_crossHairX);
    fields->addRow(CalibrationTexts::CrossHairY, m_crossHairY);
    fields->addRow(CalibrationTexts::ReferenceLength, m_referenceLength);
    layout->addLayout(fields);

    QDialogButtonBox* buttons = okCancelHelpButtons(this);
    QPushButton* resetButton = named(new QPushButton(CalibrationTexts::Reset), "ResetBtn");
    buttons->addButton(resetButton, QDialogButtonBox::ResetRole);
    layout->addWidget(buttons);

    connect(print, &QPushButton::clicked, this, &CalibrationDialog::printSheet);
    connect(save, &QPushButton::clicked, this, &CalibrationDialog::saveSheet);
    connect(resetButton, &QPushButton::clicked, this, &CalibrationDialog::reset);
}

void CalibrationDialog::takeFields()
{
    m_form.crossHairXText = m_crossHairX->text();
    m_form.crossHairYText = m_crossHairY->text();
    m_form.referenceLengthText = m_referenceLength->text();
}

void CalibrationDialog::accept()
{
    takeFields();
    if (m_form.accept())
        QDialog::accept();
}

void CalibrationDialog::printSheet()
{
    QPrinter printer(QPrinterInfo::printerInfo(m_form.printer()), QPrinter::HighResolution);
    // The paper's corner is the origin the sheet measures from.
    printer.setFullPage(true);
    CalibrationForm::printSheet(printer);
}

void CalibrationDialog::saveSheet()
{
    const QString path =
        QFileDialog::getSaveFileName(this, CalibrationTexts::SaveSheet, QString(), CalibrationTexts::PdfFilter);
    if (!path.isEmpty())
        CalibrationForm::saveSheet(path);
}

void CalibrationDialog::reset()
{
    m_form.reset();
    m_current->setText(m_form.currentText());
}

void runCalibrationDialog(QWidget* parent, const QString& printer)
{
    CalibrationDialog dialog(SettingsStore::instance(), printer, parent);
    dialog.exec();
}

#include "ui/printing/SaveAsGraphicDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/printing/PrintingParts.h"
#include "ui/printing/PrintingTexts.h"
#include "ui/shell/DialogParts.h"

namespace T = PrintingTexts;

SaveAsGraphicDialog::SaveAsGraphicDialog(SaveAsGraphicForm& form, QWidget* parent) : QDialog(parent), m_form(form)
{
    setWindowTitle(T::SaveAsGraphicCaption);
    setMinimumWidth(460);
    auto* layout = new QVBoxLayout(this);

    QPushButton* choose = nullptr;
    layout->addWidget(fileNameGroup(this, &m_fileEdit, &choose));

    m_jpeg = new QGroupBox(T::JpegOptions, this);
    m_jpeg->setObjectName(QStringLiteral("JpegOptionsGroup"));
    auto* jpegRow = new QHBoxLayout(m_jpeg);
    auto* qualityLabel = new QLabel(T::Quality, m_jpeg);
    m_quality = new QSpinBox(m_jpeg);
    m_quality->setObjectName(QStringLiteral("QualityEdit"));
    m_quality->setRange(0, 100);
    m_quality->setValue(form.options().quality);
    qualityLabel->setBuddy(m_quality);
    m_progressive = new QCheckBox(T::Progressive, m_jpeg);
    m_progressive->setObjectName(QStringLiteral("ProgressiveCB"));
    m_progressive->setChecked(form.progressive);
    jpegRow->addWidget(qualityLabel);
    jpegRow->addWidget(m_quality);
    jpegRow->addWidget(m_progressive);
    jpegRow->addStretch(1);
    layout->addWidget(m_jpeg);

    for (const QString& note : {T::ZoomNote, T::PrintedNote}) {
        auto* label = new QLabel(note, this);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    QDialogButtonBox* buttons = okCancelButtons(this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setText(T::GraphicOk);
    m_ok->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setText(T::GraphicCancel);
    layout->addWidget(buttons);

    chooseFile = [this] {
        QString filter;
        const QString name =
            QFileDialog::getSaveFileName(this, T::SaveAsGraphicCaption, QString(), graphicFilterString(), &filter);
        return completeGraphicPath(name, filter);
    };
    connect(choose, &QPushButton::clicked, this, [this] {
        const QString path = chooseFile ? chooseFile() : QString();
        if (!path.isEmpty())
            fileChosen(path);
    });
    connect(m_quality, &QSpinBox::valueChanged, this, &SaveAsGraphicDialog::readControls);
    connect(m_progressive, &QCheckBox::toggled, this, &SaveAsGraphicDialog::readControls);
    fileChosen(form.path);
}

void SaveAsGraphicDialog::fileChosen(const QString& path)
{
    m_form.path = path;
    m_fileEdit->setText(path);
    m_jpeg->setVisible(m_form.jpegOptionsShown());
    m_ok->setEnabled(m_form.okEnabled());
}

void SaveAsGraphicDialog::readControls()
{
    m_form.quality = QString::number(m_quality->value());
    m_form.progressive = m_progressive->isChecked();
}

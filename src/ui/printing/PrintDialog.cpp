#include "ui/printing/PrintDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "system/Messages.h"
#include "ui/printing/PrintingTexts.h"
#include "ui/shell/DialogParts.h"
#include "ui/shell/FamilyServices.h"

namespace T = PrintingTexts;

namespace {

// The first sheet in miniature: the start cell and the cells after it that
// the run fills are shaded; a click picks the start cell.
class StartCellPicture : public QWidget {
public:
    StartCellPicture(const PrintForm& form, std::function<void(int32_t)> picked, QWidget* parent)
        : QWidget(parent), m_form(form), m_picked(std::move(picked))
    {
        setObjectName(QStringLiteral("StartCellPicture"));
        setMinimumSize(110, 140);
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), palette().window());
        const QSizeF box = size();
        const int32_t start = m_form.startPosition.toInt();
        // A sheet with thousands of cells is drawn as its outline only.
        const int32_t cells = m_form.elementsPerSheet() <= 2000 ? m_form.elementsPerSheet() : 0;
        p.setPen(Qt::black);
        for (int32_t cell = 1; cell <= cells; ++cell) {
            const QRectF r = m_form.cellRect(cell, box);
            p.setBrush(cell == start ? QColor(0x30, 0x60, 0xc0) : cell > start ? QColor(0xb0, 0xc8, 0xf0) : Qt::white);
            p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
        }
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        if (!isEnabled())
            return;
        const int32_t cell = m_form.cellAt(event->position(), size());
        if (cell > 0)
            m_picked(cell);
    }

private:
    const PrintForm& m_form;
    std::function<void(int32_t)> m_picked;
};

} // namespace

PrintDialog::PrintDialog(PrintForm& form, const PrintTarget& target, QWidget* parent)
    : QDialog(parent), m_form(form), m_target(target)
{
    setWindowTitle(T::PrintCaption);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(createTargetRow());
    auto* columns = new QHBoxLayout;
    columns->addWidget(createSheetGroup());
    auto* right = new QVBoxLayout;
    right->addWidget(createQuantityGroup());
    right->addWidget(createDatabaseGroup());
    right->addWidget(createOptionsGroup());
    columns->addLayout(right);
    layout->addLayout(columns);
    m_instructions = named(new QLabel(this), "InstructionsLabel");
    layout->addWidget(m_instructions);

    QDialogButtonBox* buttons = okCancelButtons(this, [this] { tryAccept(); });
    m_ok = buttons->button(QDialogButtonBox::Ok);
    layout->addWidget(buttons);

    choosePdfFile = [this] {
        return QFileDialog::getSaveFileName(this, T::PrintCaption, m_target.pdfPath, T::PdfFileFilter);
    };
    showForm();
}

QWidget* PrintDialog::createTargetRow()
{
    auto* row = new QWidget(this);
    auto* h = new QHBoxLayout(row);
    h->setContentsMargins(0, 0, 0, 0);
    h->addWidget(new QLabel(T::PrinterLabel, row));
    m_printers = named(new QComboBox(row), "PrinterCombo");
    const QStringList names = QPrinterInfo::availablePrinterNames();
    m_printers->addItems(names);
    m_printers->addItem(T::PdfFileTarget);
    const int current = m_target.toFile() ? m_printers->count() - 1 : names.indexOf(m_target.printerName);
    m_printers->setCurrentIndex(current >= 0 ? current : m_printers->count() - 1);
    h->addWidget(m_printers, 1);
    m_fileEdit = named(new QLineEdit(m_target.pdfPath, row), "FileEdit");
    m_fileEdit->setReadOnly(true);
    h->addWidget(m_fileEdit, 2);
    m_fileButton = named(new QPushButton(T::ChooseFile, row), "ChooseFileBtn");
    m_fileButton->setMaximumWidth(40);
    h->addWidget(m_fileButton);
    auto* setup = named(new QPushButton(T::PrinterSetup, row), "PrinterSetupBtn");
    h->addWidget(setup);
    auto* calibrate = named(new QPushButton(T::Calibrate, row), "CalibrateBtn");
    calibrate->setVisible(bool(FamilyServices::of(this).calibratePrinter));
    h->addWidget(calibrate);

    connect(m_printers, &QComboBox::currentIndexChanged, this, &PrintDialog::targetChanged);
    connect(m_fileButton, &QPushButton::clicked, this, [this] {
        const QString path = choosePdfFile ? choosePdfFile() : QString();
        if (!path.isEmpty()) {
            m_target.pdfPath = path;
            m_fileEdit->setText(path);
        }
    });
    connect(setup, &QPushButton::clicked, this, [this] {
        if (setUpPrinter)
            setUpPrinter(m_target.printerName);
    });
    connect(calibrate, &QPushButton::clicked, this, [this] {
        if (const auto& calibrate = FamilyServices::of(this).calibratePrinter)
            calibrate(this, m_target.printerName);
    });
    targetChanged();
    return row;
}

void PrintDialog::targetChanged()
{
    const bool toFile = m_printers->currentIndex() == m_printers->count() - 1;
    m_target.printerName = toFile ? QString() : m_printers->currentText();
    m_fileEdit->setVisible(toFile);
    m_fileButton->setVisible(toFile);
    if (QWidget* calibrate = findChild<QWidget*>(QStringLiteral("CalibrateBtn")))
        calibrate->setEnabled(!toFile);
}

QWidget* PrintDialog::createSheetGroup()
{
    auto* group = new QGroupBox(this);
    auto* v = new QVBoxLayout(group);
    auto* label = new QLabel(T::StartPosition, group);
    m_startEdit = named(new QLineEdit(group), "StartCellEdit");
    label->setBuddy(m_startEdit);
    v->addWidget(label);
    v->addWidget(m_startEdit);
    m_picture = new StartCellPicture(
        m_form,
        [this](int32_t cell) {
            m_form.startPosition = QString::number(cell);
            showForm();
        },
        group);
    v->addWidget(m_picture, 1);
    connect(m_startEdit, &QLineEdit::textEdited, this, [this] { controlsChanged(); });
    return group;
}

QWidget* PrintDialog::createQuantityGroup()
{
    auto* group = named(new QGroupBox(T::QuantityGroup, this), "QuantityGroup");
    auto* grid = new QGridLayout(group);
    m_quantityEdit = named(new QLineEdit(group), "QuantityEdit");
    m_elements = named(new QRadioButton(T::Elements, group), "ElementsRB");
    m_pages = named(new QRadioButton(T::Pages, group), "PagesRB");
    grid->addWidget(m_quantityEdit, 0, 0, 1, 2);
    grid->addWidget(m_elements, 1, 0);
    grid->addWidget(m_pages, 1, 1);
    connect(m_quantityEdit, &QLineEdit::textEdited, this, [this] { controlsChanged(); });
    connect(m_pages, &QRadioButton::toggled, this, [this] { controlsChanged(); });
    return group;
}

QWidget* PrintDialog::createDatabaseGroup()
{
    m_database = named(new QGroupBox(T::DatabaseGroup, this), "DatabasePanel");
    auto* grid = new QGridLayout(m_database);
    auto* label = new QLabel(T::StartRecord, m_database);
    m_startRecord = named(new QSpinBox(m_database), "StartRecordEdit");
    m_startRecord->setRange(0, m_form.recordCount());
    label->setBuddy(m_startRecord);
    m_calcQty = named(new QPushButton(T::CalcDbQty, m_database), "CalcDbQtyBtn");
    m_cycle = named(new QCheckBox(T::CycleRecords, m_database), "CycleCB");
    grid->addWidget(label, 0, 0);
    grid->addWidget(m_startRecord, 0, 1);
    grid->addWidget(m_calcQty, 1, 0);
    grid->addWidget(m_cycle, 1, 1);
    connect(m_startRecord, &QSpinBox::valueChanged, this, [this] { controlsChanged(); });
    connect(m_cycle, &QCheckBox::toggled, this, [this] { controlsChanged(); });
    connect(m_calcQty, &QPushButton::clicked, this, [this] {
        m_form.calculateDatabaseQuantity();
        showForm();
    });
    return m_database;
}

QWidget* PrintDialog::createOptionsGroup()
{
    auto* group = new QGroupBox(this);
    auto* grid = new QGridLayout(group);
    m_crop = named(new QCheckBox(T::CropMarks, group), "CropMarksCB");
    m_corner = named(new QCheckBox(T::CornerMarks, group), "CornerMarksCB");
    m_header = named(new QCheckBox(T::HeaderFileName, group), "HeaderCB");
    m_footer = named(new QCheckBox(T::FooterFileName, group), "FooterCB");
    m_side1 = named(new QCheckBox(T::Side1, group), "Side1CB");
    m_side2 = named(new QCheckBox(T::Side2, group), "Side2CB");
    m_flip = named(new QCheckBox(T::Flip, group), "FlipCB");
    grid->addWidget(m_crop, 0, 0);
    grid->addWidget(m_corner, 1, 0);
    grid->addWidget(m_header, 2, 0);
    grid->addWidget(m_footer, 3, 0);
    grid->addWidget(m_side1, 0, 1);
    grid->addWidget(m_side2, 1, 1);
    grid->addWidget(m_flip, 2, 1, 2, 1);
    for (QCheckBox* box : {m_crop, m_corner, m_header, m_footer, m_side1, m_flip})
        connect(box, &QCheckBox::toggled, this, [this] { controlsChanged(); });
    connect(m_side2, &QCheckBox::toggled, this, [this](bool on) {
        if (m_showing)
            return;
        readControls();
        m_form.setSide2(on);
        showForm();
    });
    return group;
}

void PrintDialog::readControls()
{
    if (m_showing)
        return;
    m_form.startPosition = m_startEdit->text();
    m_form.quantity = m_quantityEdit->text();
    m_form.quantityInPages = m_pages->isChecked();
    m_form.startRecord = m_startRecord->value();
    m_form.cycle = m_cycle->isChecked();
    m_form.cropMarks = m_crop->isChecked();
    m_form.cornerMarks = m_corner->isChecked();
    m_form.header = m_header->isChecked();
    m_form.footer = m_footer->isChecked();
    m_form.side1 = m_side1->isChecked();
    m_form.flip = m_flip->isChecked();
}

void PrintDialog::controlsChanged()
{
    readControls();
    showForm();
}

void PrintDialog::showForm()
{
    m_showing = true;
    if (m_startEdit->text() != m_form.startPosition)
        m_startEdit->setText(m_form.startPosition);
    if (m_quantityEdit->text() != m_form.quantity)
        m_quantityEdit->setText(m_form.quantity);
    m_elements->setChecked(!m_form.quantityInPages);
    m_pages->setChecked(m_form.quantityInPages);
    m_startRecord->setValue(m_form.startRecord);
    m_cycle->setChecked(m_form.cycle);
    m_crop->setChecked(m_form.cropMarks);
    m_corner->setChecked(m_form.cornerMarks);
    m_header->setChecked(m_form.header);
    m_footer->setChecked(m_form.footer);
    m_side1->setChecked(m_form.side1);
    m_side2->setChecked(m_form.side2);
    m_flip->setChecked(m_form.flip);

    m_database->setVisible(m_form.databaseShown());
    const bool passControls = m_form.passControlsEnabled();
    m_startEdit->setEnabled(m_form.startPositionEnabled());
    m_picture->setEnabled(m_form.startPositionEnabled());
    for (QWidget* w : std::initializer_list<QWidget*>{m_quantityEdit, m_elements, m_pages, m_calcQty, m_side1,
                                                      m_startRecord, m_cycle, m_header, m_footer, m_printers})
        w->setEnabled(passControls);
    m_side2->setEnabled(m_form.side2Enabled());
    m_flip->setVisible(m_form.flipShown());
    m_instructions->setText(m_form.instructions());
    m_ok->setEnabled(m_form.okEnabled());
    m_picture->update();
    m_showing = false;
}

void PrintDialog::tryAccept()
{
    readControls();
    const PrintForm::Outcome outcome = m_form.accept();
    if (!outcome.message.isEmpty()) {
        Messages::error(outcome.message);
        (outcome.field == PrintFormField::StartPosition ? m_startEdit : m_quantityEdit)->setFocus();
        return;
    }
    if (m_target.toFile() && m_target.pdfPath.isEmpty() && !m_form.secondPass() && !m_forPreview) {
        Messages::error(T::NoPdfFile);
        return;
    }
    m_settings = outcome.settings;
    accept();
}

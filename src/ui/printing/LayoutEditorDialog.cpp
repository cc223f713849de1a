#include "ui/printing/LayoutEditorDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "model/ModelTexts.h"
#include "model/Paper.h"
#include "system/Messages.h"
#include "ui/printing/LayoutTexts.h"
#include "ui/printing/PrintingParts.h"
#include "ui/shell/DialogParts.h"

namespace T = LayoutTexts;

LayoutEditorDialog::LayoutEditorDialog(LayoutEditorForm& form, LayoutRecord& record, QWidget* parent)
    : QDialog(parent), m_form(form), m_record(record)
{
    setWindowTitle(T::EditorCaption);
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    m_name = addField(grid, 0, T::LayoutName, "LayoutNameEdit", form.name);
    m_name->setMaxLength(LayoutRecord::kNameSize - 1);
    grid->addWidget(new QLabel(form.storedUnitNote(), this), 1, 0, 1, 4);
    m_rows = addField(grid, 2, T::Rows, "RowsEdit", form.rows);
    m_columns = addField(grid, 3, T::Columns, "ColumnsEdit", form.columns);
    m_width = addField(grid, 4, T::Width, "WidthEdit", form.width);
    m_height = addField(grid, 5, T::Height, "HeightEdit", form.height);
    m_top = addField(grid, 6, T::TopMargin, "TopMarginEdit", form.topMargin);
    m_left = addField(grid, 7, T::LeftMargin, "LeftMarginEdit", form.leftMargin);
    m_columnSpace = addField(grid, 8, T::ColumnSpace, "ColumnSpaceEdit", form.columnSpace);
    m_rowSpace = addField(grid, 9, T::RowSpace, "RowSpaceEdit", form.rowSpace);
    layout->addLayout(grid);

    auto* paperGroup = new QGroupBox(T::PaperType, this);
    auto* paperGrid = new QGridLayout(paperGroup);
    m_paper = new QComboBox(paperGroup);
    m_paper->setObjectName(QStringLiteral("PaperTypeCombo"));
    for (int i = 0; i < kPaperTypeCount; ++i)
        m_paper->addItem(QString::fromLatin1(paperTableEntry(i).caption));
    m_paper->setCurrentIndex(form.paperType);
    paperGrid->addWidget(m_paper, 0, 0, 1, 4);
    m_paperLengthLabel = new QLabel(T::PaperLength, paperGroup);
    m_paperLength = new QLineEdit(form.paperLength, paperGroup);
    m_paperLength->setObjectName(QStringLiteral("PaperLengthEdit"));
    m_paperWidthLabel = new QLabel(T::PaperWidth, paperGroup);
    m_paperWidth = new QLineEdit(form.paperWidth, paperGroup);
    m_paperWidth->setObjectName(QStringLiteral("PaperWidthEdit"));
    paperGrid->addWidget(m_paperLengthLabel, 1, 0);
    paperGrid->addWidget(m_paperLength, 1, 1);
    paperGrid->addWidget(m_paperWidthLabel, 1, 2);
    paperGrid->addWidget(m_paperWidth, 1, 3);
    layout->addWidget(paperGroup);
    connect(m_paper, &QComboBox::currentIndexChanged, this, [this] {
        m_form.paperType = m_paper->currentIndex();
        showPaperSize();
    });

    auto* units = new QGroupBox(T::UnitsGroup, this);
    units->setEnabled(false);
    auto* unitRow = new QGridLayout(units);
    auto* inch = new QRadioButton(T::Inch, units);
    auto* mm = new QRadioButton(T::Mm, units);
    (form.metric() ? mm : inch)->setChecked(true);
    unitRow->addWidget(inch, 0, 0);
    unitRow->addWidget(mm, 0, 1);
    auto* unitNote = new QLabel(T::UnitsNote, units);
    unitNote->setWordWrap(true);
    unitRow->addWidget(unitNote, 1, 0, 1, 2);
    layout->addWidget(units);

    m_regionGroup = new QGroupBox(T::RegionGroup, this);
    m_regionGroup->setObjectName(QStringLiteral("RegionGroup"));
    auto* regionGrid = new QGridLayout(m_regionGroup);
    m_fold = new QComboBox(m_regionGroup);
    m_fold->setObjectName(QStringLiteral("FoldTypeCombo"));
    m_fold->addItems(ModelTexts::FoldTypeNames);
    m_fold->setCurrentIndex(form.foldType);
    m_back = new QCheckBox(T::BackPrintable, m_regionGroup);
    m_back->setObjectName(QStringLiteral("BackPrintableCB"));
    m_back->setChecked(form.backPrintable);
    m_stock = new QComboBox(m_regionGroup);
    m_stock->setObjectName(QStringLiteral("StockTypeCombo"));
    m_stock->addItems(T::StockTypes);
    m_stock->setCurrentIndex(form.stockType);
    regionGrid->addWidget(m_fold, 0, 0);
    regionGrid->addWidget(m_back, 0, 1);
    regionGrid->addWidget(m_stock, 1, 0);
    regionGrid->addWidget(new QLabel(T::DisplayOnly, m_regionGroup), 1, 1);
    for (QWidget* w : std::initializer_list<QWidget*>{m_fold, m_back, m_stock})
        w->setEnabled(false);
    m_regionGroup->installEventFilter(this);
    layout->addWidget(m_regionGroup);

    QDialogButtonBox* buttons = okCancelButtons(this, [this] { tryAccept(); });
    layout->addWidget(buttons);
    showPaperSize();
}

QLineEdit* LayoutEditorDialog::addField(QGridLayout* grid, int row, const QString& caption, const char* name,
                                        const QString& value)
{
    auto* label = new QLabel(caption, this);
    auto* edit = new QLineEdit(value, this);
    edit->setObjectName(QLatin1String(name));
    label->setBuddy(edit);
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1, 1, 3);
    return edit;
}

void LayoutEditorDialog::showPaperSize()
{
    const bool shown = m_form.paperSizeShown();
    for (QWidget* w : std::initializer_list<QWidget*>{m_paperLength, m_paperWidth, m_paperLengthLabel, m_paperWidthLabel})
        w->setVisible(shown);
}

bool LayoutEditorDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_regionGroup && isControlShiftClick(event))
        unlockRegionGroup();
    return QDialog::eventFilter(watched, event);
}

void LayoutEditorDialog::unlockRegionGroup()
{
    for (QWidget* w : std::initializer_list<QWidget*>{m_fold, m_back, m_stock})
        w->setEnabled(true);
}

void LayoutEditorDialog::readControls()
{
    m_form.name = m_name->text();
    m_form.rows = m_rows->text();
    m_form.columns = m_columns->text();
    m_form.width = m_width->text();
    m_form.height = m_height->text();
    m_form.topMargin = m_top->text();
    m_form.leftMargin = m_left->text();
    m_form.columnSpace = m_columnSpace->text();
    m_form.rowSpace = m_rowSpace->text();
    m_form.paperType = m_paper->currentIndex();
    m_form.paperLength = m_paperLength->text();
    m_form.paperWidth = m_paperWidth->text();
    m_form.foldType = m_fold->currentIndex();
    m_form.backPrintable = m_back->isChecked();
    m_form.stockType = m_stock->currentIndex();
}

void LayoutEditorDialog::tryAccept()
{
    readControls();
    const QString message = m_form.accept(m_record);
    if (!message.isEmpty()) {
        Messages::error(message);
        return;
    }
    accept();
}

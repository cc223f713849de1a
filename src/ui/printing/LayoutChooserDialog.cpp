#include "ui/printing/LayoutChooserDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QFileDialog>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "system/AppPaths.h"
#include "ui/printing/LayoutTexts.h"
#include "ui/printing/PrintingParts.h"
#include "ui/printing/TemplateFileTools.h"
#include "ui/shell/DialogParts.h"

namespace T = LayoutTexts;

namespace {

const QColor kCutLine(Qt::red);
const QColor kFoldLine(Qt::blue);

// The selected sheet at a sixth of its size: grey paper, white elements with
// their cut line, and the fold line of folded stock.
class SheetPictureView : public QWidget {
public:
    SheetPictureView(const LayoutChooser& chooser, QWidget* parent) : QWidget(parent), m_chooser(chooser)
    {
        setObjectName(QStringLiteral("LayoutPicture"));
        setMinimumSize(220, 240);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const std::optional<SheetPicture> picture = m_chooser.picture(size());
        if (!picture)
            return;
        p.setPen(Qt::black);
        p.setBrush(QColor(0x80, 0x80, 0x80));
        p.drawRect(picture->paper);
        for (const QRect& element : picture->elements) {
            p.setPen(kCutLine);
            p.setBrush(Qt::white);
            p.drawRect(element);
            if (!picture->folded)
                continue;
            p.setPen(kFoldLine);
            const QPoint c = element.center();
            if (picture->sideFold)
                p.drawLine(c.x(), element.top(), c.x(), element.bottom());
            else
                p.drawLine(element.left(), c.y(), element.right(), c.y());
        }
    }

private:
    const LayoutChooser& m_chooser;
};

QWidget* legendLine(const QColor& color, const QString& text, QWidget* parent)
{
    auto* row = new QWidget(parent);
    auto* h = new QHBoxLayout(row);
    h->setContentsMargins(0, 0, 0, 0);
    auto* swatch = new QLabel(row);
    swatch->setFixedSize(18, 3);
    swatch->setStyleSheet(QStringLiteral("background: %1").arg(color.name()));
    h->addWidget(swatch);
    h->addWidget(new QLabel(text, row));
    h->addStretch(1);
    return row;
}

} // namespace

LayoutChooserDialog::LayoutChooserDialog(LayoutChooser& chooser, bool choosing, QWidget* parent)
    : QDialog(parent), m_chooser(chooser), m_choosing(choosing)
{
    setWindowTitle(T::ChooserCaption);
    auto* layout = new QHBoxLayout(this);

    auto* left = new QGroupBox(T::LayoutsGroup, this);
    auto* leftBox = new QVBoxLayout(left);
    m_files = new QComboBox(left);
    m_files->setObjectName(QStringLiteral("LayoutFileCombo"));
    m_files->addItems(chooser.files());
    m_files->setCurrentIndex(chooser.fileIndex());
    m_list = new QListWidget(left);
    m_list->setObjectName(QStringLiteral("LayoutList"));
    m_list->setDragDropMode(QAbstractItemView::InternalMove);
    leftBox->addWidget(m_files);
    leftBox->addWidget(m_list, 1);
    auto* buttonsRow = new QHBoxLayout;
    auto* add = new QPushButton(T::NewButton, left);
    add->setObjectName(QStringLiteral("NewBtn"));
    m_edit = new QPushButton(T::EditButton, left);
    m_edit->setObjectName(QStringLiteral("EditBtn"));
    m_delete = new QPushButton(T::DeleteButton, left);
    m_delete->setObjectName(QStringLiteral("DeleteBtn"));
    for (QPushButton* b : {add, m_edit, m_delete})
        buttonsRow->addWidget(b);
    leftBox->addLayout(buttonsRow);
    auto* leftColumn = new QVBoxLayout;
    leftColumn->addWidget(left, 1);
    m_conversion = createConversionTools();
    leftColumn->addWidget(m_conversion);
    layout->addLayout(leftColumn, 3);

    auto* right = new QVBoxLayout;
    m_picture = new SheetPictureView(chooser, this);
    right->addWidget(m_picture, 1);
    right->addWidget(legendLine(kCutLine, T::CutLine, this));
    m_foldLegend = legendLine(kFoldLine, T::FoldLine, this);
    m_foldLegend->setObjectName(QStringLiteral("FoldLegend"));
    m_foldLegend->installEventFilter(this);
    right->addWidget(m_foldLegend);
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("NoteLabel"));
    m_size = new QLabel(this);
    m_size->setObjectName(QStringLiteral("SizeLabel"));
    right->addWidget(m_note);
    right->addWidget(m_size);
    m_opposite = new QCheckBox(T::OppositeOrientation, this);
    m_opposite->setObjectName(QStringLiteral("OppositeCB"));
    m_opposite->setToolTip(T::OppositeHint);
    right->addWidget(m_opposite);
    QDialogButtonBox* buttons = okCancelButtons(this, [this] { tryAccept(); });
    right->addWidget(buttons);
    layout->addLayout(right, 2);

    connect(m_files, &QComboBox::activated, this, [this](int index) {
        if (!m_chooser.selectFile(index))
            m_files->setCurrentIndex(m_chooser.fileIndex());
        fillEntries();
    });
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        m_chooser.select(row);
        showSelection();
    });
    connect(m_list->model(), &QAbstractItemModel::rowsMoved, this,
            [this](const QModelIndex&, int from, int, const QModelIndex&, int to) {
                m_chooser.moveEntry(from, to > from ? to - 1 : to);
            });
    connect(m_opposite, &QCheckBox::toggled, this, [this](bool on) {
        m_chooser.opposite = on;
        showSelection();
    });
    connect(add, &QPushButton::clicked, this, &LayoutChooserDialog::newLayout);
    connect(m_edit, &QPushButton::clicked, this, &LayoutChooserDialog::editLayout);
    connect(m_delete, &QPushButton::clicked, this, &LayoutChooserDialog::deleteLayout);
    fillEntries();
}

QWidget* LayoutChooserDialog::createConversionTools()
{
    auto* group = new QGroupBox(T::ConversionGroup, this);
    group->setObjectName(QStringLiteral("ConversionGroup"));
    auto* grid = new QGridLayout(group);
    auto* convert = new QPushButton(T::ConvertToSelected, group);
    convert->setObjectName(QStringLiteral("ConvertBtn"));
    auto* rename = new QPushButton(T::ChangeLayoutName, group);
    rename->setObjectName(QStringLiteral("ChangeNameBtn"));
    auto* name = new QLineEdit(group);
    name->setObjectName(QStringLiteral("NewNameEdit"));
    auto* sign = new QPushButton(T::ChangeSignature, group);
    sign->setObjectName(QStringLiteral("ChangeSignatureBtn"));
    auto* signature = new QLineEdit(group);
    signature->setObjectName(QStringLiteral("NewSignatureEdit"));
    grid->addWidget(convert, 0, 0, 1, 2);
    grid->addWidget(rename, 1, 0);
    grid->addWidget(name, 1, 1);
    grid->addWidget(sign, 2, 0);
    grid->addWidget(signature, 2, 1);
    group->hide();
    chooseTemplateFiles = [this] {
        return QFileDialog::getOpenFileNames(this, T::ConversionGroup, AppPaths::templateFolder(), T::TemplatesFilter);
    };
    connect(convert, &QPushButton::clicked, this, [this] {
        if (const std::optional<LayoutRecord> record = m_chooser.selectedRecord())
            convertTemplatesToLayout(chooseTemplateFiles, *record);
    });
    connect(rename, &QPushButton::clicked, this, [this, name] { changeTemplateLayoutNames(chooseTemplateFiles, name->text()); });
    connect(sign, &QPushButton::clicked, this,
            [this, signature] { changeTemplateSignatures(chooseTemplateFiles, signature->text()); });
    return group;
}

void LayoutChooserDialog::showConversionTools() { m_conversion->show(); }

bool LayoutChooserDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_foldLegend && isControlShiftClick(event))
        showConversionTools();
    return QDialog::eventFilter(watched, event);
}

void LayoutChooserDialog::fillEntries()
{
    const QSignalBlocker block(m_list);
    m_list->clear();
    m_list->addItems(m_chooser.entryNames());
    m_list->setCurrentRow(m_chooser.selected());
    showSelection();
}

void LayoutChooserDialog::showSelection()
{
    m_edit->setEnabled(m_chooser.hasSelection());
    m_delete->setEnabled(m_chooser.hasSelection());
    m_note->setText(m_chooser.noteText());
    m_size->setText(m_chooser.sizeText());
    m_picture->update();
}

void LayoutChooserDialog::newLayout()
{
    LayoutRecord record = m_chooser.newRecordTemplate();
    if (editRecord && editRecord(record)) {
        m_chooser.addEntry(record);
        fillEntries();
    }
}

void LayoutChooserDialog::editLayout()
{
    if (!m_chooser.hasSelection())
        return;
    LayoutRecord record = m_chooser.entries()[size_t(m_chooser.selected())];
    if (editRecord && editRecord(record)) {
        m_chooser.replaceSelected(record);
        fillEntries();
    }
}

void LayoutChooserDialog::deleteLayout()
{
    if (m_chooser.deleteSelected())
        fillEntries();
}

void LayoutChooserDialog::tryAccept()
{
    if (!m_choosing) {
        m_chooser.save();
        accept();
        return;
    }
    m_chosen = m_chooser.choose();
    if (m_chosen)
        accept();
}

void LayoutChooserDialog::reject()
{
    if (m_chooser.cancelQuery())
        QDialog::reject();
}

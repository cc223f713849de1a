#include "ui/editing/SymbolDialog.h"

#include <QDialogButtonBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "base/Cp1252.h"
#include "ui/editing/EditingTexts.h"
#include "ui/shell/DialogParts.h"

namespace T = EditingTexts;

namespace {

constexpr int kColumns = 16;
constexpr int kFirst = 0x20;
constexpr int kCells = 0x100 - kFirst;
const QChar kInitialSymbol(0x00A9);  // ©

// The characters a design can store: Windows-1252 from the space on.
QChar mapCharacter(int cell)
{
    const char byte = char(kFirst + cell);
    const QString text = fromCp1252(QByteArrayView(&byte, 1));
    return text.isEmpty() ? QChar() : text.front();
}

} // namespace

QStringList SymbolDialog::symbolFonts()
{
    QStringList fonts;
    for (const QString& family : QFontDatabase::families())
        if (QFontDatabase::isSmoothlyScalable(family) && !QFontDatabase::isPrivateFamily(family))
            fonts << family;
    fonts.sort(Qt::CaseInsensitive);
    return fonts;
}

SymbolDialog::SymbolDialog(const QString& currentFont, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ChooseSymbolForm"));
    setWindowTitle(T::SymbolCaption);
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(T::SymbolLabel, this), 0, 0);
    m_preview = new QLabel(this);
    m_preview->setObjectName(QStringLiteral("SymbolPreview"));
    m_preview->setFixedSize(48, 48);
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setFrameShape(QFrame::Box);
    grid->addWidget(m_preview, 0, 1, Qt::AlignLeft);
    grid->addWidget(new QLabel(T::SymbolFontLabel, this), 1, 0);
    m_fonts = new QComboBox(this);
    m_fonts->setObjectName(QStringLiteral("FontCombo"));
    m_fonts->addItems(symbolFonts());
    grid->addWidget(m_fonts, 1, 1);
    layout->addLayout(grid);

    m_map = new QTableWidget(kCells / kColumns, kColumns, this);
    m_map->setObjectName(QStringLiteral("SymbolMap"));
    m_map->horizontalHeader()->hide();
    m_map->verticalHeader()->hide();
    m_map->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_map->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_map->horizontalHeader()->setDefaultSectionSize(24);
    m_map->verticalHeader()->setDefaultSectionSize(24);
    m_map->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_map->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int cell = 0; cell < kCells; ++cell) {
        auto* item = new QTableWidgetItem(QString(mapCharacter(cell)));
        item->setTextAlignment(Qt::AlignCenter);
        m_map->setItem(cell / kColumns, cell % kColumns, item);
    }
    m_map->setFixedSize(24 * kColumns + 4, 24 * (kCells / kColumns) + 4);
    layout->addWidget(m_map);

    auto* note = new QLabel(T::SymbolNote, this);
    note->setWordWrap(true);
    note->setStyleSheet(QStringLiteral("color: red"));
    layout->addWidget(note);
    layout->addWidget(okCancelHelpButtons(this));

    connect(m_fonts, &QComboBox::currentIndexChanged, this, &SymbolDialog::showFont);
    connect(m_map, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
        if (QTableWidgetItem* item = m_map->item(row, column); item && !item->text().isEmpty())
            chooseSymbol(item->text().front());
    });
    connect(m_map, &QTableWidget::cellDoubleClicked, this, [this] { accept(); });

    const int preselected = m_fonts->findText(currentFont, Qt::MatchFixedString);
    m_fonts->setCurrentIndex(preselected >= 0 ? preselected : (m_fonts->count() > 0 ? 0 : -1));
    showFont();
    chooseSymbol(kInitialSymbol);
}

QString SymbolDialog::fontName() const { return m_fonts->currentText(); }

void SymbolDialog::setFontName(const QString& name)
{
    const int at = m_fonts->findText(name, Qt::MatchFixedString);
    if (at >= 0)
        m_fonts->setCurrentIndex(at);
}

void SymbolDialog::showFont()
{
    QFont font(fontName());
    font.setPointSize(12);
    m_map->setFont(font);
    QFont large(fontName());
    large.setPointSize(24);
    m_preview->setFont(large);
}

void SymbolDialog::chooseSymbol(QChar symbol)
{
    m_symbol = symbol;
    m_preview->setText(QString(symbol));
    for (int cell = 0; cell < kCells; ++cell)
        if (mapCharacter(cell) == symbol) {
            const QSignalBlocker blocker(m_map);
            m_map->setCurrentCell(cell / kColumns, cell % kColumns);
        }
}

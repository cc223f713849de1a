#include "ui/editing/PropertyEditor.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "merge/VariableText.h"
#include "model/DesignObject.h"
#include "model/Options.h"
#include "system/Messages.h"
#include "ui/designwindow/DesignSurface.h"
#include "ui/editing/ColorCombo.h"
#include "ui/editing/EditingTexts.h"
#include "ui/editing/SymbolDialog.h"
#include "ui/editing/VariableTextDialog.h"
#include "ui/shell/DesignWindow.h"
#include "ui/shell/Hooks.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/ProtectionCheck.h"

namespace T = EditingTexts;
namespace V = PropertyValues;

namespace {

const char* const kPageKindProperty = "editingPageKind";
constexpr int kShadowRange = 10;

QLabel* buddyLabel(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

template <typename W>
W* named(W* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

void setTextIfDifferent(QLineEdit* edit, const QString& text)
{
    if (edit->text() != text)
        edit->setText(text);
}

QButtonGroup* radioColumn(QGroupBox* box, const QStringList& items, const char* prefix)
{
    auto* layout = new QVBoxLayout(box);
    auto* group = new QButtonGroup(box);
    for (int i = 0; i < items.size(); ++i) {
        auto* radio = new QRadioButton(items[i], box);
        radio->setObjectName(QLatin1String(prefix) + QString::number(i));
        group->addButton(radio, i);
        layout->addWidget(radio);
    }
    return group;
}

void checkId(QButtonGroup* group, int id)
{
    if (QAbstractButton* button = group->button(id)) {
        button->setChecked(true);
        return;
    }
    // No button of that value: none checked.
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons())
        button->setChecked(false);
    group->setExclusive(true);
}

QStringList installedFonts()
{
    QStringList fonts = QFontDatabase::families();
    fonts.removeAll(QStringLiteral("Default"));
    // Designs name the usual Windows faces, which fontconfig draws with
    // metric-compatible fonts: offer them under the names the designs use.
    for (const QString& face : {QStringLiteral("Arial"), QStringLiteral("Times New Roman"), QStringLiteral("Courier New")})
        if (!fonts.contains(face, Qt::CaseInsensitive) && fonts.contains(QFontInfo(QFont(face)).family()))
            fonts << face;
    fonts.sort(Qt::CaseInsensitive);
    return fonts;
}

} // namespace

PropertyEditor::PropertyEditor(MainWindow& window) : QObject(&window), m_window(window)
{
    setObjectName(QStringLiteral("PropertyEditorPages"));
    fontDialog = [](QWidget* parent, const QFont& initial) -> std::optional<QFont> {
        bool ok = false;
        const QFont font = QFontDialog::getFont(&ok, initial, parent, QString(), QFontDialog::ScalableFonts);
        return ok ? std::optional<QFont>(font) : std::nullopt;
    };
    textListDialog = [](QWidget* parent, const QStringList& entries) -> std::optional<QStringList> {
        VariableTextDialog dialog(entries, parent);
        return dialog.exec() == QDialog::Accepted ? std::optional<QStringList>(dialog.entries()) : std::nullopt;
    };
    symbolDialog = [](QWidget* parent, const QString& currentFont) -> std::optional<std::pair<QString, QChar>> {
        SymbolDialog dialog(currentFont, parent);
        if (dialog.exec() != QDialog::Accepted || dialog.symbol().isNull())
            return std::nullopt;
        return std::make_pair(dialog.fontName(), dialog.symbol());
    };

    m_generalPage = buildGeneralPage();
    m_textPage = buildTextPage();
    m_textPropertiesPage = buildTextPropertiesPage();
    m_shapePage = buildShapePage();
    m_graphicPage = buildGraphicPage();
    clearPages();

    connect(&window, &MainWindow::designWindowOpened, this, &PropertyEditor::connectWindow);
    connect(&window, &MainWindow::activeDesignWindowChanged, this, [this] { refresh(true); });
    // After the region list has switched regions (the frame's own handler runs first).
    connect(window.regionCombo(), &QComboBox::currentIndexChanged, this, [this] { refresh(true); });
}

PropertyEditor::~PropertyEditor() = default;

PropertyEditor* PropertyEditor::of(MainWindow& window)
{
    return window.findChild<PropertyEditor*>(QStringLiteral("PropertyEditorPages"), Qt::FindDirectChildrenOnly);
}

DesignWindow* PropertyEditor::activeWindow() const { return m_window.activeDesignWindow(); }

DesignObject* PropertyEditor::selectedObject() const
{
    DesignWindow* window = activeWindow();
    if (!window)
        return nullptr;
    const auto& selection = window->document().editor.selection();
    return selection.size() == 1 ? selection.front() : nullptr;
}

void PropertyEditor::connectWindow(DesignWindow* window)
{
    DesignSurface& surface = window->surface();
    const auto follow = [this, window] {
        if (window == activeWindow())
            refresh(false);
    };
    // The pages show design units: the zoom does not concern them.
    connect(&surface, &DesignSurface::selectionChanged, this, follow);
    connect(&surface, &DesignSurface::contentChanged, this, follow);
}

// ---- pages ----------------------------------------------------------------

QWidget* PropertyEditor::buildGeneralPage()
{
    auto* page = named(new QWidget, "GeneralPage");
    auto* layout = new QVBoxLayout(page);
    auto* sizeGroup = new QGroupBox(T::SizeAndPosition, page);
    auto* form = new QFormLayout(sizeGroup);
    const std::pair<QLineEdit**, std::pair<const char*, QString>> boxes[] = {
        {&m_left, {"GeneralLeftEdit", T::LeftBox}},
        {&m_top, {"GeneralTopEdit", T::TopBox}},
        {&m_width, {"GeneralWidthEdit", T::WidthBox}},
        {&m_height, {"GeneralHeightEdit", T::HeightBox}},
    };
    for (const auto& [box, text] : boxes) {
        *box = named(new QLineEdit(sizeGroup), text.first);
        form->addRow(buddyLabel(text.second, *box, sizeGroup), *box);
        connect(*box, &QLineEdit::editingFinished, this, &PropertyEditor::apply);
    }
    layout->addWidget(sizeGroup);
    auto* styleGroup = new QGroupBox(T::ExtendedStyle, page);
    auto* styleLayout = new QVBoxLayout(styleGroup);
    m_nonPrinting = named(new QCheckBox(T::NonPrinting, styleGroup), "GeneralNonPrintingCheck");
    m_locked = named(new QCheckBox(T::Locked, styleGroup), "GeneralLockedCheck");
    styleLayout->addWidget(m_nonPrinting);
    styleLayout->addWidget(m_locked);
    for (QCheckBox* check : {m_nonPrinting, m_locked})
        connect(check, &QCheckBox::clicked, this, &PropertyEditor::apply);
    layout->addWidget(styleGroup);
    layout->addStretch();
    return page;
}

QWidget* PropertyEditor::buildTextPage()
{
    auto* page = named(new QWidget, "TextPage");
    auto* layout = new QVBoxLayout(page);
    auto* group = new QGroupBox(T::TextChoiceGroup, page);
    auto* grid = new QGridLayout(group);
    m_textChoice = new QButtonGroup(group);

    auto* single = named(new QRadioButton(T::SingleText, group), "SingleTextRadio");
    m_textChoice->addButton(single, SingleTextId);
    grid->addWidget(single, 0, 0, 1, 4);
    m_textLines = named(new QPlainTextEdit(group), "TextMemo");
    m_textLines->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_textLines->setFixedHeight(80);
    grid->addWidget(m_textLines, 1, 0, 1, 4);
    m_pickText = named(new QPushButton(T::PickText, group), "PickTextBtn");
    m_symbol = named(new QPushButton(T::Symbol, group), "SymbolBtn");
    auto* memoButtons = new QHBoxLayout;
    memoButtons->addWidget(m_pickText);
    memoButtons->addWidget(m_symbol);
    memoButtons->addStretch();
    grid->addLayout(memoButtons, 2, 0, 1, 4);

    auto* list = named(new QRadioButton(T::VarText, group), "VarTextRadio");
    m_textChoice->addButton(list, VarTextId);
    m_varTextEdit = named(new QPushButton(T::EditList, group), "VarTextBtn");
    m_varTextEdit->setToolTip(T::EditListHint);
    grid->addWidget(list, 3, 0, 1, 3);
    grid->addWidget(m_varTextEdit, 3, 3);

    auto* counter = named(new QRadioButton(T::Counter, group), "CounterRadio");
    m_textChoice->addButton(counter, CounterId);
    grid->addWidget(counter, 4, 0, 1, 4);
    auto* counterRow = new QHBoxLayout;
    m_counterLength = named(new QLineEdit(group), "CounterLengthEdit");
    m_counterLength->setToolTip(T::CounterLengthHint);
    m_counterStart = named(new QLineEdit(group), "CounterStartEdit");
    m_counterStart->setToolTip(T::CounterStartHint);
    m_counterInc = named(new QLineEdit(group), "CounterIncEdit");
    m_counterInc->setToolTip(T::CounterIncHint);
    m_counterLength->setMaximumWidth(36);
    counterRow->addWidget(m_counterLength);
    counterRow->addWidget(new QLabel(T::CounterDigits, group));
    counterRow->addWidget(m_counterStart, 1);
    grid->addLayout(counterRow, 5, 0, 1, 4);
    auto* incRow = new QHBoxLayout;
    incRow->addWidget(new QLabel(T::CounterInc, group));
    incRow->addWidget(m_counterInc, 1);
    grid->addLayout(incRow, 6, 0, 1, 4);
    for (QLineEdit* box : {m_counterLength, m_counterStart, m_counterInc})
        connect(box, &QLineEdit::editingFinished, this, &PropertyEditor::apply);

    auto* database = named(new QRadioButton(T::DBField, group), "DBRadio");
    m_textChoice->addButton(database, DatabaseFieldId);
    grid->addWidget(database, 7, 0, 1, 4);
    m_dbFile = named(new QPushButton(T::DBFile, group), "DBFileBtn");
    m_dbFile->setToolTip(T::DBFileHint);
    m_dbField = named(new QComboBox(group), "DBFieldCombo");
    m_dbField->setToolTip(T::DBFieldHint);
    m_buildField = named(new QPushButton(T::BuildField, group), "BuildFieldBtn");
    m_buildField->setToolTip(T::BuildFieldMissing);
    m_buildField->setMaximumWidth(30);
    auto* dbRow = new QHBoxLayout;
    dbRow->addWidget(m_dbFile);
    dbRow->addWidget(m_dbField, 1);
    dbRow->addWidget(m_buildField);
    grid->addLayout(dbRow, 8, 0, 1, 4);
    layout->addWidget(group);
    layout->addStretch();

    connect(m_textChoice, &QButtonGroup::idClicked, this, &PropertyEditor::textChoiceClicked);
    connect(m_textLines, &QPlainTextEdit::textChanged, this, &PropertyEditor::apply);
    connect(m_pickText, &QPushButton::clicked, this, &PropertyEditor::pickText);
    connect(m_symbol, &QPushButton::clicked, this, &PropertyEditor::chooseSymbol);
    connect(m_varTextEdit, &QPushButton::clicked, this, &PropertyEditor::editTextList);
    connect(m_buildField, &QPushButton::clicked, this, &PropertyEditor::buildField);
    connect(m_dbField, &QComboBox::activated, this, &PropertyEditor::apply);
    connect(m_dbFile, &QPushButton::clicked, this, [this] {
        if (QAction* link = m_window.command(QStringLiteral("LinkedDatabaseMI")))
            link->trigger();
        fillFieldList();
    });
    return page;
}

QWidget* PropertyEditor::buildTextPropertiesPage()
{
    auto* page = named(new QWidget, "TextPropertiesPage");
    auto* grid = new QGridLayout(page);
    int row = 0;
    m_fontLabel = named(new QLabel(page), "TextFontLabel");
    grid->addWidget(m_fontLabel, row++, 1, 1, 3);
    m_fontList = named(new QComboBox(page), "TextFontCombo");
    m_fontList->addItems(installedFonts());
    m_fontList->setMinimumContentsLength(10);
    m_fontList->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_fontButton = named(new QToolButton(page), "FontBtn");
    m_fontButton->setText(T::FontButton);
    grid->addWidget(buddyLabel(T::FontBox, m_fontList, page), row, 0);
    grid->addWidget(m_fontList, row, 1, 1, 2);
    grid->addWidget(m_fontButton, row++, 3);
    m_fontSize = named(new QComboBox(page), "TextFontSizeCombo");
    m_fontSize->setEditable(true);
    m_fontSize->setInsertPolicy(QComboBox::NoInsert);
    for (int size = 6; size <= 48; size += 2)
        m_fontSize->addItem(QString::number(size));
    m_fontSize->addItem(QString());
    grid->addWidget(buddyLabel(T::SizeBox, m_fontSize, page), row, 0);
    grid->addWidget(m_fontSize, row++, 1);

    m_bold = named(new QCheckBox(T::Bold, page), "BoldCheck");
    m_italic = named(new QCheckBox(T::Italic, page), "ItalicCheck");
    m_underline = named(new QCheckBox(T::Underline, page), "UnderlineCheck");
    m_strikeout = named(new QCheckBox(T::Strikeout, page), "StrikeoutCheck");
    grid->addWidget(m_bold, row, 0, 1, 2);
    grid->addWidget(m_italic, row++, 2, 1, 2);
    grid->addWidget(m_underline, row, 0, 1, 2);
    grid->addWidget(m_strikeout, row++, 2, 1, 2);

    m_textColor = named(new ColorCombo(page), "TextColorFGCombo");
    m_shadowColor = named(new ColorCombo(page), "TextColorBGCombo");
    grid->addWidget(buddyLabel(T::TextColor, m_textColor, page), row, 0);
    grid->addWidget(m_textColor, row++, 1, 1, 3);
    grid->addWidget(buddyLabel(T::ShadowColor, m_shadowColor, page), row, 0);
    grid->addWidget(m_shadowColor, row++, 1, 1, 3);

    m_textStyle = named(new QComboBox(page), "TextStyleCombo");
    m_textStyle->addItems(V::textStyleNames());
    grid->addWidget(buddyLabel(T::Style, m_textStyle, page), row, 0);
    grid->addWidget(m_textStyle, row++, 1, 1, 3);
    for (int i = 0; i < 3; ++i) {
        m_paramLabels[i] = new QLabel(page);
        m_paramLabels[i]->setObjectName(QStringLiteral("TextParam%1Label").arg(i + 1));
        m_params[i] = new QComboBox(page);
        m_params[i]->setObjectName(QStringLiteral("TextParam%1Combo").arg(i + 1));
        grid->addWidget(m_paramLabels[i], row, 0);
        grid->addWidget(m_params[i], row++, 1, 1, 3);
        connect(m_params[i], &QComboBox::activated, this, &PropertyEditor::apply);
    }

    auto* shadow = new QGroupBox(T::Shadow, page);
    auto* shadowLayout = new QHBoxLayout(shadow);
    m_shadowX = named(new QComboBox(shadow), "TextShadowDXCombo");
    m_shadowY = named(new QComboBox(shadow), "TextShadowDYCombo");
    for (int offset = -kShadowRange; offset <= kShadowRange; ++offset) {
        m_shadowX->addItem(QString::number(offset));
        m_shadowY->addItem(QString::number(offset));
    }
    shadowLayout->addWidget(buddyLabel(T::ShadowX, m_shadowX, shadow));
    shadowLayout->addWidget(m_shadowX);
    shadowLayout->addWidget(buddyLabel(T::ShadowY, m_shadowY, shadow));
    shadowLayout->addWidget(m_shadowY);
    grid->addWidget(shadow, row++, 0, 1, 4);

    m_rotation = named(new QSpinBox(page), "TextRotationEdit");
    m_rotation->setRange(0, 359);
    m_rotation->setWrapping(true);
    grid->addWidget(buddyLabel(T::Rotation, m_rotation, page), row, 0);
    grid->addWidget(m_rotation, row++, 1);

    m_justifyGroup = named(new QGroupBox(T::Justification, page), "TextJustifyRadioGroup");
    m_justify = radioColumn(m_justifyGroup, {T::JustifyLeft, T::JustifyCenter, T::JustifyRight}, "TextJustifyRadio");
    grid->addWidget(m_justifyGroup, row++, 0, 1, 4);
    grid->setRowStretch(row, 1);

    connect(m_fontList, &QComboBox::activated, this, &PropertyEditor::apply);
    connect(m_fontSize, &QComboBox::activated, this, &PropertyEditor::apply);
    connect(m_fontSize->lineEdit(), &QLineEdit::editingFinished, this, &PropertyEditor::apply);
    connect(m_fontButton, &QToolButton::clicked, this, &PropertyEditor::chooseFont);
    for (QCheckBox* check : {m_bold, m_italic, m_underline, m_strikeout})
        connect(check, &QCheckBox::clicked, this, &PropertyEditor::apply);
    for (ColorCombo* colors : {m_textColor, m_shadowColor})
        connect(colors, &ColorCombo::colorChosen, this, &PropertyEditor::apply);
    connect(m_textStyle, &QComboBox::activated, this, &PropertyEditor::styleChosen);
    connect(m_shadowX, &QComboBox::activated, this, &PropertyEditor::apply);
    connect(m_shadowY, &QComboBox::activated, this, &PropertyEditor::apply);
    connect(m_rotation, &QSpinBox::textChanged, this, &PropertyEditor::rotationEdited);
    connect(m_justify, &QButtonGroup::idClicked, this, &PropertyEditor::apply);
    return page;
}

QWidget* PropertyEditor::buildShapePage()
{
    auto* page = named(new QWidget, "ShapePage");
    auto* grid = new QGridLayout(page);
    m_shapeColor = named(new ColorCombo(page), "ShapeColorFGCombo");
    m_shapeBackground = named(new ColorCombo(page), "ShapeColorBGCombo");
    m_shapeBackgroundLabel = named(buddyLabel(T::ShapeBackground, m_shapeBackground, page), "ShapeColorBGLabel");
    m_lineSize = named(new QComboBox(page), "ShapeLineSizeCombo");
    for (int size = 1; size <= 6; ++size)
        m_lineSize->addItem(QString::number(size));
    grid->addWidget(buddyLabel(T::ShapeColor, m_shapeColor, page), 0, 0);
    grid->addWidget(m_shapeColor, 0, 1);
    grid->addWidget(m_shapeBackgroundLabel, 1, 0);
    grid->addWidget(m_shapeBackground, 1, 1);
    grid->addWidget(buddyLabel(T::LineSize, m_lineSize, page), 2, 0);
    grid->addWidget(m_lineSize, 2, 1);
    m_lineTypeGroup = named(new QGroupBox(T::LineType, page), "ShapeLineTypeRadioGroup");
    m_lineType = radioColumn(m_lineTypeGroup, T::lineTypes(), "ShapeLineTypeRadio");
    grid->addWidget(m_lineTypeGroup, 3, 0, 1, 2);
    m_shapeStyleGroup = named(new QGroupBox(T::ShapeStyle, page), "ShapeStyleRadioGroup");
    m_shapeStyle = radioColumn(m_shapeStyleGroup, T::shapeStyles(), "ShapeStyleRadio");
    grid->addWidget(m_shapeStyleGroup, 4, 0, 1, 2);
    grid->setRowStretch(5, 1);

    for (ColorCombo* colors : {m_shapeColor, m_shapeBackground})
        connect(colors, &ColorCombo::colorChosen, this, &PropertyEditor::apply);
    connect(m_lineSize, &QComboBox::activated, this, &PropertyEditor::apply);
    connect(m_lineType, &QButtonGroup::idClicked, this, &PropertyEditor::apply);
    connect(m_shapeStyle, &QButtonGroup::idClicked, this, &PropertyEditor::shapeStyleChosen);
    return page;
}

QWidget* PropertyEditor::buildGraphicPage()
{
    auto* page = named(new QWidget, "GraphicPage");
    auto* layout = new QVBoxLayout(page);
    auto* group = new QGroupBox(T::GraphicProperties, page);
    auto* form = new QFormLayout(group);
    m_picSize = named(new QLabel(group), "PicSizeLabel");
    m_picType = named(new QLabel(group), "PicTypeLabel");
    m_picDepth = named(new QLabel(group), "PicColorDepthLabel");
    m_picStore = named(new QLabel(group), "PicStoreSizeLabel");
    m_picDepthCaption = new QLabel(T::ColorDepthCaption, group);
    m_picStoreCaption = new QLabel(T::StoredSizeCaption, group);
    form->addRow(new QLabel(T::ActualSizeCaption, group), m_picSize);
    form->addRow(new QLabel(T::GraphicTypeCaption, group), m_picType);
    form->addRow(m_picDepthCaption, m_picDepth);
    form->addRow(m_picStoreCaption, m_picStore);
    layout->addWidget(group);

    auto* picture = named(new QPushButton(T::PictureButton, page), "GraphicPictureBtn");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(picture);
    const std::tuple<const char*, const char*, QString> sizing[] = {
        {"GraphicAspectWidthBtn", "\u2194", T::AspectWidthHint},
        {"GraphicAspectHeightBtn", "\u2195", T::AspectHeightHint},
        {"GraphicActualSizeBtn", "1:1", T::ActualSizeHint},
    };
    QToolButton* sizeButtons[3] = {};
    for (int i = 0; i < 3; ++i) {
        const auto& [name, text, hint] = sizing[i];
        sizeButtons[i] = named(new QToolButton(page), name);
        sizeButtons[i]->setText(QString::fromUtf8(text));
        sizeButtons[i]->setToolTip(hint);
        buttons->addWidget(sizeButtons[i]);
    }
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->addStretch();

    connect(picture, &QPushButton::clicked, this, &PropertyEditor::choosePicture);
    connect(sizeButtons[0], &QToolButton::clicked, this, [this] { resizePicture(V::aspectFromWidth); });
    connect(sizeButtons[1], &QToolButton::clicked, this, [this] { resizePicture(V::aspectFromHeight); });
    connect(sizeButtons[2], &QToolButton::clicked, this, [this] {
        resizePicture([](QSize, QSize picture) { return picture; });
    });
    return page;
}

void PropertyEditor::clearPages()
{
    QTabWidget* pages = m_window.propertyPages();
    while (pages->count() > 0)
        pages->removeTab(0);
}

void PropertyEditor::setUpPages(PageKind kind, bool force)
{
    DesignWindow* window = activeWindow();
    const auto remembered = window ? PageKind(window->property(kPageKindProperty).toInt()) : PageKind::None;
    if (window)
        window->setProperty(kPageKindProperty, int(kind));
    if (!force && kind == remembered && m_window.propertyPages()->count() > 0)
        return;
    clearPages();
    QTabWidget* pages = m_window.propertyPages();
    if (kind == PageKind::None)
        return;
    pages->addTab(m_generalPage, T::GeneralPage);
    QWidget* front = m_generalPage;
    switch (kind) {
    case PageKind::Picture:
        pages->addTab(m_graphicPage, T::GraphicPage);
        front = m_graphicPage;
        break;
    case PageKind::Text:
        pages->addTab(m_textPage, T::TextPage);
        pages->addTab(m_textPropertiesPage, T::TextPropertiesPage);
        front = m_textPage;
        break;
    case PageKind::Shape:
        pages->addTab(m_shapePage, T::ShapePage);
        front = m_shapePage;
        break;
    case PageKind::None: break;
    }
    pages->setCurrentWidget(front);
}

// ---- refresh --------------------------------------------------------------

void PropertyEditor::refresh(bool force)
{
    if (m_busy)
        return;
    m_busy = true;
    const DesignObject* object = selectedObject();
    if (!object) {
        if (DesignWindow* window = activeWindow())
            window->setProperty(kPageKindProperty, int(PageKind::None));
        else {
            // No design window: the boxes are emptied.
            m_textLines->clear();
            for (QLineEdit* box : {m_counterLength, m_counterStart, m_counterInc})
                box->clear();
            m_dbField->clear();
            m_workingList.clear();
        }
        clearPages();
        m_busy = false;
        return;
    }
    showGeneral(*object);
    if (object->kind == ObjectKind::Graphic) {
        setUpPages(PageKind::Picture, force);
        showPicture(*object);
    } else if (object->isText()) {
        setUpPages(PageKind::Text, force);
        showText(*object);
    } else {
        setUpPages(PageKind::Shape, force);
        showShape(*object);
    }
    m_busy = false;
}

void PropertyEditor::showGeneral(const DesignObject& object)
{
    setTextIfDifferent(m_left, QString::number(object.left));
    setTextIfDifferent(m_top, QString::number(object.top));
    setTextIfDifferent(m_width, QString::number(object.width));
    setTextIfDifferent(m_height, QString::number(object.height));
    m_nonPrinting->setChecked(object.nonPrinting());
    m_locked->setChecked(object.locked());
}

void PropertyEditor::showText(const DesignObject& data)
{
    DesignWindow* window = activeWindow();
    if (Options::current().saveProperties)
        window->document().editor.manager().setDefaultsFrom(data);
    m_workingList = data.lines;
    const QString box = V::entryToBox(data.lines.value(0));
    // The box being typed into keeps its text (and cursor) when it already says the same.
    if (m_textLines->toPlainText() != box)
        m_textLines->setPlainText(box);

    const LogFont& font = data.font;
    const int listed = m_fontList->findText(font.face(), Qt::MatchFixedString);
    m_fontList->setCurrentIndex(listed);
    m_fontLabel->setText(listed < 0 ? font.face() : QString());
    m_fontSize->setEditText(QString::number(font.pointSize()));
    m_bold->setChecked(font.bold());
    m_italic->setChecked(font.italic != 0);
    m_underline->setChecked(font.underline != 0);
    m_strikeout->setChecked(font.strikeOut != 0);
    m_textColor->setColorRef(data.foreColor);
    m_shadowColor->setColorRef(data.backColor);
    const auto shadowIndex = [](int offset) { return std::abs(offset) <= kShadowRange ? offset + kShadowRange : -1; };
    m_shadowX->setCurrentIndex(shadowIndex(data.shadowX));
    m_shadowY->setCurrentIndex(shadowIndex(data.shadowY));
    if (!m_rotation->hasFocus() || m_rotation->value() != data.rotation / 10)
        m_rotation->setValue(data.rotation / 10);
    m_justifyGroup->setVisible(m_rotation->cleanText() == QLatin1String("0"));
    checkId(m_justify, data.style);
    const int style = data.textStyleKind();
    m_textStyle->setCurrentIndex(style <= 3 ? style : -1);
    showStyleLists(V::styleLists(style, data.textStyleParam1(), data.textStyleParam2(), data.textStyleParam3()));

    // The way the text varies, from its entries alone.
    fillFieldList();
    const VariableText::TextPage page =
        VariableText::describeTextPage(data.lines, !window->document().linkedDatabasePath().isEmpty());
    m_counterLength->setText(page.counterLength);
    m_counterStart->setText(page.counterStart);
    m_counterInc->setText(page.counterIncrement);
    if (page.choice == VariableText::TextChoice::DBField)
        m_dbField->setCurrentIndex(m_dbField->findText(page.fieldSpec, Qt::MatchFixedString));
    showTextChoice(int(page.choice));
}

void PropertyEditor::showStyleLists(const V::StyleLists& lists)
{
    m_styleLists = lists;
    for (int i = 0; i < 3; ++i) {
        const V::ParamList& p = lists.params[size_t(i)];
        m_paramLabels[i]->setText(p.label);
        m_params[i]->clear();
        m_params[i]->addItems(p.items);
        m_params[i]->setCurrentIndex(p.selected);
        m_paramLabels[i]->setVisible(p.visible);
        m_params[i]->setVisible(p.visible);
    }
}

void PropertyEditor::fillFieldList()
{
    m_dbField->clear();
    DesignWindow* window = activeWindow();
    if (!window)
        return;
    DataReader& reader = window->document().dataReader();
    if (reader.active())
        m_dbField->addItems(reader.fieldNames());
    m_dbField->setCurrentIndex(-1);
}

void PropertyEditor::showTextChoice(int choice)
{
    checkId(m_textChoice, choice);
    enableTextChoice();
}

void PropertyEditor::enableTextChoice()
{
    const int choice = m_textChoice->checkedId();
    const bool single = choice == SingleTextId;
    m_textLines->setEnabled(single);
    m_pickText->setEnabled(single && bool(Hooks::pickText()));
    m_pickText->setToolTip(Hooks::pickText() ? QString() : T::PickTextMissing);
    m_symbol->setEnabled(single);
    m_varTextEdit->setEnabled(choice == VarTextId);
    for (QLineEdit* box : {m_counterLength, m_counterStart, m_counterInc})
        box->setEnabled(choice == CounterId);
    m_dbField->setEnabled(choice == DatabaseFieldId);
    m_dbFile->setEnabled(choice == DatabaseFieldId);
    // The Field Wizard is another window's; without it the button stays off.
    m_buildField->setEnabled(choice == DatabaseFieldId && bool(Hooks::buildField()));
    m_buildField->setToolTip(Hooks::buildField() ? T::BuildFieldHint : T::BuildFieldMissing);
}

void PropertyEditor::showShape(const DesignObject& data)
{
    if (Options::current().saveProperties)
        activeWindow()->document().editor.manager().setDefaultsFrom(data);
    const bool line = data.kind == ObjectKind::Line;
    if (line)
        checkId(m_lineType, data.lineType);
    else
        checkId(m_shapeStyle, data.style);
    m_shapeStyleGroup->setVisible(!line);
    // The background colour fills and shadows: a plain outline has no use for it.
    const bool background = !line && data.style != 0;
    m_shapeBackground->setVisible(background);
    m_shapeBackgroundLabel->setVisible(background);
    m_lineTypeGroup->setVisible(line);
    m_lineSize->setCurrentIndex(data.lineSize >= 1 && data.lineSize <= 6 ? data.lineSize - 1 : -1);
    m_shapeColor->setColorRef(data.foreColor);
    m_shapeBackground->setColorRef(data.backColor);
}

void PropertyEditor::showPicture(const DesignObject& object)
{
    const Picture& picture = object.picture;
    m_picSize->setText(V::pictureSizeText(picture));
    m_picType->setText(V::pictureTypeText(picture));
    const bool bitmap = picture.kind() == Picture::Kind::Bitmap;
    for (QLabel* label : {m_picDepth, m_picDepthCaption, m_picStore, m_picStoreCaption})
        label->setVisible(bitmap);
    if (bitmap) {
        const int bits = V::bitmapBitsPerPixel(picture);
        m_picDepth->setText(V::colorDepthText(bits));
        m_picStore->setText(V::storedSizeText(bits, picture.width(), picture.height()));
    }
}

// ---- page events ----------------------------------------------------------

void PropertyEditor::textChoiceClicked(int choice)
{
    DesignWindow* window = activeWindow();
    if (!window)
        return;
    m_busy = true;
    if (choice == DatabaseFieldId) {
        fillFieldList();
        while (m_dbField->count() == 0) {
            if (Messages::askYesNo(T::AskLinkDatabase) != Messages::Answer::Yes)
                break;
            const QString before = window->document().linkedDatabasePath();
            if (QAction* link = m_window.command(QStringLiteral("LinkedDatabaseMI")))
                link->trigger();
            fillFieldList();
            if (m_dbField->count() == 0 && window->document().linkedDatabasePath() == before)
                break;  // nothing was linked
        }
        if (m_dbField->count() == 0)
            checkId(m_textChoice, SingleTextId);
    }
    if (m_textChoice->checkedId() != VarTextId && m_workingList.size() > 1) {
        if (Messages::askYesNo(T::AskEraseList) == Messages::Answer::Yes)
            m_workingList.clear();
        else
            checkId(m_textChoice, VarTextId);
    }
    enableTextChoice();
    if (m_textChoice->checkedId() != CounterId)
        for (QLineEdit* box : {m_counterLength, m_counterStart, m_counterInc})
            box->clear();
    if (m_textChoice->checkedId() != DatabaseFieldId)
        m_dbField->setCurrentIndex(-1);
    m_busy = false;
}

void PropertyEditor::styleChosen()
{
    showStyleLists(V::styleListsForNewStyle(m_textStyle->currentIndex()));
    apply();
}

void PropertyEditor::rotationEdited()
{
    m_justifyGroup->setVisible(m_rotation->cleanText() == QLatin1String("0"));
    apply();
}

void PropertyEditor::shapeStyleChosen()
{
    const bool filled = m_shapeStyle->checkedId() != 0;
    m_shapeBackground->setVisible(filled);
    m_shapeBackgroundLabel->setVisible(filled);
    apply();
}

// ---- apply ----------------------------------------------------------------

void PropertyEditor::apply()
{
    if (m_busy)
        return;
    DesignWindow* window = activeWindow();
    DesignObject* object = selectedObject();
    if (!window || !object)
        return;
    if (!m_window.passesProtection(ProtectionKind::ObjectChange)) {
        refresh(false);
        return;
    }
    m_busy = true;
    // The counter or the field becomes the text box's text, which becomes entry 0.
    const int choice = m_textChoice->checkedId();
    if (choice == CounterId) {
        const QSignalBlocker blocker(m_textLines);
        m_textLines->setPlainText(VariableText::composeCounterCode(m_counterLength->text(), m_counterStart->text(),
                                                                  m_counterInc->text()));
    } else if (choice == DatabaseFieldId && m_dbField->currentIndex() >= 0) {
        const QSignalBlocker blocker(m_textLines);
        m_textLines->setPlainText(VariableText::composeFieldCode(m_dbField->currentText()));
    }
    if (!m_workingList.isEmpty())
        m_workingList.removeFirst();
    m_workingList.prepend(V::boxToEntry(m_textLines->toPlainText()));

    DesignEditor& editor = window->document().editor;
    // The boxes are written into a copy, which the editor takes as one step.
    DesignObject data = *object;
    if (!window->surface().selectionLocked())
        data.setRect(V::typedRect(data.rect(), V::integerIn(m_left->text()), V::integerIn(m_top->text()),
                                  V::integerIn(m_width->text()), V::integerIn(m_height->text())));
    data.flags = (m_nonPrinting->isChecked() ? ObjectFlags::NonPrinting : 0) |
                 (m_locked->isChecked() ? ObjectFlags::Locked : 0);

    if (data.isText()) {
        data.lines = m_workingList;
        data.font = V::fontFromPage(data.font, m_fontList->currentIndex() >= 0 ? m_fontList->currentText() : QString(),
                                    V::integerIn(m_fontSize->currentText()), m_bold->isChecked(),
                                    m_italic->isChecked(), m_underline->isChecked(), m_strikeout->isChecked());
        if (const auto color = m_textColor->colorRef())
            data.foreColor = *color;
        if (const auto color = m_shadowColor->colorRef())
            data.backColor = *color;
        if (m_shadowX->currentIndex() >= 0)
            data.shadowX = int8_t(m_shadowX->currentIndex() - kShadowRange);
        if (m_shadowY->currentIndex() >= 0)
            data.shadowY = int8_t(m_shadowY->currentIndex() - kShadowRange);
        if (const auto degrees = V::integerIn(m_rotation->cleanText()))
            data.rotation = *degrees * 10;
        data.textStyle = V::packTextStyle(m_textStyle->currentIndex(), m_styleLists,
                                          {m_params[0]->currentIndex(), m_params[1]->currentIndex(),
                                           m_params[2]->currentIndex()},
                                          data.textStyle);
        if (m_justify->checkedId() >= 0)
            data.style = m_justify->checkedId();
    } else if (data.kind != ObjectKind::Graphic) {
        if (data.kind == ObjectKind::Line) {
            if (m_lineType->checkedId() >= 0)
                data.lineType = m_lineType->checkedId();
        } else if (m_shapeStyle->checkedId() >= 0) {
            data.style = m_shapeStyle->checkedId();
        }
        if (m_lineSize->currentIndex() >= 0)
            data.lineSize = m_lineSize->currentIndex() + 1;
        if (const auto color = m_shapeColor->colorRef())
            data.foreColor = *color;
        if (const auto color = m_shapeBackground->colorRef())
            data.backColor = *color;
    }
    if (data.kind != ObjectKind::Graphic && Options::current().saveProperties)
        editor.manager().setDefaultsFrom(data);

    editor.changeObject(object, data);
    m_busy = false;
    // The editor's changed() came while busy; the pages catch up now
    // (a box that did not hold a number shows the kept value again).
    refresh(false);
}

bool PropertyEditor::changeObject(const std::function<void(DesignObject&)>& change)
{
    DesignWindow* window = activeWindow();
    DesignObject* object = selectedObject();
    if (!window || !object || m_busy)
        return false;
    DesignObject value = *object;
    change(value);
    return window->document().editor.changeObject(object, value);
}

// ---- buttons --------------------------------------------------------------

void PropertyEditor::editTextList()
{
    DesignWindow* window = activeWindow();
    if (!window || !selectedObject() || !m_window.passesProtection(ProtectionKind::ObjectChange))
        return;
    m_busy = true;
    const std::optional<QStringList> entries = textListDialog ? textListDialog(&m_window, m_workingList) : std::nullopt;
    m_busy = false;
    if (!entries)
        return;
    m_workingList = *entries;
    // An empty list is taken, but the object keeps its entries.
    if (m_workingList.isEmpty())
        return;
    {
        const QSignalBlocker blocker(m_textLines);
        m_textLines->setPlainText(V::entryToBox(m_workingList.front()));
    }
    apply();
}

void PropertyEditor::pickText()
{
    if (!Hooks::pickText() || !selectedObject() || !m_window.passesProtection(ProtectionKind::ObjectChange))
        return;
    if (const std::optional<QString> text = Hooks::pickText()(&m_window))
        m_textLines->setPlainText(V::entryToBox(*text));
}

void PropertyEditor::buildField()
{
    DesignWindow* window = activeWindow();
    if (!Hooks::buildField() || !window || !selectedObject() ||
        !m_window.passesProtection(ProtectionKind::ObjectChange))
        return;
    // The code in the text box without its "{-" and "-}".
    const QString code = V::boxToEntry(m_textLines->toPlainText());
    const QString start = code.size() >= 4 ? code.mid(2, code.size() - 4) : QString();
    m_busy = true;
    const std::optional<QString> spec = Hooks::buildField()(&m_window, window->document().dataReader(), start);
    m_busy = false;
    if (!spec)
        return;
    m_dbField->setCurrentIndex(-1);
    {
        const QSignalBlocker blocker(m_textLines);
        m_textLines->setPlainText(V::entryToBox(VariableText::composeFieldCode(*spec)));
    }
    apply();
}

void PropertyEditor::chooseSymbol()
{
    if (!selectedObject() || !m_window.passesProtection(ProtectionKind::ObjectChange))
        return;
    const QString current = m_fontList->currentIndex() >= 0 ? m_fontList->currentText() : QString();
    const auto chosen = symbolDialog ? symbolDialog(&m_window, current) : std::nullopt;
    if (!chosen)
        return;
    // The font is chosen without applying; the text applies both.
    const int at = m_fontList->findText(chosen->first, Qt::MatchFixedString);
    if (at >= 0)
        m_fontList->setCurrentIndex(at);
    m_textLines->setPlainText(QString(chosen->second));
}

void PropertyEditor::chooseFont()
{
    const DesignObject* selected = selectedObject();
    if (!selected || !selected->isText() || !m_window.passesProtection(ProtectionKind::ObjectChange))
        return;
    const QFont offered = V::dialogFont(selected->font);
    const std::optional<QFont> chosen = fontDialog ? fontDialog(&m_window, offered) : std::nullopt;
    if (!chosen)
        return;
    changeObject([&](DesignObject& object) {
        object.font = V::fontAfterDialog(object.font, offered, *chosen);
        if (Options::current().saveProperties)
            activeWindow()->document().editor.manager().setDefaultsFrom(object);
    });
}

void PropertyEditor::choosePicture()
{
    const DesignObject* selected = selectedObject();
    if (!selected || !selected->isPicture() || !m_window.passesProtection(ProtectionKind::ObjectChange))
        return;
    const std::optional<Picture> picture = Hooks::choosePictureOrFile(&m_window, selected->picture);
    if (!picture || picture->isEmpty())
        return;
    changeObject([&](DesignObject& object) { object.picture = *picture; });
}

void PropertyEditor::resizePicture(const std::function<QSize(QSize, QSize)>& size)
{
    const DesignObject* selected = selectedObject();
    DesignWindow* window = activeWindow();
    if (!selected || !selected->isPicture() || selected->picture.isEmpty() ||
        !m_window.passesProtection(ProtectionKind::ObjectChange))
        return;
    // A locked selection keeps its size.
    if (window->surface().selectionLocked())
        return;
    const QSize target = size(selected->rect().size(), selected->picture.size());
    changeObject([&](DesignObject& object) {
        object.width = std::max(0, target.width());
        object.height = std::max(0, target.height());
    });
}

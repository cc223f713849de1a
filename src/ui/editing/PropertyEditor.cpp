#include "ui/editing/PropertyEditor.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>

#include "merge/VariableText.h"
#include "model/DesignObject.h"
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
namespace F = PropertyForm;
using VariableText::TextChoice;

namespace {

const char* const kPageKindProperty = "editingPageKind";

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

    m_general.build();
    m_text.build();
    m_font.build();
    m_shape.build();
    m_graphic.build();
    connectPages();
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

void PropertyEditor::connectPages()
{
    const auto applyOn = [this](auto* sender, auto signal) { connect(sender, signal, this, &PropertyEditor::apply); };
    for (QLineEdit* box : {m_general.left, m_general.top, m_general.width, m_general.height})
        applyOn(box, &QLineEdit::editingFinished);
    for (QCheckBox* check : {m_general.nonPrinting, m_general.locked})
        applyOn(check, &QCheckBox::clicked);

    for (QLineEdit* box : {m_text.counterLength, m_text.counterStart, m_text.counterIncrement})
        applyOn(box, &QLineEdit::editingFinished);
    connect(m_text.choice, &QButtonGroup::idClicked, this, &PropertyEditor::textChoiceClicked);
    applyOn(m_text.lines, &QPlainTextEdit::textChanged);
    connect(m_text.pickText, &QPushButton::clicked, this, &PropertyEditor::pickText);
    connect(m_text.symbol, &QPushButton::clicked, this, &PropertyEditor::chooseSymbol);
    connect(m_text.listButton, &QPushButton::clicked, this, &PropertyEditor::editTextList);
    connect(m_text.buildField, &QPushButton::clicked, this, &PropertyEditor::buildField);
    applyOn(m_text.field, &QComboBox::activated);
    connect(m_text.fieldFile, &QPushButton::clicked, this, [this] {
        if (QAction* link = m_window.command(QStringLiteral("LinkedDatabaseMI")))
            link->trigger();
        fillFieldList();
    });

    for (QComboBox* list : m_font.params)
        applyOn(list, &QComboBox::activated);
    applyOn(m_font.fontList, &QComboBox::activated);
    applyOn(m_font.fontSize, &QComboBox::activated);
    applyOn(m_font.fontSize->lineEdit(), &QLineEdit::editingFinished);
    connect(m_font.fontButton, &QToolButton::clicked, this, &PropertyEditor::chooseFont);
    for (QCheckBox* check : {m_font.bold, m_font.italic, m_font.underline, m_font.strikeout})
        applyOn(check, &QCheckBox::clicked);
    for (ColorCombo* colors : {m_font.textColor, m_font.shadowColor, m_shape.color, m_shape.background})
        applyOn(colors, &ColorCombo::colorChosen);
    connect(m_font.textStyle, &QComboBox::activated, this, &PropertyEditor::styleChosen);
    applyOn(m_font.shadowX, &QComboBox::activated);
    applyOn(m_font.shadowY, &QComboBox::activated);
    connect(m_font.rotation, &QSpinBox::textChanged, this, &PropertyEditor::rotationEdited);
    applyOn(m_font.justify, &QButtonGroup::idClicked);

    applyOn(m_shape.lineSize, &QComboBox::activated);
    applyOn(m_shape.lineType, &QButtonGroup::idClicked);
    connect(m_shape.style, &QButtonGroup::idClicked, this, &PropertyEditor::shapeStyleChosen);

    connect(m_graphic.picture, &QPushButton::clicked, this, &PropertyEditor::choosePicture);
    connect(m_graphic.aspectWidth, &QToolButton::clicked, this, [this] { resizePicture(V::aspectFromWidth); });
    connect(m_graphic.aspectHeight, &QToolButton::clicked, this, [this] { resizePicture(V::aspectFromHeight); });
    connect(m_graphic.actualSize, &QToolButton::clicked, this, [this] {
        resizePicture([](QSize, QSize picture) { return picture; });
    });
}

// ---- pages ----------------------------------------------------------------

std::pair<QWidget*, QString> PropertyEditor::tab(F::Tab tab) const
{
    switch (tab) {
    case F::Tab::General: return {m_general.page, T::GeneralPage};
    case F::Tab::Text: return {m_text.page, T::TextPage};
    case F::Tab::TextProperties: return {m_font.page, T::TextPropertiesPage};
    case F::Tab::Shape: return {m_shape.page, T::ShapePage};
    case F::Tab::Graphic: return {m_graphic.page, T::GraphicPage};
    }
    return {};
}

void PropertyEditor::clearPages()
{
    QTabWidget* pages = m_window.propertyPages();
    while (pages->count() > 0)
        pages->removeTab(0);
}

void PropertyEditor::setUpPages(F::PageKind kind, bool force)
{
    DesignWindow* window = activeWindow();
    const auto shown = window ? F::PageKind(window->property(kPageKindProperty).toInt()) : F::PageKind::None;
    if (window)
        window->setProperty(kPageKindProperty, int(kind));
    QTabWidget* pages = m_window.propertyPages();
    if (F::tabsStay(shown, kind, force, pages->count() > 0))
        return;
    clearPages();
    const F::Tabs tabs = F::tabsOf(kind);
    if (tabs.tabs.empty())
        return;
    for (F::Tab t : tabs.tabs) {
        const auto [page, caption] = tab(t);
        pages->addTab(page, caption);
    }
    pages->setCurrentWidget(tab(tabs.front).first);
}

// ---- refresh --------------------------------------------------------------

void PropertyEditor::refresh(bool force)
{
    if (m_busy)
        return;
    m_busy = true;
    const DesignObject* object = selectedObject();
    DesignWindow* window = activeWindow();
    if (!object) {
        if (window)
            window->setProperty(kPageKindProperty, int(F::PageKind::None));
        else {
            // No design window: the boxes are emptied.
            m_text.clear();
            m_form.text.entries.clear();
        }
        clearPages();
        m_busy = false;
        return;
    }
    const bool text = object->isText();
    const F::DesignContext design = text ? designContext() : F::DesignContext();
    m_form = F::fromObject(*object, design);
    m_general.show(m_form.general);
    setUpPages(m_form.kind, force);
    if (m_form.kind != F::PageKind::Picture)
        F::rememberDefaults(window->document().editor.manager(), *object);
    switch (m_form.kind) {
    case F::PageKind::Picture: m_graphic.show(m_form.picture); break;
    case F::PageKind::Text:
        m_font.show(m_form.font);
        m_text.setFieldNames(design.fieldNames);
        m_text.show(m_form.text);
        enableTextChoice();
        break;
    case F::PageKind::Shape: m_shape.show(m_form.shape); break;
    case F::PageKind::None: break;
    }
    m_busy = false;
}

F::DesignContext PropertyEditor::designContext() const
{
    F::DesignContext design;
    DesignWindow* window = activeWindow();
    if (!window)
        return design;
    design.linkedSource = !window->document().linkedDatabasePath().isEmpty();
    DataReader& reader = window->document().dataReader();
    if (reader.active())
        design.fieldNames = reader.fieldNames();
    return design;
}

void PropertyEditor::fillFieldList() { m_text.setFieldNames(designContext().fieldNames); }

void PropertyEditor::enableTextChoice()
{
    m_text.enable(F::textChoiceControls(TextChoice(m_text.choice->checkedId()), bool(Hooks::pickText()),
                                        bool(Hooks::buildField())));
}

// ---- page events ----------------------------------------------------------

void PropertyEditor::textChoiceClicked(int choice)
{
    DesignWindow* window = activeWindow();
    if (!window)
        return;
    m_busy = true;
    if (TextChoice(choice) == TextChoice::DBField) {
        fillFieldList();
        while (m_text.field->count() == 0) {
            if (Messages::askYesNo(T::AskLinkDatabase) != Messages::Answer::Yes)
                break;
            const QString before = window->document().linkedDatabasePath();
            if (QAction* link = m_window.command(QStringLiteral("LinkedDatabaseMI")))
                link->trigger();
            fillFieldList();
            if (m_text.field->count() == 0 && window->document().linkedDatabasePath() == before)
                break;  // nothing was linked
        }
        if (m_text.field->count() == 0)
            PropertyPages::checkId(m_text.choice, int(TextChoice::SingleText));
    }
    F::TextValues& values = m_form.text;
    m_text.read(values);
    if (values.erasesList()) {
        if (Messages::askYesNo(T::AskEraseList) == Messages::Answer::Yes)
            values.entries.clear();
        else
            values.choice = TextChoice::VarText;
    }
    values.clearOtherChoices();
    m_text.showChoice(values);
    enableTextChoice();
    m_busy = false;
}

void PropertyEditor::styleChosen()
{
    m_form.font.chooseStyle(m_font.textStyle->currentIndex());
    m_font.showStyleLists(m_form.font.lists);
    apply();
}

void PropertyEditor::rotationEdited()
{
    m_font.showJustification();
    apply();
}

void PropertyEditor::shapeStyleChosen()
{
    m_shape.read(m_form.shape);
    m_shape.enable(m_form.shape.controls());
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
    m_general.read(m_form.general);
    m_text.read(m_form.text);
    m_font.read(m_form.font);
    m_shape.read(m_form.shape);
    const QString typed = m_form.text.box;
    m_form.text.composeText();
    if (m_form.text.box != typed)
        m_text.setBoxQuietly(m_form.text.box);

    DesignEditor& editor = window->document().editor;
    // The pages are written into a copy, which the editor takes as one step.
    DesignObject value = *object;
    F::applyTo(m_form, value, window->surface().selectionLocked());
    F::rememberDefaults(editor.manager(), value);
    editor.changeObject(object, value);
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
    const std::optional<QStringList> entries =
        textListDialog ? textListDialog(&m_window, m_form.text.entries) : std::nullopt;
    m_busy = false;
    if (!entries)
        return;
    m_form.text.entries = *entries;
    // An empty list is taken, but the object keeps its entries.
    if (m_form.text.entries.isEmpty())
        return;
    m_text.setBoxQuietly(V::entryToBox(m_form.text.entries.front()));
    apply();
}

void PropertyEditor::pickText()
{
    if (!Hooks::pickText() || !selectedObject() || !m_window.passesProtection(ProtectionKind::ObjectChange))
        return;
    if (const std::optional<QString> text = Hooks::pickText()(&m_window))
        m_text.lines->setPlainText(V::entryToBox(*text));
}

void PropertyEditor::buildField()
{
    DesignWindow* window = activeWindow();
    if (!Hooks::buildField() || !window || !selectedObject() ||
        !m_window.passesProtection(ProtectionKind::ObjectChange))
        return;
    m_text.read(m_form.text);
    const QString start = m_form.text.fieldWizardStart();
    m_busy = true;
    const std::optional<QString> spec = Hooks::buildField()(&m_window, window->document().dataReader(), start);
    m_busy = false;
    if (!spec)
        return;
    m_text.field->setCurrentIndex(-1);
    m_text.setBoxQuietly(V::entryToBox(VariableText::composeFieldCode(*spec)));
    apply();
}

void PropertyEditor::chooseSymbol()
{
    if (!selectedObject() || !m_window.passesProtection(ProtectionKind::ObjectChange))
        return;
    const auto chosen = symbolDialog ? symbolDialog(&m_window, m_font.chosenFace()) : std::nullopt;
    if (!chosen)
        return;
    // The font is chosen without applying; the text applies both.
    m_font.chooseFace(chosen->first);
    m_text.lines->setPlainText(QString(chosen->second));
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
        F::rememberDefaults(activeWindow()->document().editor.manager(), object);
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

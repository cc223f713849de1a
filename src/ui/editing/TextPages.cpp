// The Text and Text Properties pages of the property editor.

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/editing/ColorCombo.h"
#include "ui/editing/EditingTexts.h"
#include "ui/editing/PropertyPages.h"

namespace PropertyPages {

namespace T = EditingTexts;
namespace F = PropertyForm;
namespace V = PropertyValues;
using VariableText::TextChoice;

namespace {

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

QRadioButton* choiceRadio(QGroupBox* box, QButtonGroup* group, TextChoice choice, const QString& text,
                          const char* name)
{
    auto* radio = named(new QRadioButton(text, box), name);
    group->addButton(radio, int(choice));
    return radio;
}

QLineEdit* counterBox(QWidget* parent, const char* name, const QString& hint)
{
    auto* box = named(new QLineEdit(parent), name);
    box->setToolTip(hint);
    return box;
}

// A list entry for a shadow offset, and back.
int shadowIndex(std::optional<int> offset) { return offset ? *offset + F::kShadowRange : -1; }
std::optional<int> shadowOffset(const QComboBox* list)
{
    return list->currentIndex() >= 0 ? std::optional<int>(list->currentIndex() - F::kShadowRange) : std::nullopt;
}

} // namespace

// ---- Text -----------------------------------------------------------------

void TextPage::build()
{
    page = named(new QWidget, "TextPage");
    auto* layout = new QVBoxLayout(page);
    auto* group = new QGroupBox(T::TextChoiceGroup, page);
    auto* grid = new QGridLayout(group);
    choice = new QButtonGroup(group);

    grid->addWidget(choiceRadio(group, choice, TextChoice::SingleText, T::SingleText, "SingleTextRadio"), 0, 0, 1, 4);
    lines = named(new QPlainTextEdit(group), "TextMemo");
    lines->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lines->setFixedHeight(80);
    grid->addWidget(lines, 1, 0, 1, 4);
    pickText = named(new QPushButton(T::PickText, group), "PickTextBtn");
    symbol = named(new QPushButton(T::Symbol, group), "SymbolBtn");
    auto* memoButtons = new QHBoxLayout;
    memoButtons->addWidget(pickText);
    memoButtons->addWidget(symbol);
    memoButtons->addStretch();
    grid->addLayout(memoButtons, 2, 0, 1, 4);

    grid->addWidget(choiceRadio(group, choice, TextChoice::VarText, T::VarText, "VarTextRadio"), 3, 0, 1, 3);
    listButton = named(new QPushButton(T::EditList, group), "VarTextBtn");
    listButton->setToolTip(T::EditListHint);
    grid->addWidget(listButton, 3, 3);

    grid->addWidget(choiceRadio(group, choice, TextChoice::Counter, T::Counter, "CounterRadio"), 4, 0, 1, 4);
    auto* counterRow = new QHBoxLayout;
    counterLength = counterBox(group, "CounterLengthEdit", T::CounterLengthHint);
    counterStart = counterBox(group, "CounterStartEdit", T::CounterStartHint);
    counterIncrement = counterBox(group, "CounterIncEdit", T::CounterIncHint);
    counterLength->setMaximumWidth(36);
    counterRow->addWidget(counterLength);
    counterRow->addWidget(new QLabel(T::CounterDigits, group));
    counterRow->addWidget(counterStart, 1);
    grid->addLayout(counterRow, 5, 0, 1, 4);
    auto* incRow = new QHBoxLayout;
    incRow->addWidget(new QLabel(T::CounterInc, group));
    incRow->addWidget(counterIncrement, 1);
    grid->addLayout(incRow, 6, 0, 1, 4);

    grid->addWidget(choiceRadio(group, choice, TextChoice::DBField, T::DBField, "DBRadio"), 7, 0, 1, 4);
    fieldFile = named(new QPushButton(T::DBFile, group), "DBFileBtn");
    fieldFile->setToolTip(T::DBFileHint);
    field = named(new QComboBox(group), "DBFieldCombo");
    field->setToolTip(T::DBFieldHint);
    buildField = named(new QPushButton(T::BuildField, group), "BuildFieldBtn");
    buildField->setToolTip(T::BuildFieldMissing);
    buildField->setMaximumWidth(30);
    auto* dbRow = new QHBoxLayout;
    dbRow->addWidget(fieldFile);
    dbRow->addWidget(field, 1);
    dbRow->addWidget(buildField);
    grid->addLayout(dbRow, 8, 0, 1, 4);
    layout->addWidget(group);
    layout->addStretch();
}

void TextPage::show(const F::TextValues& values)
{
    if (lines->toPlainText() != values.box)
        lines->setPlainText(values.box);
    // Shown afresh: the counter boxes start with the cursor at their end.
    counterLength->setText(values.counterLength);
    counterStart->setText(values.counterStart);
    counterIncrement->setText(values.counterIncrement);
    showChoice(values);
}

void TextPage::showChoice(const F::TextValues& values)
{
    setTextIfDifferent(counterLength, values.counterLength);
    setTextIfDifferent(counterStart, values.counterStart);
    setTextIfDifferent(counterIncrement, values.counterIncrement);
    field->setCurrentIndex(values.field.isEmpty() ? -1 : field->findText(values.field, Qt::MatchFixedString));
    checkId(choice, int(values.choice));
}

void TextPage::read(F::TextValues& values) const
{
    values.choice = TextChoice(choice->checkedId());
    values.box = lines->toPlainText();
    values.counterLength = counterLength->text();
    values.counterStart = counterStart->text();
    values.counterIncrement = counterIncrement->text();
    values.field = field->currentIndex() >= 0 ? field->currentText() : QString();
}

void TextPage::enable(const F::TextChoiceControls& on)
{
    lines->setEnabled(on.textBox);
    pickText->setEnabled(on.pickText);
    pickText->setToolTip(on.pickTextTip);
    symbol->setEnabled(on.symbol);
    listButton->setEnabled(on.listButton);
    for (QLineEdit* box : {counterLength, counterStart, counterIncrement})
        box->setEnabled(on.counter);
    field->setEnabled(on.field);
    fieldFile->setEnabled(on.fieldFile);
    buildField->setEnabled(on.buildField);
    buildField->setToolTip(on.buildFieldTip);
}

void TextPage::setBoxQuietly(const QString& text)
{
    const QSignalBlocker blocker(lines);
    lines->setPlainText(text);
}

void TextPage::setFieldNames(const QStringList& names)
{
    field->clear();
    field->addItems(names);
    field->setCurrentIndex(-1);
}

void TextPage::clear()
{
    lines->clear();
    for (QLineEdit* box : {counterLength, counterStart, counterIncrement})
        box->clear();
    field->clear();
}

// ---- Text Properties ------------------------------------------------------

void TextPropertiesPage::build()
{
    page = named(new QWidget, "TextPropertiesPage");
    auto* grid = new QGridLayout(page);
    int row = 0;
    fontLabel = named(new QLabel(page), "TextFontLabel");
    grid->addWidget(fontLabel, row++, 1, 1, 3);
    fontList = named(new QComboBox(page), "TextFontCombo");
    fontList->addItems(installedFonts());
    fontList->setMinimumContentsLength(10);
    fontList->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    fontButton = named(new QToolButton(page), "FontBtn");
    fontButton->setText(T::FontButton);
    grid->addWidget(buddyLabel(T::FontBox, fontList, page), row, 0);
    grid->addWidget(fontList, row, 1, 1, 2);
    grid->addWidget(fontButton, row++, 3);
    fontSize = named(new QComboBox(page), "TextFontSizeCombo");
    fontSize->setEditable(true);
    fontSize->setInsertPolicy(QComboBox::NoInsert);
    for (int size = 6; size <= 48; size += 2)
        fontSize->addItem(QString::number(size));
    fontSize->addItem(QString());
    grid->addWidget(buddyLabel(T::SizeBox, fontSize, page), row, 0);
    grid->addWidget(fontSize, row++, 1);

    bold = named(new QCheckBox(T::Bold, page), "BoldCheck");
    italic = named(new QCheckBox(T::Italic, page), "ItalicCheck");
    underline = named(new QCheckBox(T::Underline, page), "UnderlineCheck");
    strikeout = named(new QCheckBox(T::Strikeout, page), "StrikeoutCheck");
    grid->addWidget(bold, row, 0, 1, 2);
    grid->addWidget(italic, row++, 2, 1, 2);
    grid->addWidget(underline, row, 0, 1, 2);
    grid->addWidget(strikeout, row++, 2, 1, 2);

    textColor = named(new ColorCombo(page), "TextColorFGCombo");
    shadowColor = named(new ColorCombo(page), "TextColorBGCombo");
    grid->addWidget(buddyLabel(T::TextColor, textColor, page), row, 0);
    grid->addWidget(textColor, row++, 1, 1, 3);
    grid->addWidget(buddyLabel(T::ShadowColor, shadowColor, page), row, 0);
    grid->addWidget(shadowColor, row++, 1, 1, 3);

    textStyle = named(new QComboBox(page), "TextStyleCombo");
    textStyle->addItems(V::textStyleNames());
    grid->addWidget(buddyLabel(T::Style, textStyle, page), row, 0);
    grid->addWidget(textStyle, row++, 1, 1, 3);
    for (int i = 0; i < 3; ++i) {
        paramLabels[i] = new QLabel(page);
        paramLabels[i]->setObjectName(QStringLiteral("TextParam%1Label").arg(i + 1));
        params[i] = new QComboBox(page);
        params[i]->setObjectName(QStringLiteral("TextParam%1Combo").arg(i + 1));
        grid->addWidget(paramLabels[i], row, 0);
        grid->addWidget(params[i], row++, 1, 1, 3);
    }

    auto* shadow = new QGroupBox(T::Shadow, page);
    auto* shadowLayout = new QHBoxLayout(shadow);
    shadowX = named(new QComboBox(shadow), "TextShadowDXCombo");
    shadowY = named(new QComboBox(shadow), "TextShadowDYCombo");
    for (int offset = -F::kShadowRange; offset <= F::kShadowRange; ++offset) {
        shadowX->addItem(QString::number(offset));
        shadowY->addItem(QString::number(offset));
    }
    shadowLayout->addWidget(buddyLabel(T::ShadowX, shadowX, shadow));
    shadowLayout->addWidget(shadowX);
    shadowLayout->addWidget(buddyLabel(T::ShadowY, shadowY, shadow));
    shadowLayout->addWidget(shadowY);
    grid->addWidget(shadow, row++, 0, 1, 4);

    rotation = named(new QSpinBox(page), "TextRotationEdit");
    rotation->setRange(0, 359);
    rotation->setWrapping(true);
    grid->addWidget(buddyLabel(T::Rotation, rotation, page), row, 0);
    grid->addWidget(rotation, row++, 1);

    justifyGroup = named(new QGroupBox(T::Justification, page), "TextJustifyRadioGroup");
    justify = radioColumn(justifyGroup, {T::JustifyLeft, T::JustifyCenter, T::JustifyRight}, "TextJustifyRadio");
    grid->addWidget(justifyGroup, row++, 0, 1, 4);
    grid->setRowStretch(row, 1);
}

void TextPropertiesPage::show(const F::FontValues& values)
{
    const int listed = fontList->findText(values.face, Qt::MatchFixedString);
    fontList->setCurrentIndex(listed);
    // A face the list does not have is still named.
    fontLabel->setText(listed < 0 ? values.face : QString());
    fontSize->setEditText(values.pointSize);
    bold->setChecked(values.bold);
    italic->setChecked(values.italic);
    underline->setChecked(values.underline);
    strikeout->setChecked(values.strikeOut);
    if (values.textColor)
        textColor->setColorRef(*values.textColor);
    if (values.shadowColor)
        shadowColor->setColorRef(*values.shadowColor);
    shadowX->setCurrentIndex(shadowIndex(values.shadowX));
    shadowY->setCurrentIndex(shadowIndex(values.shadowY));
    const int degrees = values.rotation.toInt();
    if (!rotation->hasFocus() || rotation->value() != degrees)
        rotation->setValue(degrees);
    showJustification();
    checkId(justify, values.justify);
    textStyle->setCurrentIndex(values.style);
    showStyleLists(values.lists);
}

void TextPropertiesPage::showStyleLists(const V::StyleLists& lists)
{
    for (int i = 0; i < 3; ++i) {
        const V::ParamList& p = lists.params[size_t(i)];
        paramLabels[i]->setText(p.label);
        params[i]->clear();
        params[i]->addItems(p.items);
        params[i]->setCurrentIndex(p.selected);
        paramLabels[i]->setVisible(p.visible);
        params[i]->setVisible(p.visible);
    }
}

void TextPropertiesPage::showJustification()
{
    // The box, not the value: the spin box may have held back a rotation it cannot show.
    justifyGroup->setVisible(F::justificationShown(rotation->cleanText()));
}

void TextPropertiesPage::read(F::FontValues& values) const
{
    values.face = chosenFace();
    values.pointSize = fontSize->currentText();
    values.bold = bold->isChecked();
    values.italic = italic->isChecked();
    values.underline = underline->isChecked();
    values.strikeOut = strikeout->isChecked();
    values.textColor = textColor->colorRef();
    values.shadowColor = shadowColor->colorRef();
    values.shadowX = shadowOffset(shadowX);
    values.shadowY = shadowOffset(shadowY);
    values.rotation = rotation->cleanText();
    values.justify = justify->checkedId();
    values.style = textStyle->currentIndex();
    for (int i = 0; i < 3; ++i)
        values.params[size_t(i)] = params[i]->currentIndex();
}

QString TextPropertiesPage::chosenFace() const
{
    return fontList->currentIndex() >= 0 ? fontList->currentText() : QString();
}

void TextPropertiesPage::chooseFace(const QString& face)
{
    const int at = fontList->findText(face, Qt::MatchFixedString);
    if (at >= 0)
        fontList->setCurrentIndex(at);
}

} // namespace PropertyPages

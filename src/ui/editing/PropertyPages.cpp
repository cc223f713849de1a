#include "ui/editing/PropertyPages.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/editing/ColorCombo.h"
#include "ui/editing/EditingTexts.h"

namespace PropertyPages {

namespace T = EditingTexts;
namespace F = PropertyForm;

QLabel* buddyLabel(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
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
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons())
        button->setChecked(false);
    group->setExclusive(true);
}

void setTextIfDifferent(QLineEdit* edit, const QString& text)
{
    if (edit->text() != text)
        edit->setText(text);
}

// ---- General --------------------------------------------------------------

void GeneralPage::build()
{
    page = named(new QWidget, "GeneralPage");
    auto* layout = new QVBoxLayout(page);
    auto* sizeGroup = new QGroupBox(T::SizeAndPosition, page);
    auto* form = new QFormLayout(sizeGroup);
    const std::pair<QLineEdit**, std::pair<const char*, QString>> boxes[] = {
        {&left, {"GeneralLeftEdit", T::LeftBox}},
        {&top, {"GeneralTopEdit", T::TopBox}},
        {&width, {"GeneralWidthEdit", T::WidthBox}},
        {&height, {"GeneralHeightEdit", T::HeightBox}},
    };
    for (const auto& [box, text] : boxes) {
        *box = named(new QLineEdit(sizeGroup), text.first);
        form->addRow(buddyLabel(text.second, *box, sizeGroup), *box);
    }
    layout->addWidget(sizeGroup);
    auto* styleGroup = new QGroupBox(T::ExtendedStyle, page);
    auto* styleLayout = new QVBoxLayout(styleGroup);
    nonPrinting = named(new QCheckBox(T::NonPrinting, styleGroup), "GeneralNonPrintingCheck");
    locked = named(new QCheckBox(T::Locked, styleGroup), "GeneralLockedCheck");
    styleLayout->addWidget(nonPrinting);
    styleLayout->addWidget(locked);
    layout->addWidget(styleGroup);
    layout->addStretch();
}

void GeneralPage::show(const F::GeneralValues& values)
{
    setTextIfDifferent(left, values.left);
    setTextIfDifferent(top, values.top);
    setTextIfDifferent(width, values.width);
    setTextIfDifferent(height, values.height);
    nonPrinting->setChecked(values.nonPrinting);
    locked->setChecked(values.locked);
}

void GeneralPage::read(F::GeneralValues& values) const
{
    values.left = left->text();
    values.top = top->text();
    values.width = width->text();
    values.height = height->text();
    values.nonPrinting = nonPrinting->isChecked();
    values.locked = locked->isChecked();
}

// ---- Shape ----------------------------------------------------------------

void ShapePage::build()
{
    page = named(new QWidget, "ShapePage");
    auto* grid = new QGridLayout(page);
    color = named(new ColorCombo(page), "ShapeColorFGCombo");
    background = named(new ColorCombo(page), "ShapeColorBGCombo");
    backgroundLabel = named(buddyLabel(T::ShapeBackground, background, page), "ShapeColorBGLabel");
    lineSize = named(new QComboBox(page), "ShapeLineSizeCombo");
    for (int size = 1; size <= F::kMaxLineSize; ++size)
        lineSize->addItem(QString::number(size));
    grid->addWidget(buddyLabel(T::ShapeColor, color, page), 0, 0);
    grid->addWidget(color, 0, 1);
    grid->addWidget(backgroundLabel, 1, 0);
    grid->addWidget(background, 1, 1);
    grid->addWidget(buddyLabel(T::LineSize, lineSize, page), 2, 0);
    grid->addWidget(lineSize, 2, 1);
    lineTypeGroup = named(new QGroupBox(T::LineType, page), "ShapeLineTypeRadioGroup");
    lineType = radioColumn(lineTypeGroup, T::lineTypes(), "ShapeLineTypeRadio");
    grid->addWidget(lineTypeGroup, 3, 0, 1, 2);
    styleGroup = named(new QGroupBox(T::ShapeStyle, page), "ShapeStyleRadioGroup");
    style = radioColumn(styleGroup, T::shapeStyles(), "ShapeStyleRadio");
    grid->addWidget(styleGroup, 4, 0, 1, 2);
    grid->setRowStretch(5, 1);
}

void ShapePage::show(const F::ShapeValues& values)
{
    if (values.line)
        checkId(lineType, values.lineType);
    else
        checkId(style, values.style);
    enable(values.controls());
    lineSize->setCurrentIndex(values.lineSize ? *values.lineSize - 1 : -1);
    if (values.color)
        color->setColorRef(*values.color);
    if (values.background)
        background->setColorRef(*values.background);
}

void ShapePage::enable(const F::ShapeControls& on)
{
    styleGroup->setVisible(on.styleGroup);
    background->setVisible(on.background);
    backgroundLabel->setVisible(on.background);
    lineTypeGroup->setVisible(on.lineTypeGroup);
}

void ShapePage::read(F::ShapeValues& values) const
{
    values.lineType = lineType->checkedId();
    values.style = style->checkedId();
    values.lineSize = lineSize->currentIndex() >= 0 ? std::optional<int>(lineSize->currentIndex() + 1) : std::nullopt;
    values.color = color->colorRef();
    values.background = background->colorRef();
}

// ---- Graphic --------------------------------------------------------------

void GraphicPage::build()
{
    page = named(new QWidget, "GraphicPage");
    auto* layout = new QVBoxLayout(page);
    auto* group = new QGroupBox(T::GraphicProperties, page);
    auto* form = new QFormLayout(group);
    size = named(new QLabel(group), "PicSizeLabel");
    type = named(new QLabel(group), "PicTypeLabel");
    depth = named(new QLabel(group), "PicColorDepthLabel");
    stored = named(new QLabel(group), "PicStoreSizeLabel");
    depthCaption = new QLabel(T::ColorDepthCaption, group);
    storedCaption = new QLabel(T::StoredSizeCaption, group);
    form->addRow(new QLabel(T::ActualSizeCaption, group), size);
    form->addRow(new QLabel(T::GraphicTypeCaption, group), type);
    form->addRow(depthCaption, depth);
    form->addRow(storedCaption, stored);
    layout->addWidget(group);

    picture = named(new QPushButton(T::PictureButton, page), "GraphicPictureBtn");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(picture);
    const std::tuple<QToolButton**, const char*, const char*, QString> sizing[] = {
        {&aspectWidth, "GraphicAspectWidthBtn", "\u2194", T::AspectWidthHint},
        {&aspectHeight, "GraphicAspectHeightBtn", "\u2195", T::AspectHeightHint},
        {&actualSize, "GraphicActualSizeBtn", "1:1", T::ActualSizeHint},
    };
    for (const auto& [button, name, text, hint] : sizing) {
        *button = named(new QToolButton(page), name);
        (*button)->setText(QString::fromUtf8(text));
        (*button)->setToolTip(hint);
        buttons->addWidget(*button);
    }
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->addStretch();
}

void GraphicPage::show(const F::PictureValues& values)
{
    size->setText(values.size);
    type->setText(values.type);
    for (QLabel* label : {depth, depthCaption, stored, storedCaption})
        label->setVisible(values.bitmap);
    if (values.bitmap) {
        depth->setText(values.depth);
        stored->setText(values.storedSize);
    }
}

} // namespace PropertyPages

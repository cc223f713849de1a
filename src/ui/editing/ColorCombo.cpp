#include "ui/editing/ColorCombo.h"

#include <QColorDialog>
#include <QPixmap>

#include "gdi/Canvas.h"
#include "ui/editing/EditingTexts.h"
#include "ui/editing/PropertyValues.h"

namespace {

constexpr int kOther = 16;

QIcon swatch(int32_t colorRef)
{
    QPixmap pixmap(16, 12);
    pixmap.fill(colorFromRef(colorRef));
    return QIcon(pixmap);
}

} // namespace

ColorCombo::ColorCombo(QWidget* parent) : QComboBox(parent)
{
    for (const PropertyValues::NamedColor& named : PropertyValues::namedColors())
        addItem(swatch(named.colorRef), QString::fromLatin1(named.name), named.colorRef);
    addItem(EditingTexts::OtherColor);
    setCurrentIndex(-1);
    connect(this, &QComboBox::activated, this, &ColorCombo::onActivated);
}

std::function<std::optional<QColor>(QWidget*, const QColor&)>& ColorCombo::colorDialog()
{
    static std::function<std::optional<QColor>(QWidget*, const QColor&)> dialog =
        [](QWidget* parent, const QColor& initial) -> std::optional<QColor> {
        const QColor color = QColorDialog::getColor(initial, parent);
        return color.isValid() ? std::optional<QColor>(color) : std::nullopt;
    };
    return dialog;
}

void ColorCombo::setOther(int32_t colorRef)
{
    setItemData(kOther, colorRef);
    setItemIcon(kOther, swatch(colorRef));
}

void ColorCombo::setColorRef(int32_t colorRef)
{
    const int named = PropertyValues::namedColorIndex(colorRef);
    if (named >= 0) {
        setCurrentIndex(named);
    } else {
        setOther(colorRef);
        setCurrentIndex(kOther);
    }
    m_previous = currentIndex();
}

std::optional<int32_t> ColorCombo::colorRef() const
{
    const QVariant value = currentData();
    if (currentIndex() < 0 || !value.isValid())
        return std::nullopt;
    return int32_t(value.toInt());
}

void ColorCombo::onActivated(int index)
{
    if (index == kOther) {
        const QVariant stored = itemData(kOther);
        const QColor initial = stored.isValid() ? colorFromRef(stored.toInt()) : QColor(Qt::black);
        const std::optional<QColor> chosen = colorDialog() ? colorDialog()(this, initial) : std::nullopt;
        if (!chosen) {
            setCurrentIndex(m_previous);
            return;
        }
        setOther(colorToRef(*chosen));
    }
    m_previous = index;
    emit colorChosen();
}

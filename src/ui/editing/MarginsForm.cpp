#include "ui/editing/MarginsForm.h"

#include "model/Card.h"
#include "model/Units.h"

MarginValues MarginValues::of(const Card& card)
{
    return {card.marginLeft, card.marginRight, card.marginTop, card.marginBottom};
}

int32_t& MarginsForm::value(Field field)
{
    switch (field) {
    case Left: return m_values.left;
    case Right: return m_values.right;
    case Top: return m_values.top;
    case Bottom: break;
    }
    return m_values.bottom;
}

int32_t MarginsForm::value(Field field) const { return const_cast<MarginsForm*>(this)->value(field); }

QString MarginsForm::text(Field field) const { return formatFixed(unitsToDisplay(value(field), m_metric, 0), 4); }

bool MarginsForm::accept(const std::array<QString, 4>& texts)
{
    for (Field field : {Left, Right, Top, Bottom}) {
        bool ok = false;
        const double number = texts[size_t(field)].trimmed().toDouble(&ok);
        if (!ok)
            return false;
        value(field) = displayToUnits(number, m_metric);
    }
    return true;
}

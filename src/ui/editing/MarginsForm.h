#pragma once
// The Margins dialog without widgets: the four margins shown in inches or
// millimetres with four decimals, and read back in the order left, right,
// top, bottom.

#include <QString>
#include <array>
#include <cstdint>

class Card;

struct MarginValues {
    int32_t left = 0, right = 0, top = 0, bottom = 0;
    static MarginValues of(const Card& card);
    // Left, right, top, bottom: what DesignEditor::setMargins takes.
    std::array<int32_t, 4> toArray() const { return {left, right, top, bottom}; }
    bool operator==(const MarginValues&) const = default;
};

class MarginsForm {
public:
    enum Field { Left, Right, Top, Bottom };

    MarginsForm(const MarginValues& margins, bool metric) : m_values(margins), m_metric(metric) {}

    bool metric() const { return m_metric; }
    QString text(Field field) const;
    // Converts the fields in order; false at the first that is not a number
    // (the fields before it keep their new values here, nothing else does).
    bool accept(const std::array<QString, 4>& texts);
    const MarginValues& values() const { return m_values; }

private:
    int32_t& value(Field field);
    int32_t value(Field field) const;

    MarginValues m_values;
    bool m_metric;
};

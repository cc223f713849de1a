#pragma once
// A colour list: the sixteen named colours, then "Other...", which asks the
// colour dialog and takes the colour chosen. Colours are colour references
// (red in the low byte), as objects store them.

#include <QColor>
#include <QComboBox>
#include <cstdint>
#include <functional>
#include <optional>

class ColorCombo : public QComboBox {
    Q_OBJECT
public:
    explicit ColorCombo(QWidget* parent = nullptr);

    // Selects the first entry of this colour; any other colour goes to "Other...".
    void setColorRef(int32_t colorRef);
    // The selected colour; nullopt with no selection.
    std::optional<int32_t> colorRef() const;

    // Where "Other..." asks for a colour; the program's colour dialog unless replaced.
    static std::function<std::optional<QColor>(QWidget* parent, const QColor& initial)>& colorDialog();

signals:
    // The user chose a colour (a named one, or one through "Other...").
    void colorChosen();

private:
    void onActivated(int index);
    void setOther(int32_t colorRef);

    int m_previous = -1;
};

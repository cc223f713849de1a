#pragma once
// "Choose Symbol": one character from a font's character map, for a text
// object that shows just that symbol.

#include <QChar>
#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;
class QTableWidget;

class SymbolDialog : public QDialog {
    Q_OBJECT
public:
    // currentFont is preselected when the list holds it.
    explicit SymbolDialog(const QString& currentFont, QWidget* parent = nullptr);

    QString fontName() const;
    QChar symbol() const { return m_symbol; }
    void setFontName(const QString& name);
    void chooseSymbol(QChar symbol);

    // The fonts offered: the installed scalable fonts, sorted.
    static QStringList symbolFonts();

private:
    void showFont();

    QComboBox* m_fonts = nullptr;
    QTableWidget* m_map = nullptr;
    QLabel* m_preview = nullptr;
    QChar m_symbol;
};

#pragma once
// The "Variable Text" dialog: the list of texts, one per element in print
// order, edited as a working copy; the caller takes entries() after OK.

#include <QDialog>
#include <QStringList>

class QListWidget;
class QPlainTextEdit;
class QPushButton;

class VariableTextDialog : public QDialog {
    Q_OBJECT
public:
    VariableTextDialog(const QStringList& entries, QWidget* parent = nullptr);
    QStringList entries() const;

    void addEntry();
    void removeEntry();
    void pickText();
    // Add with text in the box, Remove with an entry selected, Pick Text with a picker.
    void updateButtons();

private:
    QListWidget* m_list = nullptr;
    QPlainTextEdit* m_text = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_remove = nullptr;
    QPushButton* m_pick = nullptr;
};

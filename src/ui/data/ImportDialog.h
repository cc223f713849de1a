#pragma once
// The "Import" dialog: a thin window over ImportModel.

#include <QDialog>
#include <functional>

#include "ui/data/ImportModel.h"

class QLineEdit;
class QListWidget;
class QPushButton;

class ImportDialog : public QDialog {
    Q_OBJECT
public:
    ImportDialog(PdbKind kind, QWidget* parent = nullptr);

    ImportModel& model() { return m_model; }
    // The file chooser; tests replace it.
    std::function<QString(const QString& filter)> chooseFile;

    void fileButtonClicked();
    void refresh();

private:
    void takeSelections();

    ImportModel m_model;
    bool m_refreshing = false;
    QLineEdit* m_fileEdit = nullptr;
    QWidget* m_step2 = nullptr;
    QListWidget* m_fields = nullptr;
    QListWidget* m_columns = nullptr;
    QListWidget* m_pairs = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_remove = nullptr;
    QPushButton* m_import = nullptr;
};

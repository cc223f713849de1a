#pragma once
// The layout chooser ("Layouts"): a thin widget over LayoutChooser. Without
// choosing it only maintains layout files; choosing, OK hands back a record.

#include <QDialog>
#include <functional>
#include <optional>

#include "ui/printing/LayoutChooser.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

class LayoutChooserDialog : public QDialog {
    Q_OBJECT
public:
    LayoutChooserDialog(LayoutChooser& chooser, bool choosing, QWidget* parent = nullptr);

    // Opens the layout editor on a record; true when it was rewritten. Set by the caller.
    std::function<bool(LayoutRecord&)> editRecord;
    const std::optional<LayoutRecord>& chosen() const { return m_chosen; }

    void newLayout();
    void editLayout();
    void deleteLayout();
    void tryAccept();
    void reject() override;

    // The hidden template-file tools (Ctrl+Shift click on the fold line legend).
    void showConversionTools();
    std::function<QStringList()> chooseTemplateFiles;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* createConversionTools();
    void fillEntries();
    void showSelection();

    LayoutChooser& m_chooser;
    bool m_choosing = false;
    std::optional<LayoutRecord> m_chosen;
    QComboBox* m_files = nullptr;
    QListWidget* m_list = nullptr;
    QWidget* m_picture = nullptr;
    QLabel* m_note = nullptr;
    QLabel* m_size = nullptr;
    QPushButton* m_edit = nullptr;
    QPushButton* m_delete = nullptr;
    QCheckBox* m_opposite = nullptr;
    QWidget* m_foldLegend = nullptr;
    QWidget* m_conversion = nullptr;
};

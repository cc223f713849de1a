#pragma once
// The preview window ("Preview Form"): a thin widget over PreviewModel with
// its tool bar, the scrolling page area and the status bar.

#include <QDialog>
#include <functional>

class PreviewModel;
class QAction;
class QComboBox;
class QLabel;
class QScrollArea;
class QToolBar;
class PreviewPage;

class PreviewWindow : public QDialog {
    Q_OBJECT
public:
    explicit PreviewWindow(PreviewModel& model, QWidget* parent = nullptr);

    // The tool bar's print button; unset: the button is hidden.
    void setPrintAction(std::function<void()> print);

    PreviewModel& model() const { return m_model; }
    // Redoes the page panel's size and the status texts after a change.
    void relayout();
    bool gridShown() const;
    // Left or right click at a point of the page panel.
    void clickPage(const QPoint& point, bool zoomIn);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolBar* createToolBar();
    QAction* addTool(QToolBar* bar, const char* name, const QString& text, std::function<void()> run);
    QSize clientSize() const;
    double screenPpi() const;

    PreviewModel& m_model;
    std::function<void()> m_print;
    QScrollArea* m_area = nullptr;
    PreviewPage* m_page = nullptr;
    QComboBox* m_zoomList = nullptr;
    QAction* m_grid = nullptr;
    QAction* m_first = nullptr;
    QAction* m_previous = nullptr;
    QAction* m_next = nullptr;
    QAction* m_last = nullptr;
    QAction* m_printButton = nullptr;
    QLabel* m_pageStatus = nullptr;
    QLabel* m_zoomStatus = nullptr;
    QLabel* m_hintStatus = nullptr;
    bool m_relayingOut = false;
};

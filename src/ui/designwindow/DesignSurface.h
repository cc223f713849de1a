#pragma once
// The design surface of one design window, without widgets: the active tool,
// the selection frame, zoom, snapping, creating objects, moving and sizing
// them, the keyboard and the position read-out. The card widget (DesignView)
// only shows the editor's card and passes mouse and keys here, in card pixels;
// they become design units as they arrive, and every change to the design
// goes through the editor as one undoable step.

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "imaging/Picture.h"
#include "model/DesignEditor.h"
#include "model/Options.h"
#include "ui/designwindow/SelectionFrame.h"

enum class Tool { Select, Text, BarCode, ArcText, Graphic, Line, Box, RoundBox, Ellipse };

class DesignSurface : public QObject {
    Q_OBJECT
public:
    explicit DesignSurface(DesignEditor& editor, QObject* parent = nullptr);
    ~DesignSurface() override;

    DesignEditor& editor() const { return m_editor; }

    // Grid, snapping step, units, SelectReturn, PromptOnDelete: applied at
    // once (the options dialog pushes changes to every open window).
    void applyOptions(const Options& options);
    const Options& options() const { return m_options; }

    // Zoom in percent. relative: zoom + value; refused requests change
    // nothing. Returns the zoom in force. Only the view changes: the design
    // keeps every position and size and is not modified.
    int setZoom(int value, bool relative);
    int zoom() const { return m_editor.zoom; }

    // The caller ran the protection check before choosing a creation tool.
    Tool activeTool() const { return m_tool; }
    void setActiveTool(Tool tool);

    // Where the Graphic tool gets its picture; nullopt = cancelled.
    std::function<std::optional<Picture>()> pictureSource;

    int selectedCount() const { return int(m_editor.selection().size()); }
    bool selectionLocked() const;
    void selectAll();
    void selectNone();
    // From the object list: only this object (or none) selected.
    void selectOnly(DesignObject* object);

    // Model code chose the editor's selection (a paste selects what it
    // pasted). Changes to the card reach the surface through the editor.
    void selectionChangedOutside();

    // Pointer and keys; the pointer in card pixels.
    void mousePress(QPoint cardPos, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void mouseMove(QPoint cardPos, Qt::MouseButtons buttons);
    void mouseRelease(QPoint cardPos, Qt::MouseButton button);
    void mouseDoubleClick(QPoint cardPos);
    // Arrow keys nudge the selection one design unit (one undo step per
    // press); true when the key was used.
    bool keyPress(int key, Qt::KeyboardModifiers modifiers);

    // Status bar's first panel.
    QString positionText() const { return m_positionText; }

    // The frame over the selection: handles, drag outline, snapping step.
    const SelectionFrame& frame() const { return m_frame; }
    // The pointer shape over this card pixel (the widget asks after every move).
    Qt::CursorShape cursorAt(QPoint cardPos) const;
    // Counts changes to what the card shows (objects, zoom, grid, margins,
    // background); the selection handles and the drag outline do not count.
    // A view may keep its drawing of the card until this changes.
    quint64 cardRevision() const { return m_cardRevision; }
    // The topmost object under a point in design units, or null.
    DesignObject* objectAt(QPoint unitPos) const;

    // The lowest zoom and the first zoom refused (both ways).
    static constexpr int kMinZoom = 25;
    static constexpr int kZoomLimit = 1000;

signals:
    // Anything the commands' enabling or the object list may depend on.
    void selectionChanged();
    // The card changed (the editor's changed(), a region switch included).
    void contentChanged();
    void zoomChanged(int zoom);
    void toolChanged(Tool tool);
    void positionTextChanged(const QString& text);
    // Card pixels that need repainting (an empty rect: the whole card).
    void repaintNeeded(const QRect& area);
    void cardDoubleClicked();
    void contextMenuRequested(QPoint cardPos);
    // Grid, units or snapping changed through applyOptions.
    void optionsChanged();

private:
    void editorChanged();
    void updateSnapStep();
    void createObjectAt(QPoint unitPos);
    std::unique_ptr<DesignObject> makeForTool(QPoint unitPos);
    void clickObject(DesignObject* object, Qt::KeyboardModifiers modifiers);
    void pressOnSelection(QPoint unitPos, QPoint pixelPos, Qt::MouseButton button);
    void clearSelection();
    void lockFromSelection();
    void setPositionText(QPoint units);
    void cardChanged(const QRect& area = {});
    void selectionAreaChanged(const QRect& before);
    QPoint toUnits(QPoint cardPixels) const;
    QSize cardSize() const;

    DesignEditor& m_editor;
    Options m_options;
    Tool m_tool = Tool::Select;
    QString m_positionText;
    SelectionFrame m_frame;
    bool m_pressOnSelection = false;
    quint64 m_cardRevision = 0;
};

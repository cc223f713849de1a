#include "ui/designwindow/DesignSurface.h"

#include <algorithm>
#include <cstdint>

#include "model/ObjectData.h"
#include "model/Units.h"

namespace {

// The packed text-style word each text tool starts its object with.
constexpr int32_t kPlainTextStyle = 1;
constexpr int32_t kBarCodeStyle = 2;          // bar code, parameters 0, 0, 0
constexpr int32_t kArcTextStyle = 0x00F40103;  // arc text: style 3, parameters 1, 244, 0
constexpr int kArcTextHeight = 90;

int32_t rescaled(int32_t pixels, int oldZoom, int newZoom)
{
    // Through zoom 100 in integer steps, as the card has always rescaled.
    const int64_t atHundred = int64_t(pixels) * 100 / oldZoom;
    return int32_t(atHundred * newZoom / 100);
}

QRect unitedArea(const QRect& a, const QRect& b)
{
    if (a.isNull())
        return b;
    if (b.isNull())
        return a;
    return a.united(b);
}

Qt::CursorShape cursorForMode(DragMode mode)
{
    switch (mode) {
    case DragMode::TopLeft:
    case DragMode::BottomRight: return Qt::SizeFDiagCursor;
    case DragMode::TopRight:
    case DragMode::BottomLeft: return Qt::SizeBDiagCursor;
    case DragMode::Top:
    case DragMode::Bottom: return Qt::SizeVerCursor;
    case DragMode::Left:
    case DragMode::Right: return Qt::SizeHorCursor;
    case DragMode::Move: break;
    }
    return Qt::ArrowCursor;
}

} // namespace

DesignSurface::DesignSurface(DesignEditor& editor, QObject* parent)
    : QObject(parent), m_editor(editor), m_options(Options::current()), m_frame(editor.selection)
{
    m_editor.panel.showGrid = m_options.showGrid;
    m_editor.panel.gridX = m_editor.panel.gridY = m_options.gridSize;
    updateSnapStep();
}

DesignSurface::~DesignSurface() = default;

void DesignSurface::applyOptions(const Options& options)
{
    m_options = options;
    m_editor.panel.showGrid = options.showGrid;
    m_editor.panel.gridX = m_editor.panel.gridY = options.gridSize;
    updateSnapStep();
    cardChanged();
    emit optionsChanged();
}

void DesignSurface::updateSnapStep()
{
    const int step = m_options.snapToGrid ? m_options.gridSize * zoom() / 100 : zoom() / 100;
    m_frame.setStep(step, step);
}

int DesignSurface::setZoom(int value, bool relative)
{
    const int old = zoom();
    // A decrease that would reach below 25 is refused as a whole, so Zoom Out
    // at 30 stays at 30 rather than stopping at 25.
    if (relative && value <= 0 && -int64_t(value) + 24 >= old)
        return old;
    const int64_t target = relative ? int64_t(old) + value : value;
    // One upper bound both ways: Zoom In stops where the zoom list does, which
    // keeps the card (up to 17 inches) a size a window can hold.
    if (target < kMinZoom || target >= kZoomLimit)
        return old;
    clearSelection();
    m_editor.zoom = int32_t(target);
    m_editor.panel.setScale(int32_t(target));
    rescaleControls(old, int(target));
    updateSnapStep();
    setModified();
    cardChanged();
    emit zoomChanged(zoom());
    return zoom();
}

void DesignSurface::rescaleControls(int oldZoom, int newZoom)
{
    for (const auto& control : m_editor.panel.controls())
        control->setBounds(rescaled(control->left, oldZoom, newZoom), rescaled(control->top, oldZoom, newZoom),
                           rescaled(control->width, oldZoom, newZoom), rescaled(control->height, oldZoom, newZoom));
}

void DesignSurface::setActiveTool(Tool tool)
{
    clearSelection();
    m_tool = tool;
    emit toolChanged(tool);
}

bool DesignSurface::selectionLocked() const { return m_frame.locked(); }

void DesignSurface::selectAll()
{
    const QRect before = m_frame.frameRect();
    m_frame.clear();
    for (const auto& control : m_editor.panel.controls())
        m_frame.attach(control.get());
    lockFromSelection();
    selectionAreaChanged(before);
}

void DesignSurface::selectNone() { clearSelection(); }

void DesignSurface::selectOnly(ObjectControl* control)
{
    const QRect before = m_frame.frameRect();
    m_frame.clear();
    if (control && m_editor.panel.contains(control))
        m_frame.attach(control);
    lockFromSelection();
    selectionAreaChanged(before);
}

void DesignSurface::contentChangedOutside()
{
    // Drop anything the model destroyed; the rest of the selection stays.
    auto& selection = m_editor.selection;
    selection.erase(std::remove_if(selection.begin(), selection.end(),
                                   [this](ObjectControl* c) { return !m_editor.panel.contains(c); }),
                    selection.end());
    m_frame.cancelDrag();
    m_recorded.clear();
    m_pressOnSelection = false;
    lockFromSelection();
    cardChanged();
    emit selectionChanged();
    emit contentChanged();
}

ObjectControl* DesignSurface::objectAt(QPoint cardPos) const
{
    const auto& controls = m_editor.panel.controls();
    for (auto it = controls.rbegin(); it != controls.rend(); ++it)
        if ((*it)->rect().contains(cardPos))
            return it->get();
    return nullptr;
}

void DesignSurface::mousePress(QPoint cardPos, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    if (m_tool != Tool::Select) {
        // Only the left button inserts; the right one is for the pop-up menu.
        if (button == Qt::LeftButton)
            createObjectAt(cardPos);
        return;
    }
    // The frame lies over the objects, so a press on a selected object is the frame's.
    if (!m_frame.isEmpty() && m_frame.isOverSelection(cardPos)) {
        if (button == Qt::RightButton)
            emit contextMenuRequested(cardPos);
        else
            pressOnSelection(cardPos, button);
        return;
    }
    if (ObjectControl* hit = objectAt(cardPos)) {
        clickObject(hit, modifiers);
        if (button == Qt::RightButton)
            emit contextMenuRequested(cardPos);
        else
            pressOnSelection(cardPos, button);
        return;
    }
    clearSelection();
}

void DesignSurface::clickObject(ObjectControl* control, Qt::KeyboardModifiers modifiers)
{
    const QRect before = m_frame.frameRect();
    const bool adding = modifiers.testFlag(Qt::ShiftModifier);
    const bool wasLocked = m_frame.locked();
    if (!adding)
        m_frame.clear();
    m_frame.attach(control);
    const bool objectLocked = control->data() && control->data()->locked();
    m_frame.setLocked(objectLocked || (adding && wasLocked));
    selectionAreaChanged(before);
}

void DesignSurface::pressOnSelection(QPoint cardPos, Qt::MouseButton button)
{
    if (button == Qt::LeftButton && !m_frame.locked())
        m_frame.beginDrag(cardPos, m_frame.modeAt(cardPos));
    recordSelectedRects();
    m_pressOnSelection = true;
}

void DesignSurface::recordSelectedRects()
{
    m_recorded.clear();
    for (ObjectControl* control : m_frame.selected())
        m_recorded.push_back({control, controlRectInUnits(*control, zoom())});
}

void DesignSurface::mouseMove(QPoint cardPos, Qt::MouseButtons buttons)
{
    Q_UNUSED(buttons);
    if (m_frame.dragging()) {
        const std::optional<QRect> before = m_frame.trackDrag(cardPos, cardSize());
        const QRect after = *m_frame.dragOutline();
        emit repaintNeeded(unitedArea(before ? before->adjusted(-1, -1, 1, 1) : QRect(), after.adjusted(-1, -1, 1, 1)));
    }
    if (!m_frame.isEmpty() && (m_frame.dragging() || m_frame.frameRect().contains(cardPos)))
        setPositionText(m_frame.frameRect().topLeft());
    else if (!objectAt(cardPos))
        setPositionText(cardPos);
}

void DesignSurface::mouseRelease(QPoint cardPos, Qt::MouseButton button)
{
    if (!m_pressOnSelection)
        return;
    if (button == Qt::LeftButton && m_frame.dragging()) {
        const QRect before = m_frame.frameRect();
        if (m_frame.endDrag(cardPos, cardSize()))
            cardChanged();
        else
            emit repaintNeeded(before.adjusted(-1, -1, 1, 1));
    }
    finishPressOnSelection();
}

void DesignSurface::finishPressOnSelection()
{
    for (const RecordedRect& recorded : m_recorded) {
        if (!m_editor.panel.contains(recorded.control))
            continue;
        const ChangeRect now = controlRectInUnits(*recorded.control, zoom());
        if (now != recorded.rect)
            m_editor.manager.undoHistory().push(
                {.type = ObjectMoved, .control = recorded.control, .rectBefore = recorded.rect, .rectAfter = now});
    }
    m_recorded.clear();
    m_pressOnSelection = false;
    // Every press and release over the selection counts as a change, moved or not.
    setModified();
    emit contentChanged();
}

void DesignSurface::mouseDoubleClick(QPoint cardPos)
{
    const bool overSomething = objectAt(cardPos) || (!m_frame.isEmpty() && m_frame.isOverSelection(cardPos));
    if (m_tool == Tool::Select && !overSomething) {
        emit cardDoubleClicked();
        return;
    }
    // The second press of a double-click on an object is an ordinary press.
    mousePress(cardPos, Qt::LeftButton, Qt::NoModifier);
}

bool DesignSurface::keyPress(int key, Qt::KeyboardModifiers modifiers)
{
    Q_UNUSED(modifiers);
    QPoint step;
    switch (key) {
    case Qt::Key_Left: step = {-1, 0}; break;
    case Qt::Key_Right: step = {1, 0}; break;
    case Qt::Key_Up: step = {0, -1}; break;
    case Qt::Key_Down: step = {0, 1}; break;
    default: return false;
    }
    if (m_frame.isEmpty() || m_frame.dragging())
        return false;
    // A nudge changes the objects through the frame alone: no undo record and
    // no modified flag, so holding an arrow key down does not push dozens of
    // one-pixel entries through the 128-entry undo ring. A locked selection
    // swallows the key without moving.
    if (m_frame.nudge(step.x(), step.y()))
        cardChanged();
    return true;
}

Qt::CursorShape DesignSurface::cursorAt(QPoint cardPos) const
{
    if (m_tool != Tool::Select)
        return Qt::CrossCursor;
    if (m_frame.dragging())
        return m_frame.dragMode() == DragMode::Move ? Qt::DragMoveCursor : cursorForMode(m_frame.dragMode());
    if (m_frame.isEmpty() || !m_frame.isOverSelection(cardPos))
        return Qt::ArrowCursor;
    if (m_frame.locked())
        return Qt::ForbiddenCursor;
    return cursorForMode(m_frame.modeAt(cardPos));
}

void DesignSurface::createObjectAt(QPoint cardPos)
{
    clearSelection();
    ObjectControl* control = createForTool(cardPos);
    if (!control || !control->data())
        return;
    control->handlers = m_editor.handlers;
    if (control->isPicture())
        control->handlers.paint = nullptr;  // a picture control draws itself
    m_frame.attach(control);
    m_editor.manager.undoHistory().push(
        {.type = ObjectAdded, .control = control, .recordAfter = control->data()->toRecord(zoom())});
    setModified();
    if (m_options.selectReturn) {
        m_tool = Tool::Select;
        emit toolChanged(m_tool);
    }
    cardChanged();
    emit selectionChanged();
    emit contentChanged();
}

ObjectControl* DesignSurface::createForTool(QPoint p)
{
    ObjectManager& manager = m_editor.manager;
    const auto text = [&](int32_t textStyle) {
        ObjectControl* control = manager.createText(p.x(), p.y());
        control->data()->textStyle = textStyle;
        return control;
    };
    switch (m_tool) {
    case Tool::Text: return text(kPlainTextStyle);
    case Tool::BarCode: return text(kBarCodeStyle);
    case Tool::ArcText: {
        ObjectControl* control = text(kArcTextStyle);
        control->height = kArcTextHeight;
        return control;
    }
    case Tool::Graphic: {
        const std::optional<Picture> picture = pictureSource ? pictureSource() : std::nullopt;
        if (!picture || picture->isEmpty())
            return nullptr;
        return manager.createGraphic(&*picture, p.x(), p.y(), true);
    }
    case Tool::Line: return manager.createLine(p.x(), p.y());
    case Tool::Box: return manager.createBox(p.x(), p.y());
    case Tool::RoundBox: return manager.createRoundBox(p.x(), p.y());
    case Tool::Ellipse: return manager.createEllipse(p.x(), p.y());
    case Tool::Select: break;
    }
    return nullptr;
}

void DesignSurface::clearSelection()
{
    const bool had = !m_frame.isEmpty();
    const QRect before = m_frame.frameRect();
    m_frame.clear();
    m_recorded.clear();
    m_pressOnSelection = false;
    if (had)
        selectionAreaChanged(before);
}

void DesignSurface::lockFromSelection()
{
    // A selection made in one go (Select All, the object list, a paste) is
    // locked when any of its objects is, so a locked object never moves.
    const auto& selected = m_frame.selected();
    m_frame.setLocked(std::any_of(selected.begin(), selected.end(),
                                  [](const ObjectControl* c) { return c->data() && c->data()->locked(); }));
}

void DesignSurface::setModified()
{
    if (m_editor.modified)
        return;
    m_editor.modified = true;
    emit modifiedChanged(true);
}

void DesignSurface::setPositionText(QPoint pixels)
{
    const QString text = QStringLiteral("%1 , %2")
                             .arg(pixelsToUnits(pixels.x(), zoom()))
                             .arg(pixelsToUnits(pixels.y(), zoom()));
    if (text == m_positionText)
        return;
    m_positionText = text;
    emit positionTextChanged(text);
}

void DesignSurface::cardChanged(const QRect& area)
{
    ++m_cardRevision;
    emit repaintNeeded(area);
}

void DesignSurface::selectionAreaChanged(const QRect& before)
{
    emit repaintNeeded(unitedArea(before, m_frame.frameRect()));
    emit selectionChanged();
}

QSize DesignSurface::cardSize() const { return QSize(m_editor.panel.width(), m_editor.panel.height()); }

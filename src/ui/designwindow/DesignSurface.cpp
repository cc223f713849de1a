#include "ui/designwindow/DesignSurface.h"

#include <algorithm>
#include <cstdint>

#include "model/DesignObject.h"
#include "model/ModelTexts.h"
#include "model/Units.h"
#include "render/CardPainter.h"

namespace {

// The packed text-style word each text tool starts its object with.
constexpr int32_t kPlainTextStyle = 1;
constexpr int32_t kBarCodeStyle = 2;          // bar code, parameters 0, 0, 0
constexpr int kArcTextHeight = 90;

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
    : QObject(parent), m_editor(editor), m_options(Options::current()), m_frame(editor)
{
    m_editor.card().showGrid = m_options.showGrid;
    m_editor.card().gridX = m_editor.card().gridY = m_options.gridSize;
    updateSnapStep();
    connect(&m_editor, &DesignEditor::changed, this, &DesignSurface::editorChanged);
}

DesignSurface::~DesignSurface() = default;

void DesignSurface::applyOptions(const Options& options)
{
    m_options = options;
    m_editor.card().showGrid = options.showGrid;
    m_editor.card().gridX = m_editor.card().gridY = options.gridSize;
    updateSnapStep();
    cardChanged();
    emit optionsChanged();
}

void DesignSurface::updateSnapStep()
{
    const int step = m_options.snapToGrid ? m_options.gridSize : 1;
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
    m_frame.cancelDrag();
    m_pressOnSelection = false;
    m_editor.zoom = int32_t(target);
    cardChanged();
    emit zoomChanged(zoom());
    return zoom();
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
    for (const auto& object : m_editor.card().objects())
        m_frame.attach(object.get());
    lockFromSelection();
    selectionAreaChanged(before);
}

void DesignSurface::selectNone() { clearSelection(); }

void DesignSurface::selectOnly(DesignObject* object)
{
    const QRect before = m_frame.frameRect();
    m_frame.clear();
    if (object && m_editor.card().contains(object))
        m_frame.attach(object);
    lockFromSelection();
    selectionAreaChanged(before);
}

void DesignSurface::selectionChangedOutside()
{
    m_frame.cancelDrag();
    m_pressOnSelection = false;
    lockFromSelection();
    emit repaintNeeded({});
    emit selectionChanged();
}

void DesignSurface::editorChanged()
{
    // The editor has already dropped deleted objects from the selection; a
    // drag over objects that changed under it would apply stale arithmetic.
    m_frame.cancelDrag();
    m_pressOnSelection = false;
    lockFromSelection();
    cardChanged();
    emit selectionChanged();
    emit contentChanged();
}

DesignObject* DesignSurface::objectAt(QPoint unitPos) const
{
    const auto& objects = m_editor.card().objects();
    for (auto it = objects.rbegin(); it != objects.rend(); ++it)
        if ((*it)->rect().contains(unitPos))
            return it->get();
    return nullptr;
}

void DesignSurface::mousePress(QPoint cardPos, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    const QPoint units = toUnits(cardPos);
    if (m_tool != Tool::Select) {
        // Only the left button inserts; the right one is for the pop-up menu.
        if (button == Qt::LeftButton)
            createObjectAt(units);
        return;
    }
    // The frame lies over the objects, so a press on a selected object is the frame's.
    if (!m_frame.isEmpty() && m_frame.isOverSelection(cardPos)) {
        if (button == Qt::RightButton)
            emit contextMenuRequested(cardPos);
        else
            pressOnSelection(units, cardPos, button);
        return;
    }
    if (DesignObject* hit = objectAt(units)) {
        clickObject(hit, modifiers);
        if (button == Qt::RightButton)
            emit contextMenuRequested(cardPos);
        else
            pressOnSelection(units, cardPos, button);
        return;
    }
    clearSelection();
}

void DesignSurface::clickObject(DesignObject* object, Qt::KeyboardModifiers modifiers)
{
    const QRect before = m_frame.frameRect();
    const bool adding = modifiers.testFlag(Qt::ShiftModifier);
    const bool wasLocked = m_frame.locked();
    if (!adding)
        m_frame.clear();
    m_frame.attach(object);
    m_frame.setLocked(object->locked() || (adding && wasLocked));
    selectionAreaChanged(before);
}

void DesignSurface::pressOnSelection(QPoint unitPos, QPoint pixelPos, Qt::MouseButton button)
{
    if (button == Qt::LeftButton && !m_frame.locked())
        m_frame.beginDrag(unitPos, m_frame.modeAt(pixelPos));
    m_pressOnSelection = true;
}

void DesignSurface::mouseMove(QPoint cardPos, Qt::MouseButtons buttons)
{
    Q_UNUSED(buttons);
    const QPoint units = toUnits(cardPos);
    if (m_frame.dragging()) {
        const std::optional<QRect> before = m_frame.trackDrag(units, cardSize());
        const auto shown = [this](const QRect& outline) {
            return rectAtZoom(outline, zoom()).adjusted(-1, -1, 1, 1);
        };
        emit repaintNeeded(unitedArea(before ? shown(*before) : QRect(), shown(*m_frame.dragOutline())));
    }
    if (!m_frame.isEmpty() && (m_frame.dragging() || m_frame.frameRect().contains(cardPos)))
        setPositionText(toUnits(m_frame.frameRect().topLeft()));
    else if (!objectAt(units))
        setPositionText(units);
}

void DesignSurface::mouseRelease(QPoint cardPos, Qt::MouseButton button)
{
    if (!m_pressOnSelection)
        return;
    m_pressOnSelection = false;
    if (button != Qt::LeftButton || !m_frame.dragging())
        return;
    const QRect before = m_frame.frameRect();
    const std::optional<QRect> outline = m_frame.dragOutline();
    // One step for every object the drag moved or sized; the editor's
    // changed() repaints the card.
    const std::vector<DesignEditor::Placement> placements = m_frame.endDrag(toUnits(cardPos), cardSize());
    if (placements.empty() || !m_editor.placeObjects(placements)) {
        const QRect shown = outline ? rectAtZoom(*outline, zoom()).adjusted(-1, -1, 1, 1) : QRect();
        emit repaintNeeded(unitedArea(before, shown));
    }
}

void DesignSurface::mouseDoubleClick(QPoint cardPos)
{
    const bool overSomething =
        objectAt(toUnits(cardPos)) || (!m_frame.isEmpty() && m_frame.isOverSelection(cardPos));
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
    // A locked selection swallows the key without moving.
    if (!m_frame.locked())
        m_editor.moveObjects(m_frame.selected(), step.x(), step.y(), ModelTexts::UndoNudge);
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

void DesignSurface::createObjectAt(QPoint unitPos)
{
    clearSelection();
    std::unique_ptr<DesignObject> made = makeForTool(unitPos);
    if (!made)
        return;
    if (m_options.selectReturn) {
        m_tool = Tool::Select;
        emit toolChanged(m_tool);
    }
    DesignObject* object = m_editor.addObject(std::move(made));
    const QRect before = m_frame.frameRect();
    m_frame.attach(object);
    lockFromSelection();
    selectionAreaChanged(before);
}

std::unique_ptr<DesignObject> DesignSurface::makeForTool(QPoint p)
{
    ObjectManager& manager = m_editor.manager();
    const auto text = [&](int32_t textStyle) {
        std::unique_ptr<DesignObject> object = manager.makeText(p.x(), p.y());
        object->textStyle = textStyle;
        return object;
    };
    switch (m_tool) {
    case Tool::Text: return text(kPlainTextStyle);
    case Tool::BarCode: return text(kBarCodeStyle);
    case Tool::ArcText: {
        std::unique_ptr<DesignObject> object = text(kArcTextToolStyle);
        object->height = kArcTextHeight;
        return object;
    }
    case Tool::Graphic: {
        const std::optional<Picture> picture = pictureSource ? pictureSource() : std::nullopt;
        if (!picture || picture->isEmpty())
            return nullptr;
        return manager.makeGraphic(&*picture, p.x(), p.y());
    }
    case Tool::Line: return manager.makeLine(p.x(), p.y());
    case Tool::Box: return manager.makeBox(p.x(), p.y());
    case Tool::RoundBox: return manager.makeRoundBox(p.x(), p.y());
    case Tool::Ellipse: return manager.makeEllipse(p.x(), p.y());
    case Tool::Select: break;
    }
    return nullptr;
}

void DesignSurface::clearSelection()
{
    const bool had = !m_frame.isEmpty();
    const QRect before = m_frame.frameRect();
    m_frame.clear();
    m_pressOnSelection = false;
    if (had)
        selectionAreaChanged(before);
}

void DesignSurface::lockFromSelection()
{
    // A selection made in one go (Select All, the object list, a paste) is
    // locked when any of its objects is, so a locked object never moves.
    const auto& selected = m_frame.selected();
    m_frame.setLocked(std::any_of(selected.begin(), selected.end(), [](const DesignObject* o) { return o->locked(); }));
}

void DesignSurface::setPositionText(QPoint units)
{
    const QString text = QStringLiteral("%1 , %2").arg(units.x()).arg(units.y());
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

QPoint DesignSurface::toUnits(QPoint cardPixels) const
{
    return QPoint(pixelsToUnits(cardPixels.x(), zoom()), pixelsToUnits(cardPixels.y(), zoom()));
}

QSize DesignSurface::cardSize() const { return m_editor.card().size(); }

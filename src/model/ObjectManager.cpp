#include "model/ObjectManager.h"

#include "model/Units.h"
#include "model/ObjectData.h"
#include "base/Cp1252.h"
#include "system/Messages.h"
#include "model/ModelTexts.h"

#include <cmath>

namespace {
// The password bytes are the characters XOR-ed with this mask.
constexpr uint8_t kPasswordMask = 0xA7;
}

ObjectManager::ObjectManager(Card& surface) : m_surface(surface) {}

ObjectManager::~ObjectManager() = default;

RegionSlot& ObjectManager::slot(int side, int panel)
{
    return m_slots[size_t(std::clamp(side, 0, kSides - 1))][size_t(std::clamp(panel, 0, kPanels - 1))];
}

const RegionSlot& ObjectManager::slot(int side, int panel) const
{
    return m_slots[size_t(std::clamp(side, 0, kSides - 1))][size_t(std::clamp(panel, 0, kPanels - 1))];
}

void ObjectManager::resetCounters()
{
    graphicCounter = 0;
    spareCounter = 0;
    textCounter = 0;
    shapeCounter = 0;
}

bool ObjectManager::storeRegion(int32_t side, int32_t panel, int32_t zoom)
{
    RegionSlot& s = slot(side, panel);
    s = RegionSlot{};
    if (!m_surface.backImage.isEmpty())
        s.background = m_surface.backImage;
    s.margins = {m_surface.marginLeft, m_surface.marginRight, m_surface.marginTop, m_surface.marginBottom};
    QByteArray data;
    int32_t count = 0;
    for (const auto& control : m_surface.controls()) {
        if (!control->data())
            continue;
        control->data()->saveToRecord(data, zoom);
        ++count;
    }
    if (data.size() > INT32_MAX)
        return false;
    s.objectCount = count;
    s.dataSize = int32_t(data.size());
    if (count > 0)
        s.data = std::move(data);
    return true;
}

void ObjectManager::loadRegion(int32_t side, int32_t panel, int32_t zoom, const ControlHandlers& handlers)
{
    currentPanel = panel;
    currentSide = side;
    m_surface.backImage.clear();
    m_surface.destroyAllControls();
    resetCounters();
    const RegionSlot& s = slot(side, panel);
    m_surface.backImage = s.background;
    m_surface.marginLeft = s.margins[0];
    m_surface.marginRight = s.margins[1];
    m_surface.marginTop = s.margins[2];
    m_surface.marginBottom = s.margins[3];
    // Records that run past the slot's data are dropped: never read beyond it.
    QByteArrayView rest(s.data.constData(), std::min<qsizetype>(s.data.size(), std::max(0, s.dataSize)));
    for (int32_t i = 0; i < s.objectCount && !rest.isEmpty(); ++i) {
        const qsizetype size = objectRecordSize(rest);
        if (size < 0)
            break;
        if (createFromRecord(rest.first(size), zoom, handlers) == 0 && m_loadError.isEmpty())
            m_loadError = ModelTexts::UnreadableObjectRecord;
        rest = rest.sliced(size);
    }
    m_surface.repaint();
}

bool ObjectManager::changeRegion(int32_t oldSide, int32_t oldPanel, int32_t newSide, int32_t newPanel,
                                  int32_t zoom, const ControlHandlers& handlers)
{
    if (oldSide >= 0 && oldPanel >= 0) {
        if (!validSlot(oldSide, oldPanel) || !storeRegion(oldSide, oldPanel, zoom)) {
            Messages::error(ModelTexts::ChangeRegionException);
            return false;
        }
    }
    m_loadError.clear();
    if (newSide >= 0 && newPanel >= 0 && validSlot(newSide, newPanel) &&
        (newSide != currentSide || newPanel != currentPanel)) {
        // The history holds references to the controls that are about to go.
        m_changeStack.clear();
        loadRegion(newSide, newPanel, zoom, handlers);
    }
    return true;
}

QString ObjectManager::nextControlName(char kind)
{
    if (kind == ObjectKind::Graphic)
        return ModelTexts::GraphicName + QString::number(graphicCounter++);
    if (kind == ObjectKind::Text)
        return ModelTexts::TextName + QString::number(textCounter++);
    return ModelTexts::ShapeName + QString::number(shapeCounter++);
}

ObjectControl* ObjectManager::createPaintControl(int x, int y)
{
    auto control = std::make_unique<ObjectControl>(ObjectControl::Type::Paint);
    control->setBounds(x, y, 120, 30);
    return m_surface.addControl(std::move(control));
}

ObjectControl* ObjectManager::createGraphic(const Picture* picture, int x, int y, bool withData)
{
    auto owned = std::make_unique<ObjectControl>(ObjectControl::Type::Picture);
    ObjectControl* control = owned.get();
    control->setBounds(x, y, 100, 100);
    control->name = nextControlName(ObjectKind::Graphic);
    control->autoSize = false;
    control->stretch = true;
    if (picture && !picture->isEmpty()) {
        const int pw = picture->width(), ph = picture->height();
        const int larger = ph < pw ? pw : ph;
        if (larger > 0) {
            const long double factor = 100.0L / larger;
            control->width = int(std::trunc(pw * factor));
            control->height = int(std::trunc(ph * factor));
        }
        control->picture = *picture;
    }
    if (withData)
        control->setData(std::make_unique<ObjectData>(control, ObjectKind::Graphic));
    return m_surface.addControl(std::move(owned));
}

ObjectControl* ObjectManager::createText(int x, int y)
{
    ObjectControl* control = createPaintControl(x, y);
    control->name = nextControlName(ObjectKind::Text);
    auto data = std::make_unique<ObjectData>(control, ObjectKind::Text);
    data->style = defaults.textJustify;
    data->foreColor = defaults.foreColor;
    data->backColor = defaults.backColor;
    data->textStyle = defaults.textStyle;
    data->shadowX = defaults.shadowX;
    data->shadowY = defaults.shadowY;
    data->rotation = defaults.rotation;
    data->font = defaults.font;
    control->setData(std::move(data));
    return control;
}

ObjectControl* ObjectManager::createShape(char kind, int x, int y)
{
    ObjectControl* control = createPaintControl(x, y);
    control->name = nextControlName(kind);
    auto data = std::make_unique<ObjectData>(control, kind);
    data->style = kind == ObjectKind::Line ? 0 : defaults.shapeStyle;
    data->foreColor = defaults.foreColor;
    data->backColor = defaults.backColor;
    data->lineSize = defaults.lineSize;
    data->spare = defaults.spare;
    control->setData(std::move(data));
    return control;
}

ObjectControl* ObjectManager::createLine(int x, int y) { return createShape(ObjectKind::Line, x, y); }
ObjectControl* ObjectManager::createBox(int x, int y) { return createShape(ObjectKind::Box, x, y); }
ObjectControl* ObjectManager::createRoundBox(int x, int y) { return createShape(ObjectKind::RoundBox, x, y); }
ObjectControl* ObjectManager::createEllipse(int x, int y) { return createShape(ObjectKind::Ellipse, x, y); }

void ObjectManager::attachHandlers(ObjectControl& control, const ControlHandlers& handlers) const
{
    control.handlers.popupMenu = handlers.popupMenu;
    control.handlers.mouseDown = handlers.mouseDown;
    if (!control.isPicture())
        control.handlers.paint = handlers.paint;
}

int32_t ObjectManager::createFromRecord(QByteArrayView record, int32_t zoom, const ControlHandlers& handlers,
                                         bool keepInside, ObjectControl** created)
{
    if (created)
        *created = nullptr;
    if (objectRecordSize(record) < 0)
        return 0;
    const char kind = record[0];
    ObjectControl* control = kind == ObjectKind::Graphic ? createGraphic(nullptr, 10, 10, false)
                                                         : createPaintControl(10, 10);
    QString error;
    auto data = ObjectData::fromRecord(control, record, zoom, keepInside,
                                        QSize(m_surface.width(), m_surface.height()), &error);
    if (!data) {
        m_loadError = error;
        m_surface.destroyControl(control);
        return 0;
    }
    control->setData(std::move(data));
    // A graphic was already named when its control was made: it takes a second number.
    control->name = nextControlName(kind);
    attachHandlers(*control, handlers);
    if (created)
        *created = control;
    return control->data()->storedSize();
}

void ObjectManager::setDefaultsFrom(const ObjectData& object)
{
    defaults.foreColor = object.foreColor;
    defaults.backColor = object.backColor;
    switch (object.kind) {
    case ObjectKind::Box:
    case ObjectKind::RoundBox:
    case ObjectKind::Ellipse: defaults.shapeStyle = object.style; break;
    case ObjectKind::Line:
        defaults.lineSize = object.lineSize;
        defaults.spare = object.spare;
        break;
    case ObjectKind::Text:
        defaults.textJustify = object.style;
        defaults.textStyle = object.textStyle;
        defaults.shadowX = object.shadowX;
        defaults.shadowY = object.shadowY;
        defaults.rotation = object.rotation;
        defaults.font = object.font;
        break;
    default: break;
    }
}

bool ObjectManager::hasPassword() const
{
    for (uint8_t b : m_password)
        if (b != 0)
            return true;
    return false;
}

bool ObjectManager::checkPassword(const QString& text) const
{
    if (!hasPassword())
        return true;
    QByteArray plain;
    for (uint8_t b : m_password) {
        const uint8_t c = b ^ kPasswordMask;
        if (c == 0)
            break;
        plain.append(char(c));
    }
    return fromCp1252(plain) == text;
}

void ObjectManager::setPassword(const QString& text)
{
    m_password.fill(0);
    const QByteArray bytes = toCp1252(text).left(kPasswordSize);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        m_password[size_t(i)] = uint8_t(bytes[i]) ^ kPasswordMask;
    // A password shorter than eight characters is followed by NUL characters.
    for (qsizetype i = bytes.size(); i < kPasswordSize && !bytes.isEmpty(); ++i)
        m_password[size_t(i)] = kPasswordMask;
}

void ObjectManager::destroyObject(ObjectControl* control) { m_surface.destroyControl(control); }

void ObjectManager::applyChange(ChangeRecord& entry, bool undo, int32_t zoom, const ControlHandlers& handlers)
{
    const bool onSurface = entry.control && m_surface.contains(entry.control);
    const uint8_t type = entry.type;
    const bool recreate = (type == ObjectDeleted && undo) || (type == ObjectAdded && !undo);
    const bool destroy = (type == ObjectAdded && undo) || (type == ObjectDeleted && !undo);
    if (recreate) {
        const QByteArray& record = undo ? entry.recordBefore : entry.recordAfter;
        ObjectControl* created = nullptr;
        createFromRecord(record, zoom, handlers, false, &created);
        if (created) {
            ObjectControl* old = entry.control;
            entry.control = created;
            m_changeStack.replaceControl(old, created);
        }
    } else if (destroy) {
        if (onSurface)
            destroyObject(entry.control);
    } else if (type == ObjectMoved && onSurface) {
        const ChangeRect& r = undo ? entry.rectBefore : entry.rectAfter;
        entry.control->setBounds(unitsToPixels(r.left, zoom), unitsToPixels(r.top, zoom),
                                 unitsToPixels(r.right - r.left, zoom), unitsToPixels(r.bottom - r.top, zoom));
    } else if (type == ObjectChanged && onSurface) {
        const QByteArray& record = undo ? entry.recordBefore : entry.recordAfter;
        auto data = ObjectData::fromRecord(entry.control, record, zoom, false,
                                            QSize(m_surface.width(), m_surface.height()));
        if (data)
            entry.control->setData(std::move(data));
        m_surface.repaint();
    }
}

bool ObjectManager::undo(int32_t zoom, const ControlHandlers& handlers)
{
    ChangeRecord* entry = m_changeStack.popUndo();
    if (!entry)
        return false;
    applyChange(*entry, true, zoom, handlers);
    return true;
}

bool ObjectManager::redo(int32_t zoom, const ControlHandlers& handlers)
{
    ChangeRecord* entry = m_changeStack.popRedo();
    if (!entry)
        return false;
    applyChange(*entry, false, zoom, handlers);
    return true;
}

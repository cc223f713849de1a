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

TObjectManager::TObjectManager(TGridPanel& surface) : m_surface(surface) {}

TObjectManager::~TObjectManager() = default;

RegionSlot& TObjectManager::slot(int side, int panel)
{
    return m_slots[size_t(std::clamp(side, 0, kSides - 1))][size_t(std::clamp(panel, 0, kPanels - 1))];
}

const RegionSlot& TObjectManager::slot(int side, int panel) const
{
    return m_slots[size_t(std::clamp(side, 0, kSides - 1))][size_t(std::clamp(panel, 0, kPanels - 1))];
}

void TObjectManager::resetCounters()
{
    GraphicCounter = 0;
    SpareCounter = 0;
    TextCounter = 0;
    ShapeCounter = 0;
}

bool TObjectManager::storeRegion(int32_t side, int32_t panel, int32_t zoom)
{
    RegionSlot& s = slot(side, panel);
    s = RegionSlot{};
    if (!m_surface.BackImage.isEmpty())
        s.background = m_surface.BackImage;
    s.margins = {m_surface.MarginLeft, m_surface.MarginRight, m_surface.MarginTop, m_surface.MarginBottom};
    QByteArray data;
    int32_t count = 0;
    for (const auto& control : m_surface.controls()) {
        if (!control->data())
            continue;
        control->data()->SaveToRecord(data, zoom);
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

void TObjectManager::loadRegion(int32_t side, int32_t panel, int32_t zoom, const ControlHandlers& handlers)
{
    CurrentPanel = panel;
    CurrentSide = side;
    m_surface.BackImage.clear();
    m_surface.destroyAllControls();
    resetCounters();
    const RegionSlot& s = slot(side, panel);
    m_surface.BackImage = s.background;
    m_surface.MarginLeft = s.margins[0];
    m_surface.MarginRight = s.margins[1];
    m_surface.MarginTop = s.margins[2];
    m_surface.MarginBottom = s.margins[3];
    // Records that run past the slot's data are dropped: never read beyond it.
    QByteArrayView rest(s.data.constData(), std::min<qsizetype>(s.data.size(), std::max(0, s.dataSize)));
    for (int32_t i = 0; i < s.objectCount && !rest.isEmpty(); ++i) {
        const qsizetype size = ObjectRecordSize(rest);
        if (size < 0)
            break;
        if (CreateFromRecord(rest.first(size), zoom, handlers) == 0 && m_loadError.isEmpty())
            m_loadError = QStringLiteral("unreadable object record");
        rest = rest.sliced(size);
    }
    m_surface.repaint();
}

bool TObjectManager::ChangeRegion(int32_t oldSide, int32_t oldPanel, int32_t newSide, int32_t newPanel,
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
        (newSide != CurrentSide || newPanel != CurrentPanel)) {
        // The history holds references to the controls that are about to go.
        m_changeStack.Clear();
        loadRegion(newSide, newPanel, zoom, handlers);
    }
    return true;
}

ObjectControl* TObjectManager::CreatePaintControl(int x, int y)
{
    auto control = std::make_unique<ObjectControl>(ObjectControl::Type::Paint);
    control->setBounds(x, y, 120, 30);
    return m_surface.addControl(std::move(control));
}

ObjectControl* TObjectManager::CreateGraphic(const Picture* picture, int x, int y, bool withData)
{
    auto owned = std::make_unique<ObjectControl>(ObjectControl::Type::Picture);
    ObjectControl* control = owned.get();
    control->setBounds(x, y, 100, 100);
    control->name = QStringLiteral("Graphic") + QString::number(GraphicCounter++);
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
        control->setData(std::make_unique<TObjectData>(control, ObjectKind::Graphic));
    return m_surface.addControl(std::move(owned));
}

ObjectControl* TObjectManager::CreateText(int x, int y)
{
    ObjectControl* control = CreatePaintControl(x, y);
    control->name = QStringLiteral("Text") + QString::number(TextCounter++);
    auto data = std::make_unique<TObjectData>(control, ObjectKind::Text);
    data->Style = DefaultTextJustify;
    data->ForeColor = DefaultForeColor;
    data->BackColor = DefaultBackColor;
    data->TextStyle = DefaultTextStyle;
    data->ShadowX = DefaultShadowX;
    data->ShadowY = DefaultShadowY;
    data->Rotation = DefaultRotation;
    data->Font = DefaultFont;
    control->setData(std::move(data));
    return control;
}

ObjectControl* TObjectManager::createShape(char kind, int x, int y)
{
    ObjectControl* control = CreatePaintControl(x, y);
    control->name = QStringLiteral("Shape") + QString::number(ShapeCounter++);
    auto data = std::make_unique<TObjectData>(control, kind);
    data->Style = kind == ObjectKind::Line ? 0 : DefaultShapeStyle;
    data->ForeColor = DefaultForeColor;
    data->BackColor = DefaultBackColor;
    data->LineSize = DefaultLineSize;
    data->Spare = DefaultSpare;
    control->setData(std::move(data));
    return control;
}

ObjectControl* TObjectManager::CreateLine(int x, int y) { return createShape(ObjectKind::Line, x, y); }
ObjectControl* TObjectManager::CreateBox(int x, int y) { return createShape(ObjectKind::Box, x, y); }
ObjectControl* TObjectManager::CreateRoundBox(int x, int y) { return createShape(ObjectKind::RoundBox, x, y); }
ObjectControl* TObjectManager::CreateEllipse(int x, int y) { return createShape(ObjectKind::Ellipse, x, y); }

void TObjectManager::attachHandlers(ObjectControl& control, const ControlHandlers& handlers) const
{
    control.handlers.popupMenu = handlers.popupMenu;
    control.handlers.mouseDown = handlers.mouseDown;
    if (!control.isPicture())
        control.handlers.paint = handlers.paint;
}

int32_t TObjectManager::CreateFromRecord(QByteArrayView record, int32_t zoom, const ControlHandlers& handlers,
                                         bool keepInside, ObjectControl** created)
{
    if (created)
        *created = nullptr;
    if (ObjectRecordSize(record) < 0)
        return 0;
    const char kind = record[0];
    ObjectControl* control = kind == ObjectKind::Graphic ? CreateGraphic(nullptr, 10, 10, false)
                                                         : CreatePaintControl(10, 10);
    QString error;
    auto data = TObjectData::fromRecord(control, record, zoom, keepInside,
                                        QSize(m_surface.width(), m_surface.height()), &error);
    if (!data) {
        m_loadError = error;
        m_surface.destroyControl(control);
        return 0;
    }
    control->setData(std::move(data));
    if (kind == ObjectKind::Graphic)
        control->name = QStringLiteral("Graphic") + QString::number(GraphicCounter++);
    else if (kind == ObjectKind::Text)
        control->name = QStringLiteral("Text") + QString::number(TextCounter++);
    else
        control->name = QStringLiteral("Shape") + QString::number(ShapeCounter++);
    attachHandlers(*control, handlers);
    if (created)
        *created = control;
    return control->data()->StoredSize();
}

void TObjectManager::SetDefaults(char kind, int32_t foreColor, int32_t backColor, int32_t style, int32_t lineSize,
                                 int32_t spare, const LogFontA& font, int32_t textStyle, int8_t shadowX,
                                 int8_t shadowY, int32_t rotation)
{
    DefaultForeColor = foreColor;
    DefaultBackColor = backColor;
    if (kind == ObjectKind::Box || kind == ObjectKind::Ellipse || kind == ObjectKind::RoundBox) {
        DefaultShapeStyle = style;
    } else if (kind == ObjectKind::Line) {
        DefaultLineSize = lineSize;
        DefaultSpare = spare;
    } else if (kind == ObjectKind::Text) {
        DefaultTextJustify = style;
        DefaultTextStyle = textStyle;
        DefaultShadowX = shadowX;
        DefaultShadowY = shadowY;
        DefaultRotation = rotation;
        DefaultFont = font;
    }
}

void TObjectManager::SetDefaultsFrom(const TObjectData& d)
{
    SetDefaults(d.Kind, d.ForeColor, d.BackColor, d.Style, d.LineSize, d.Spare, d.Font, d.TextStyle, d.ShadowX,
                d.ShadowY, d.Rotation);
}

bool TObjectManager::hasPassword() const
{
    for (uint8_t b : m_password)
        if (b != 0)
            return true;
    return false;
}

bool TObjectManager::CheckPassword(const QString& text) const
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

void TObjectManager::SetPassword(const QString& text)
{
    m_password.fill(0);
    const QByteArray bytes = toCp1252(text).left(kPasswordSize);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        m_password[size_t(i)] = uint8_t(bytes[i]) ^ kPasswordMask;
    // A password shorter than eight characters is followed by NUL characters.
    for (qsizetype i = bytes.size(); i < kPasswordSize && !bytes.isEmpty(); ++i)
        m_password[size_t(i)] = kPasswordMask;
}

void TObjectManager::DestroyObject(ObjectControl* control) { m_surface.destroyControl(control); }

void TObjectManager::applyChange(ChangeRecord& entry, bool undo, int32_t zoom, const ControlHandlers& handlers)
{
    const bool onSurface = entry.control && m_surface.contains(entry.control);
    const uint8_t type = entry.type;
    const bool recreate = (type == ObjectDeleted && undo) || (type == ObjectAdded && !undo);
    const bool destroy = (type == ObjectAdded && undo) || (type == ObjectDeleted && !undo);
    if (recreate) {
        const QByteArray& record = undo ? entry.recordBefore : entry.recordAfter;
        ObjectControl* created = nullptr;
        CreateFromRecord(record, zoom, handlers, false, &created);
        if (created) {
            ObjectControl* old = entry.control;
            entry.control = created;
            m_changeStack.ReplaceControl(old, created);
        }
    } else if (destroy) {
        if (onSurface)
            DestroyObject(entry.control);
    } else if (type == ObjectMoved && onSurface) {
        const ChangeRect& r = undo ? entry.rectBefore : entry.rectAfter;
        entry.control->setBounds(UnitsToPixels(r.left, zoom), UnitsToPixels(r.top, zoom),
                                 UnitsToPixels(r.right - r.left, zoom), UnitsToPixels(r.bottom - r.top, zoom));
    } else if (type == ObjectChanged && onSurface) {
        const QByteArray& record = undo ? entry.recordBefore : entry.recordAfter;
        auto data = TObjectData::fromRecord(entry.control, record, zoom, false,
                                            QSize(m_surface.width(), m_surface.height()));
        if (data)
            entry.control->setData(std::move(data));
        m_surface.repaint();
    }
}

bool TObjectManager::Undo(int32_t zoom, const ControlHandlers& handlers)
{
    ChangeRecord* entry = m_changeStack.PopUndo();
    if (!entry)
        return false;
    applyChange(*entry, true, zoom, handlers);
    return true;
}

bool TObjectManager::Redo(int32_t zoom, const ControlHandlers& handlers)
{
    ChangeRecord* entry = m_changeStack.PopRedo();
    if (!entry)
        return false;
    applyChange(*entry, false, zoom, handlers);
    return true;
}

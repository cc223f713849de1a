#include "model/ObjectManager.h"

#include "model/DesignObject.h"
#include "base/Cp1252.h"
#include "model/ModelTexts.h"

#include <cmath>

namespace {
// The password bytes are the characters XOR-ed with this mask.
constexpr uint8_t kPasswordMask = 0xA7;
}

ObjectManager::ObjectManager(Card& card) : m_card(card) {}

ObjectManager::~ObjectManager() = default;

RegionSlot& ObjectManager::slot(RegionId region)
{
    return m_slots[size_t(std::clamp(region.side, 0, kSides - 1))][size_t(std::clamp(region.panel, 0, kPanels - 1))];
}

const RegionSlot& ObjectManager::slot(RegionId region) const
{
    return m_slots[size_t(std::clamp(region.side, 0, kSides - 1))][size_t(std::clamp(region.panel, 0, kPanels - 1))];
}

void ObjectManager::resetCounters()
{
    graphicCounter = 0;
    spareCounter = 0;
    textCounter = 0;
    shapeCounter = 0;
}

bool ObjectManager::storeRegion(RegionId region)
{
    RegionSlot& s = slot(region);
    s = RegionSlot{};
    if (!m_card.backImage.isEmpty())
        s.background = m_card.backImage;
    s.margins = {m_card.marginLeft, m_card.marginRight, m_card.marginTop, m_card.marginBottom};
    QByteArray data;
    int32_t count = 0;
    for (const auto& object : m_card.objects()) {
        object->saveToRecord(data);
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

void ObjectManager::loadRegion(RegionId region)
{
    m_live = region;
    m_card.backImage.clear();
    m_card.clear();
    resetCounters();
    const RegionSlot& s = slot(region);
    m_card.backImage = s.background;
    m_card.marginLeft = s.margins[0];
    m_card.marginRight = s.margins[1];
    m_card.marginTop = s.margins[2];
    m_card.marginBottom = s.margins[3];
    // Records that run past the slot's data are dropped: never read beyond it.
    QByteArrayView rest(s.data.constData(), std::min<qsizetype>(s.data.size(), std::max(0, s.dataSize)));
    for (int32_t i = 0; i < s.objectCount && !rest.isEmpty(); ++i) {
        const qsizetype size = objectRecordSize(rest);
        if (size < 0)
            break;
        if (createFromRecord(rest.first(size)) == 0 && m_error.isEmpty())
            m_error = ModelTexts::UnreadableObjectRecord;
        rest = rest.sliced(size);
    }
}

bool ObjectManager::storeLiveRegion()
{
    if (m_live && !storeRegion(*m_live)) {
        m_error = ModelTexts::ChangeRegionException;
        return false;
    }
    return true;
}

bool ObjectManager::showRegion(RegionId region)
{
    if (!storeLiveRegion())
        return false;
    m_error.clear();
    if (region.isValid() && m_live != region)
        loadRegion(region);
    return true;
}

QString ObjectManager::nextObjectName(char kind)
{
    if (kind == ObjectKind::Graphic)
        return ModelTexts::GraphicName + QString::number(graphicCounter++);
    if (kind == ObjectKind::Text)
        return ModelTexts::TextName + QString::number(textCounter++);
    return ModelTexts::ShapeName + QString::number(shapeCounter++);
}

std::unique_ptr<DesignObject> ObjectManager::makeGraphic(const Picture* picture, int x, int y)
{
    auto object = std::make_unique<DesignObject>(ObjectKind::Graphic);
    object->setRect(QRect(x, y, 100, 100));
    object->name = nextObjectName(ObjectKind::Graphic);
    if (picture && !picture->isEmpty()) {
        const int pw = picture->width(), ph = picture->height();
        const int larger = ph < pw ? pw : ph;
        if (larger > 0) {
            const long double factor = 100.0L / larger;
            object->width = int(std::trunc(pw * factor));
            object->height = int(std::trunc(ph * factor));
        }
        object->picture = *picture;
    }
    return object;
}

std::unique_ptr<DesignObject> ObjectManager::makeText(int x, int y)
{
    auto object = std::make_unique<DesignObject>(ObjectKind::Text);
    object->setRect(QRect(x, y, 120, 30));
    object->name = nextObjectName(ObjectKind::Text);
    object->style = defaults.textJustify;
    object->foreColor = defaults.foreColor;
    object->backColor = defaults.backColor;
    object->textStyle = defaults.textStyle;
    object->shadowX = defaults.shadowX;
    object->shadowY = defaults.shadowY;
    object->rotation = defaults.rotation;
    object->font = defaults.font;
    return object;
}

std::unique_ptr<DesignObject> ObjectManager::makeShape(char kind, int x, int y)
{
    auto object = std::make_unique<DesignObject>(kind);
    object->setRect(QRect(x, y, 120, 30));
    object->name = nextObjectName(kind);
    object->style = kind == ObjectKind::Line ? 0 : defaults.shapeStyle;
    object->foreColor = defaults.foreColor;
    object->backColor = defaults.backColor;
    object->lineSize = defaults.lineSize;
    object->spare = defaults.spare;
    return object;
}

std::unique_ptr<DesignObject> ObjectManager::makeLine(int x, int y) { return makeShape(ObjectKind::Line, x, y); }
std::unique_ptr<DesignObject> ObjectManager::makeBox(int x, int y) { return makeShape(ObjectKind::Box, x, y); }
std::unique_ptr<DesignObject> ObjectManager::makeRoundBox(int x, int y)
{
    return makeShape(ObjectKind::RoundBox, x, y);
}
std::unique_ptr<DesignObject> ObjectManager::makeEllipse(int x, int y)
{
    return makeShape(ObjectKind::Ellipse, x, y);
}

std::unique_ptr<DesignObject> ObjectManager::objectFromRecord(QByteArrayView record, QString* error)
{
    auto object = DesignObject::fromRecord(record, error);
    if (!object)
        return nullptr;
    // A graphic takes a number when it is made and another when it is named.
    if (object->kind == ObjectKind::Graphic)
        ++graphicCounter;
    object->name = nextObjectName(object->kind);
    return object;
}

int32_t ObjectManager::createFromRecord(QByteArrayView record, DesignObject** created)
{
    if (created)
        *created = nullptr;
    QString error;
    auto object = objectFromRecord(record, &error);
    if (!object) {
        if (!error.isEmpty())
            m_error = error;
        return 0;
    }
    DesignObject* added = m_card.add(std::move(object));
    if (created)
        *created = added;
    return added->storedSize();
}

void ObjectManager::setDefaultsFrom(const DesignObject& object)
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

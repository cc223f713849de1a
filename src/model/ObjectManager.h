#pragma once
// One design's content. The live region's objects are controls on the card;
// every other region slot is kept flat (records, background, margins).
// changeRegion is the only way a region moves between the two states.

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>

#include "model/UndoHistory.h"
#include "model/Card.h"
#include "gdi/LogFont.h"
#include "imaging/Picture.h"

class ObjectData;

struct RegionSlot {
    QByteArray data;  // back-to-back ObjectRecords
    int32_t objectCount = 0;
    int32_t dataSize = 0;
    std::array<int32_t, 4> margins{8, 8, 8, 8};  // left, right, top, bottom
    Picture background;

    bool isEmpty() const { return objectCount <= 0 && background.isEmpty(); }
};

// What new objects start with.
struct ObjectDefaults {
    int32_t foreColor = 0x000000;
    int32_t backColor = 0xFFFFFF;
    int32_t textJustify = 0;  // a text's style
    int32_t shapeStyle = 0;   // a box's, round box's or ellipse's style
    int32_t lineSize = 1;
    int32_t spare = 0;
    int32_t textStyle = 1;
    int8_t shadowX = 0;
    int8_t shadowY = 0;
    int32_t rotation = 0;
    LogFontA font;
};

class ObjectManager {
public:
    static constexpr int kSides = 2;
    static constexpr int kPanels = 4;
    static constexpr int kPasswordSize = 8;

    explicit ObjectManager(Card& surface);
    ~ObjectManager();

    Card& surface() const { return m_surface; }

    bool changeRegion(int32_t oldSide, int32_t oldPanel, int32_t newSide, int32_t newPanel, int32_t zoom,
                      const ControlHandlers& handlers = {});
    // Why the last load phase dropped or refused records (empty when none).
    const QString& lastLoadError() const { return m_loadError; }

    ObjectControl* createPaintControl(int x, int y);
    ObjectControl* createGraphic(const Picture* picture, int x, int y, bool withData);
    ObjectControl* createText(int x, int y);
    ObjectControl* createLine(int x, int y);
    ObjectControl* createBox(int x, int y);
    ObjectControl* createRoundBox(int x, int y);
    ObjectControl* createEllipse(int x, int y);
    // Creates one object from a record; returns its storedSize() (0 when no control was made).
    int32_t createFromRecord(QByteArrayView record, int32_t zoom, const ControlHandlers& handlers,
                             bool keepInside = false, ObjectControl** created = nullptr);

    // Remembers an object's properties as the defaults of the next new object
    // of its family: colours always, then the text, line or shape properties.
    void setDefaultsFrom(const ObjectData& object);

    bool checkPassword(const QString& text) const;
    void setPassword(const QString& text);
    bool hasPassword() const;
    const std::array<uint8_t, kPasswordSize>& password() const { return m_password; }
    void setPasswordBytes(const std::array<uint8_t, kPasswordSize>& bytes) { m_password = bytes; }

    bool undo(int32_t zoom, const ControlHandlers& handlers = {});
    bool redo(int32_t zoom, const ControlHandlers& handlers = {});
    UndoHistory& undoHistory() { return m_changeStack; }

    // Destroys an object: its ObjectData, then its control.
    void destroyObject(ObjectControl* control);

    RegionSlot& slot(int side, int panel);
    const RegionSlot& slot(int side, int panel) const;
    static bool validSlot(int side, int panel) { return side >= 0 && side < kSides && panel >= 0 && panel < kPanels; }

    int32_t currentSide = -1;
    int32_t currentPanel = -1;

    ObjectDefaults defaults;

    int32_t graphicCounter = 0;
    int32_t spareCounter = 0;
    int32_t textCounter = 0;
    int32_t shapeCounter = 0;

private:
    bool storeRegion(int32_t side, int32_t panel, int32_t zoom);
    void loadRegion(int32_t side, int32_t panel, int32_t zoom, const ControlHandlers& handlers);
    ObjectControl* createShape(char kind, int x, int y);
    // The kind's word ("Graphic", "Text" or "Shape") and the next number of its counter.
    QString nextControlName(char kind);
    void attachHandlers(ObjectControl& control, const ControlHandlers& handlers) const;
    void applyChange(ChangeRecord& entry, bool undo, int32_t zoom, const ControlHandlers& handlers);
    void resetCounters();

    Card& m_surface;
    std::array<std::array<RegionSlot, kPanels>, kSides> m_slots;
    std::array<uint8_t, kPasswordSize> m_password{};
    UndoHistory m_changeStack;
    QString m_loadError;
};

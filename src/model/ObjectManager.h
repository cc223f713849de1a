#pragma once
// One design's content. The live region's objects are controls on the card;
// every other region slot is kept flat (records, background, margins).
// ChangeRegion is the only way a region moves between the two states.

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>

#include "model/UndoHistory.h"
#include "model/Card.h"
#include "gdi/LogFont.h"
#include "imaging/Picture.h"

class TObjectData;

struct RegionSlot {
    QByteArray data;  // back-to-back ObjectRecords
    int32_t objectCount = 0;
    int32_t dataSize = 0;
    std::array<int32_t, 4> margins{8, 8, 8, 8};  // left, right, top, bottom
    Picture background;

    bool isEmpty() const { return objectCount <= 0 && background.isEmpty(); }
};

class TObjectManager {
public:
    static constexpr int kSides = 2;
    static constexpr int kPanels = 4;
    static constexpr int kPasswordSize = 8;

    explicit TObjectManager(TGridPanel& surface);
    ~TObjectManager();

    TGridPanel& surface() const { return m_surface; }

    bool ChangeRegion(int32_t oldSide, int32_t oldPanel, int32_t newSide, int32_t newPanel, int32_t zoom,
                      const ControlHandlers& handlers = {});
    // Why the last load phase dropped or refused records (empty when none).
    const QString& lastLoadError() const { return m_loadError; }

    ObjectControl* CreatePaintControl(int x, int y);
    ObjectControl* CreateGraphic(const Picture* picture, int x, int y, bool withData);
    ObjectControl* CreateText(int x, int y);
    ObjectControl* CreateLine(int x, int y);
    ObjectControl* CreateBox(int x, int y);
    ObjectControl* CreateRoundBox(int x, int y);
    ObjectControl* CreateEllipse(int x, int y);
    // Creates one object from a record; returns its StoredSize() (0 when no control was made).
    int32_t CreateFromRecord(QByteArrayView record, int32_t zoom, const ControlHandlers& handlers,
                             bool keepInside = false, ObjectControl** created = nullptr);

    void SetDefaults(char kind, int32_t foreColor, int32_t backColor, int32_t style, int32_t lineSize,
                     int32_t spare, const LogFontA& font, int32_t textStyle, int8_t shadowX, int8_t shadowY,
                     int32_t rotation);
    void SetDefaultsFrom(const TObjectData& data);

    bool CheckPassword(const QString& text) const;
    void SetPassword(const QString& text);
    bool hasPassword() const;
    const std::array<uint8_t, kPasswordSize>& Password() const { return m_password; }
    void setPasswordBytes(const std::array<uint8_t, kPasswordSize>& bytes) { m_password = bytes; }

    bool Undo(int32_t zoom, const ControlHandlers& handlers = {});
    bool Redo(int32_t zoom, const ControlHandlers& handlers = {});
    TDOChangeStack& ChangeStack() { return m_changeStack; }

    // Destroys an object: its TObjectData, then its control.
    void DestroyObject(ObjectControl* control);

    RegionSlot& slot(int side, int panel);
    const RegionSlot& slot(int side, int panel) const;
    static bool validSlot(int side, int panel) { return side >= 0 && side < kSides && panel >= 0 && panel < kPanels; }

    int32_t CurrentSide = -1;
    int32_t CurrentPanel = -1;

    int32_t DefaultForeColor = 0x000000;
    int32_t DefaultBackColor = 0xFFFFFF;
    int32_t DefaultTextJustify = 0;
    int32_t DefaultShapeStyle = 0;
    int32_t DefaultLineSize = 1;
    int32_t DefaultSpare = 0;
    int32_t DefaultTextStyle = 1;
    int8_t DefaultShadowX = 0;
    int8_t DefaultShadowY = 0;
    int32_t DefaultRotation = 0;
    LogFontA DefaultFont;

    int32_t GraphicCounter = 0;
    int32_t SpareCounter = 0;
    int32_t TextCounter = 0;
    int32_t ShapeCounter = 0;

private:
    bool storeRegion(int32_t side, int32_t panel, int32_t zoom);
    void loadRegion(int32_t side, int32_t panel, int32_t zoom, const ControlHandlers& handlers);
    ObjectControl* createShape(char kind, int x, int y);
    void attachHandlers(ObjectControl& control, const ControlHandlers& handlers) const;
    void applyChange(ChangeRecord& entry, bool undo, int32_t zoom, const ControlHandlers& handlers);
    void resetCounters();

    TGridPanel& m_surface;
    std::array<std::array<RegionSlot, kPanels>, kSides> m_slots;
    std::array<uint8_t, kPasswordSize> m_password{};
    TDOChangeStack m_changeStack;
    QString m_loadError;
};

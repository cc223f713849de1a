#pragma once
// One design's content. The live region's objects are on the card; every
// other region slot is kept flat (records, background, margins). showRegion
// is the only way a region moves between the two states.

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "model/Card.h"
#include "gdi/LogFont.h"
#include "imaging/Picture.h"


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
    LogFont font;
};

// One region slot: a sheet side (0..1) and a panel (0..3).
struct RegionId {
    int32_t side = 0;
    int32_t panel = 0;
    bool operator==(const RegionId&) const = default;
    bool isValid() const { return side >= 0 && side < 2 && panel >= 0 && panel < 4; }
};

class ObjectManager {
public:
    static constexpr int kSides = 2;
    static constexpr int kPanels = 4;
    static constexpr int kPasswordSize = 8;

    explicit ObjectManager(Card& card);
    ~ObjectManager();
    ObjectManager(const ObjectManager&) = delete;
    ObjectManager& operator=(const ObjectManager&) = delete;

    Card& card() const { return m_card; }

    // The one way regions move between the card and their slots. Stores the
    // live region (if any) into its slot, then loads `region` unless it is
    // already live. False when the live region could not be stored: it stays
    // on the card and errorString() says why; nothing is shown.
    bool showRegion(RegionId region);
    // Stores the live region into its slot, so every slot is current (saving,
    // printing); the card keeps it. False as for showRegion.
    bool storeLiveRegion();
    // Forgets the live region without storing it: the card is left as it is
    // and the next showRegion loads without storing (a design read from a
    // file, a card filled by other code).
    void detachLiveRegion() { m_live.reset(); }
    // Takes the card as it is as the live region: code that builds a design
    // fills the card, then names the slot it belongs to.
    void setLiveRegion(RegionId region) { m_live = region; }
    std::optional<RegionId> liveRegion() const { return m_live; }
    // Why the last store failed, or why the last load dropped or refused
    // records (empty when none).
    const QString& errorString() const { return m_error; }

    // New objects with the defaults, named from the counters, not yet on the
    // card (the design editor adds them as one undoable step). Positions and
    // sizes in design units.
    std::unique_ptr<DesignObject> makeGraphic(const Picture* picture, int x, int y);
    std::unique_ptr<DesignObject> makeText(int x, int y);
    std::unique_ptr<DesignObject> makeLine(int x, int y);
    std::unique_ptr<DesignObject> makeBox(int x, int y);
    std::unique_ptr<DesignObject> makeRoundBox(int x, int y);
    std::unique_ptr<DesignObject> makeEllipse(int x, int y);
    std::unique_ptr<DesignObject> makeShape(char kind, int x, int y);
    // An object from a record, named from the counters (a graphic takes two
    // numbers); null with the reason when the record cannot be turned into one.
    std::unique_ptr<DesignObject> objectFromRecord(QByteArrayView record, QString* error = nullptr);

    // The same, put straight on the card: for code that builds a design
    // (loading, templates, JSON, tools), not for a user's edit.
    DesignObject* createGraphic(const Picture* picture, int x, int y) { return m_card.add(makeGraphic(picture, x, y)); }
    DesignObject* createText(int x, int y) { return m_card.add(makeText(x, y)); }
    DesignObject* createLine(int x, int y) { return m_card.add(makeLine(x, y)); }
    DesignObject* createBox(int x, int y) { return m_card.add(makeBox(x, y)); }
    DesignObject* createRoundBox(int x, int y) { return m_card.add(makeRoundBox(x, y)); }
    DesignObject* createEllipse(int x, int y) { return m_card.add(makeEllipse(x, y)); }
    // Returns the new object's storedSize() (0 when none was made).
    int32_t createFromRecord(QByteArrayView record, DesignObject** created = nullptr);

    // Remembers an object's properties as the defaults of the next new object
    // of its family: colours always, then the text, line or shape properties.
    void setDefaultsFrom(const DesignObject& object);

    bool checkPassword(const QString& text) const;
    void setPassword(const QString& text);
    bool hasPassword() const;
    const std::array<uint8_t, kPasswordSize>& password() const { return m_password; }
    void setPasswordBytes(const std::array<uint8_t, kPasswordSize>& bytes) { m_password = bytes; }

    RegionSlot& slot(RegionId region);
    const RegionSlot& slot(RegionId region) const;
    RegionSlot& slot(int side, int panel) { return slot(RegionId{side, panel}); }
    const RegionSlot& slot(int side, int panel) const { return slot(RegionId{side, panel}); }
    static bool validSlot(int side, int panel) { return RegionId{side, panel}.isValid(); }

    ObjectDefaults defaults;

    int32_t graphicCounter = 0;
    int32_t spareCounter = 0;
    int32_t textCounter = 0;
    int32_t shapeCounter = 0;

private:
    bool storeRegion(RegionId region);
    void loadRegion(RegionId region);
    // The kind's word ("Graphic", "Text" or "Shape") and the next number of its counter.
    QString nextObjectName(char kind);
    void resetCounters();

    Card& m_card;
    std::array<std::array<RegionSlot, kPanels>, kSides> m_slots;
    std::array<uint8_t, kPasswordSize> m_password{};
    std::optional<RegionId> m_live;
    QString m_error;
};

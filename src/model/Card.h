#pragma once
// The card of one region, headless and in design units: its size, margins,
// background, stock outline, grid settings and the ordered objects (first is
// drawn first, at the bottom). Windows show it at their zoom; the card itself
// knows no zoom.

#include <QSize>
#include <memory>
#include <vector>

#include "imaging/Picture.h"
#include "model/DesignObject.h"

class Card {
public:
    Card() = default;
    Card(const Card&) = delete;
    Card& operator=(const Card&) = delete;

    void setRegionSize(int32_t width, int32_t height);
    int32_t regionWidth() const { return m_regionWidth; }
    int32_t regionHeight() const { return m_regionHeight; }
    QSize size() const { return QSize(m_regionWidth, m_regionHeight); }

    // Margins in design units: left, right, top, bottom.
    int32_t marginLeft = 8;
    int32_t marginRight = 8;
    int32_t marginTop = 8;
    int32_t marginBottom = 8;
    // The edges of the area inside the margins, in design units. Margins read
    // from a damaged file may hold any value: the edges are kept within a
    // range where every later sum of them still fits an int.
    struct MarginEdges {
        int left, top, right, bottom;
    };
    MarginEdges marginEdges() const;
    Picture backImage;
    int baseImage = 0;  // stock outline: 0 none, 1 tall CD card, 2 wide CD card, 3 full CD
    bool showGrid = false;
    int gridX = 4;
    int gridY = 4;

    const std::vector<std::unique_ptr<DesignObject>>& objects() const { return m_objects; }
    int objectCount() const { return int(m_objects.size()); }
    DesignObject* object(int index) const;
    int indexOf(const DesignObject* object) const;
    bool contains(const DesignObject* object) const { return indexOf(object) >= 0; }
    DesignObject* findByName(const QString& name) const;

    // Adds on top of the others.
    DesignObject* add(std::unique_ptr<DesignObject> object);
    // At a stacking position (clamped to the ends).
    DesignObject* insert(int index, std::unique_ptr<DesignObject> object);
    // Takes the object off the card and hands it back; null when it is not on it.
    std::unique_ptr<DesignObject> take(const DesignObject* object);
    void remove(const DesignObject* object) { take(object); }
    void clear() { m_objects.clear(); }
    // The objects in stacking order, as pointers; reorder() puts them back in
    // any permutation of the same objects.
    std::vector<DesignObject*> order() const;
    void reorder(const std::vector<DesignObject*>& order);
    void bringToFront(const DesignObject* object);
    void sendToBack(const DesignObject* object);

private:
    std::vector<std::unique_ptr<DesignObject>> m_objects;
    int32_t m_regionWidth = 0;
    int32_t m_regionHeight = 0;
};

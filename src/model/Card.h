#pragma once
// The card of one region, headless: its size, zoom, margins, background,
// stock outline, grid settings and the ordered object controls (first is
// drawn first, at the bottom). Windows only display it.

#include <functional>
#include <memory>
#include <vector>

#include "model/ObjectControl.h"
#include "imaging/Picture.h"

class Card {
public:
    Card() = default;

    // Region size in design units; the pixel size follows the zoom.
    void setRegionSize(int32_t width, int32_t height);
    int32_t regionWidth() const { return m_regionWidth; }
    int32_t regionHeight() const { return m_regionHeight; }
    void setScale(int32_t zoom);
    int32_t scale() const { return m_scale; }
    int width() const;
    int height() const;

    // Margins in design units: left, right, top, bottom.
    int32_t marginLeft = 8;
    int32_t marginRight = 8;
    int32_t marginTop = 8;
    int32_t marginBottom = 8;
    // The edges of the area inside the margins, in pixels at the card's zoom.
    // Margins read from a damaged file may hold any value: the edges are kept
    // within a range where every later sum of them still fits an int.
    struct MarginEdges {
        int left, top, right, bottom;
    };
    MarginEdges marginEdges() const;
    Picture backImage;
    int baseImage = 0;  // stock outline: 0 none, 1 tall CD card, 2 wide CD card, 3 full CD
    bool showGrid = false;
    int gridX = 4;
    int gridY = 4;

    const std::vector<std::unique_ptr<ObjectControl>>& controls() const { return m_controls; }
    int controlCount() const { return int(m_controls.size()); }
    ObjectControl* control(int index) const;
    int indexOf(const ObjectControl* control) const;
    bool contains(const ObjectControl* control) const { return indexOf(control) >= 0; }
    ObjectControl* findByName(const QString& name) const;

    ObjectControl* addControl(std::unique_ptr<ObjectControl> control);
    // Destroys the control with its ObjectData.
    void destroyControl(ObjectControl* control);
    void destroyAllControls();
    void bringToFront(ObjectControl* control);
    void sendToBack(ObjectControl* control);

    void repaint();
    int repaintCount() const { return m_repaints; }
    std::function<void()> onRepaint;

private:
    std::vector<std::unique_ptr<ObjectControl>> m_controls;
    int32_t m_regionWidth = 0;
    int32_t m_regionHeight = 0;
    int32_t m_scale = 100;
    int m_repaints = 0;
};

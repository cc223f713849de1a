#include "model/Card.h"

#include "model/Units.h"
#include "model/ObjectData.h"

#include <algorithm>
#include <cstdint>

void Card::setRegionSize(int32_t width, int32_t height)
{
    m_regionWidth = width;
    m_regionHeight = height;
}

void Card::setScale(int32_t zoom) { m_scale = zoom > 0 ? zoom : 100; }

int Card::width() const { return unitsToPixels(m_regionWidth, m_scale); }

int Card::height() const { return unitsToPixels(m_regionHeight, m_scale); }

namespace {
// Far beyond any real card at any zoom; sums of a few such edges fit an int.
constexpr int64_t kMaxEdge = 1 << 24;
} // namespace

Card::MarginEdges Card::marginEdges() const
{
    const auto scaled = [this](int32_t margin) { return int64_t(margin) * m_scale / 100; };
    const auto edge = [](int64_t at) { return int(std::clamp(at, -kMaxEdge, kMaxEdge)); };
    return {edge(scaled(marginLeft)), edge(scaled(marginTop)), edge(width() - scaled(marginRight)),
            edge(height() - scaled(marginBottom))};
}

ObjectControl* Card::control(int index) const
{
    return index >= 0 && index < int(m_controls.size()) ? m_controls[size_t(index)].get() : nullptr;
}

int Card::indexOf(const ObjectControl* control) const
{
    for (size_t i = 0; i < m_controls.size(); ++i)
        if (m_controls[i].get() == control)
            return int(i);
    return -1;
}

ObjectControl* Card::findByName(const QString& name) const
{
    for (const auto& c : m_controls)
        if (c->name == name)
            return c.get();
    return nullptr;
}

ObjectControl* Card::addControl(std::unique_ptr<ObjectControl> control)
{
    m_controls.push_back(std::move(control));
    return m_controls.back().get();
}

void Card::destroyControl(ObjectControl* control)
{
    const int at = indexOf(control);
    if (at < 0)
        return;
    control->takeData().reset();
    m_controls.erase(m_controls.begin() + at);
}

void Card::destroyAllControls()
{
    while (!m_controls.empty())
        destroyControl(m_controls.back().get());
}

void Card::bringToFront(ObjectControl* control)
{
    const int at = indexOf(control);
    if (at < 0)
        return;
    auto owned = std::move(m_controls[size_t(at)]);
    m_controls.erase(m_controls.begin() + at);
    m_controls.push_back(std::move(owned));
}

void Card::sendToBack(ObjectControl* control)
{
    const int at = indexOf(control);
    if (at < 0)
        return;
    auto owned = std::move(m_controls[size_t(at)]);
    m_controls.erase(m_controls.begin() + at);
    m_controls.insert(m_controls.begin(), std::move(owned));
}

void Card::repaint()
{
    ++m_repaints;
    if (onRepaint)
        onRepaint();
}

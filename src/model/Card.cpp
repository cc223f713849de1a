#include "model/Card.h"

#include <algorithm>
#include <cstdint>

void Card::setRegionSize(int32_t width, int32_t height)
{
    m_regionWidth = width;
    m_regionHeight = height;
}

namespace {
// Far beyond any real card; sums of a few such edges fit an int.
constexpr int64_t kMaxEdge = 1 << 24;
} // namespace

Card::MarginEdges Card::marginEdges() const
{
    const auto edge = [](int64_t at) { return int(std::clamp(at, -kMaxEdge, kMaxEdge)); };
    return {edge(marginLeft), edge(marginTop), edge(int64_t(m_regionWidth) - marginRight),
            edge(int64_t(m_regionHeight) - marginBottom)};
}

DesignObject* Card::object(int index) const
{
    return index >= 0 && index < int(m_objects.size()) ? m_objects[size_t(index)].get() : nullptr;
}

int Card::indexOf(const DesignObject* object) const
{
    for (size_t i = 0; i < m_objects.size(); ++i)
        if (m_objects[i].get() == object)
            return int(i);
    return -1;
}

DesignObject* Card::findByName(const QString& name) const
{
    for (const auto& o : m_objects)
        if (o->name == name)
            return o.get();
    return nullptr;
}

DesignObject* Card::add(std::unique_ptr<DesignObject> object)
{
    m_objects.push_back(std::move(object));
    return m_objects.back().get();
}

DesignObject* Card::insert(int index, std::unique_ptr<DesignObject> object)
{
    const int at = std::clamp(index, 0, int(m_objects.size()));
    DesignObject* raw = object.get();
    m_objects.insert(m_objects.begin() + at, std::move(object));
    return raw;
}

std::unique_ptr<DesignObject> Card::take(const DesignObject* object)
{
    const int at = indexOf(object);
    if (at < 0)
        return nullptr;
    auto owned = std::move(m_objects[size_t(at)]);
    m_objects.erase(m_objects.begin() + at);
    return owned;
}

std::vector<DesignObject*> Card::order() const
{
    std::vector<DesignObject*> result;
    result.reserve(m_objects.size());
    for (const auto& o : m_objects)
        result.push_back(o.get());
    return result;
}

void Card::reorder(const std::vector<DesignObject*>& order)
{
    if (order.size() != m_objects.size())
        return;
    std::vector<std::unique_ptr<DesignObject>> sorted;
    sorted.reserve(order.size());
    for (DesignObject* wanted : order) {
        auto owned = take(wanted);
        if (!owned)
            break;
        sorted.push_back(std::move(owned));
    }
    // Whatever was not named keeps its place after the named ones.
    for (auto& rest : m_objects)
        sorted.push_back(std::move(rest));
    m_objects = std::move(sorted);
}

void Card::bringToFront(const DesignObject* object)
{
    if (auto owned = take(object))
        m_objects.push_back(std::move(owned));
}

void Card::sendToBack(const DesignObject* object)
{
    if (auto owned = take(object))
        m_objects.insert(m_objects.begin(), std::move(owned));
}

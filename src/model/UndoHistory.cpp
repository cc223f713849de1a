#include "model/UndoHistory.h"

#include "model/Units.h"
#include "model/ObjectControl.h"

void UndoHistory::push(ChangeRecord change)
{
    m_entries[size_t(m_position % kCapacity)] = std::move(change);
    ++m_position;
    m_redoCount = 0;
    if (m_undoCount < kCapacity)
        ++m_undoCount;
}

ChangeRecord* UndoHistory::popUndo()
{
    if (m_undoCount <= 0)
        return nullptr;
    --m_position;
    ++m_redoCount;
    --m_undoCount;
    return &m_entries[size_t(m_position % kCapacity)];
}

ChangeRecord* UndoHistory::popRedo()
{
    if (m_redoCount <= 0)
        return nullptr;
    ChangeRecord* entry = &m_entries[size_t(m_position % kCapacity)];
    ++m_position;
    --m_redoCount;
    if (m_undoCount < kCapacity)
        ++m_undoCount;
    return entry;
}

void UndoHistory::replaceControl(const ObjectControl* oldControl, ObjectControl* newControl)
{
    for (ChangeRecord& entry : m_entries)
        if (entry.control == oldControl)
            entry.control = newControl;
}

void UndoHistory::clear()
{
    m_entries.fill(ChangeRecord{});
    m_position = 0;
    m_undoCount = 0;
    m_redoCount = 0;
}

ChangeRect controlRectInUnits(const ObjectControl& control, int32_t zoom)
{
    return {pixelsToUnits(control.left, zoom), pixelsToUnits(control.top, zoom),
            pixelsToUnits(control.left + control.width, zoom), pixelsToUnits(control.top + control.height, zoom)};
}

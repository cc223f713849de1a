#pragma once
// The undo history: a ring of 128 object-level changes. A new change discards
// what could be redone; the oldest entry is overwritten when the ring is full.

#include <QByteArray>
#include <array>
#include <cstdint>

class ObjectControl;

enum ChangeType : uint8_t { ObjectAdded = 1, ObjectDeleted = 2, ObjectMoved = 3, ObjectChanged = 4 };

struct ChangeRect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const ChangeRect&) const = default;
};

struct ChangeRecord {
    uint8_t type = 0;
    ObjectControl* control = nullptr;
    int32_t spare1 = 0;
    int32_t spare2 = 0;
    ChangeRect rectBefore{};
    ChangeRect rectAfter{};
    QByteArray recordBefore{};  // empty: none
    QByteArray recordAfter{};
};

class UndoHistory {
public:
    static constexpr int kCapacity = 128;

    // Records a change; whatever could be redone is dropped.
    void push(ChangeRecord change);
    ChangeRecord* popUndo();
    ChangeRecord* popRedo();
    bool canUndo() const { return m_undoCount > 0; }
    bool canRedo() const { return m_redoCount > 0; }
    void replaceControl(const ObjectControl* oldControl, ObjectControl* newControl);
    void clear();

    int32_t position() const { return m_position; }
    int32_t undoCount() const { return m_undoCount; }
    int32_t redoCount() const { return m_redoCount; }

private:
    std::array<ChangeRecord, kCapacity> m_entries{};
    int32_t m_position = 0;
    int32_t m_undoCount = 0;
    int32_t m_redoCount = 0;
};

// A control's rectangle in design units at the given zoom.
ChangeRect controlRectInUnits(const ObjectControl& control, int32_t zoom);

#include "model/DesignEditor.h"

#include <QUndoCommand>
#include <algorithm>

#include "model/ModelTexts.h"

namespace {

// Objects put on the card (redo) or taken off it (undo) at their stacking
// positions; while off the card the command owns them. Deleting is the same
// step the other way round.
class AddOrRemoveCommand : public QUndoCommand {
public:
    struct Entry {
        int index = 0;
        DesignObject* object = nullptr;
        std::unique_ptr<DesignObject> owned;  // set while the object is off the card
    };

    AddOrRemoveCommand(Card& card, std::vector<Entry> entries, bool adding, const QString& text)
        : QUndoCommand(text), m_card(card), m_entries(std::move(entries)), m_adding(adding)
    {
    }

    void redo() override { m_adding ? putOn() : takeOff(); }
    void undo() override { m_adding ? takeOff() : putOn(); }

private:
    void putOn()
    {
        // Lowest position first, so each lands where it was.
        for (Entry& e : m_entries)
            if (e.owned)
                m_card.insert(e.index, std::move(e.owned));
    }
    void takeOff()
    {
        for (auto it = m_entries.rbegin(); it != m_entries.rend(); ++it) {
            it->index = m_card.indexOf(it->object);
            it->owned = m_card.take(it->object);
        }
    }

    Card& m_card;
    std::vector<Entry> m_entries;
    bool m_adding;
};

// New property values for objects, swapped in place so every pointer to an
// object (the selection, other steps) stays good.
class ValueCommand : public QUndoCommand {
public:
    ValueCommand(std::vector<DesignEditor::Change> before, std::vector<DesignEditor::Change> after,
                 const QString& text)
        : QUndoCommand(text), m_before(std::move(before)), m_after(std::move(after))
    {
    }
    void redo() override { apply(m_after); }
    void undo() override { apply(m_before); }

private:
    static void apply(const std::vector<DesignEditor::Change>& values)
    {
        for (const auto& [object, value] : values) {
            const QString name = object->name;
            *object = value;
            object->name = name;
        }
    }
    std::vector<DesignEditor::Change> m_before;
    std::vector<DesignEditor::Change> m_after;
};

class PlaceCommand : public QUndoCommand {
public:
    PlaceCommand(std::vector<DesignEditor::Placement> before, std::vector<DesignEditor::Placement> after,
                 const QString& text)
        : QUndoCommand(text), m_before(std::move(before)), m_after(std::move(after))
    {
    }
    void redo() override { apply(m_after); }
    void undo() override { apply(m_before); }

private:
    static void apply(const std::vector<DesignEditor::Placement>& placements)
    {
        for (const auto& [object, rect] : placements)
            object->setRect(rect);
    }
    std::vector<DesignEditor::Placement> m_before;
    std::vector<DesignEditor::Placement> m_after;
};

class OrderCommand : public QUndoCommand {
public:
    OrderCommand(Card& card, std::vector<DesignObject*> before, std::vector<DesignObject*> after,
                 const QString& text)
        : QUndoCommand(text), m_card(card), m_before(std::move(before)), m_after(std::move(after))
    {
    }
    void redo() override { m_card.reorder(m_after); }
    void undo() override { m_card.reorder(m_before); }

private:
    Card& m_card;
    std::vector<DesignObject*> m_before;
    std::vector<DesignObject*> m_after;
};

// What the live region carries besides its objects (its size and outline
// are the layout's).
struct CardSettings {
    Picture background;
    std::array<int32_t, 4> margins{};

    static CardSettings of(const Card& card)
    {
        return {card.backImage, {card.marginLeft, card.marginRight, card.marginTop, card.marginBottom}};
    }
    void applyTo(Card& card) const
    {
        card.backImage = background;
        card.marginLeft = margins[0];
        card.marginRight = margins[1];
        card.marginTop = margins[2];
        card.marginBottom = margins[3];
    }
};

class CardSettingsCommand : public QUndoCommand {
public:
    CardSettingsCommand(Card& card, CardSettings before, CardSettings after, const QString& text)
        : QUndoCommand(text), m_card(card), m_before(std::move(before)), m_after(std::move(after))
    {
    }
    void redo() override { m_after.applyTo(m_card); }
    void undo() override { m_before.applyTo(m_card); }

private:
    Card& m_card;
    CardSettings m_before;
    CardSettings m_after;
};

std::vector<DesignObject*> onCard(const Card& card, const std::vector<DesignObject*>& objects)
{
    std::vector<DesignObject*> result;
    for (DesignObject* o : objects)
        if (o && card.contains(o) && std::find(result.begin(), result.end(), o) == result.end())
            result.push_back(o);
    return result;
}

} // namespace

DesignEditor::DesignEditor(QObject* parent) : QObject(parent)
{
    m_stack.setUndoLimit(kUndoLimit);
    // Every push, undo and redo moves the index; clear() and setClean() are
    // only called from here, which catch up by themselves.
    connect(&m_stack, &QUndoStack::indexChanged, this, [this] { afterStackChange(); });
}

DesignEditor::~DesignEditor()
{
    // The commands own objects that are off the card; drop them before the card.
    m_stack.disconnect(this);
    m_stack.clear();
}

void DesignEditor::select(DesignObject* object)
{
    if (object && !isSelected(object))
        m_selection.push_back(object);
}

void DesignEditor::deselect(DesignObject* object)
{
    m_selection.erase(std::remove(m_selection.begin(), m_selection.end(), object), m_selection.end());
}

void DesignEditor::clearSelection() { m_selection.clear(); }

void DesignEditor::setSelection(const std::vector<DesignObject*>& objects) { m_selection = onCard(m_card, objects); }

bool DesignEditor::isSelected(const DesignObject* object) const
{
    return std::find(m_selection.begin(), m_selection.end(), object) != m_selection.end();
}

void DesignEditor::pruneSelection()
{
    m_selection.erase(std::remove_if(m_selection.begin(), m_selection.end(),
                                     [this](DesignObject* o) { return !m_card.contains(o); }),
                      m_selection.end());
}

void DesignEditor::push(QUndoCommand* command) { m_stack.push(command); }

void DesignEditor::afterStackChange()
{
    pruneSelection();
    const bool modified = isModified();
    if (modified != m_lastModified) {
        m_lastModified = modified;
        emit modifiedChanged(modified);
    }
    emit changed();
}

bool DesignEditor::undo()
{
    if (!m_stack.canUndo())
        return false;
    m_stack.undo();
    return true;
}

bool DesignEditor::redo()
{
    if (!m_stack.canRedo())
        return false;
    m_stack.redo();
    return true;
}

void DesignEditor::markSaved()
{
    m_changedOutsideHistory = false;
    m_stack.clear();
    m_stack.setClean();
    afterStackChange();
}

void DesignEditor::markChanged()
{
    m_changedOutsideHistory = true;
    afterStackChange();
}

DesignObject* DesignEditor::addObject(std::unique_ptr<DesignObject> object, const QString& text)
{
    std::vector<std::unique_ptr<DesignObject>> one;
    one.push_back(std::move(object));
    const std::vector<DesignObject*> added = addObjects(std::move(one), text);
    return added.empty() ? nullptr : added.front();
}

std::vector<DesignObject*> DesignEditor::addObjects(std::vector<std::unique_ptr<DesignObject>> objects,
                                                    const QString& text)
{
    std::vector<AddOrRemoveCommand::Entry> entries;
    std::vector<DesignObject*> added;
    int index = m_card.objectCount();
    for (auto& object : objects) {
        if (!object)
            continue;
        added.push_back(object.get());
        entries.push_back({index++, object.get(), std::move(object)});
    }
    if (entries.empty())
        return added;
    push(new AddOrRemoveCommand(m_card, std::move(entries), true, text.isEmpty() ? ModelTexts::UndoAdd : text));
    return added;
}

void DesignEditor::deleteObjects(const std::vector<DesignObject*>& objects, const QString& text)
{
    std::vector<DesignObject*> doomed = onCard(m_card, objects);
    if (doomed.empty())
        return;
    // In stacking order, so putting them back restores every position.
    std::sort(doomed.begin(), doomed.end(),
              [this](DesignObject* a, DesignObject* b) { return m_card.indexOf(a) < m_card.indexOf(b); });
    std::vector<AddOrRemoveCommand::Entry> entries;
    for (DesignObject* o : doomed)
        entries.push_back({m_card.indexOf(o), o, nullptr});
    for (DesignObject* o : doomed)
        deselect(o);
    push(new AddOrRemoveCommand(m_card, std::move(entries), false,
                                text.isEmpty() ? ModelTexts::UndoDelete : text));
}

bool DesignEditor::placeObjects(const std::vector<Placement>& placements, const QString& text)
{
    std::vector<Placement> before, after;
    for (const auto& [object, rect] : placements) {
        if (!object || !m_card.contains(object) || object->rect() == rect)
            continue;
        before.emplace_back(object, object->rect());
        after.emplace_back(object, rect);
    }
    if (after.empty())
        return false;
    push(new PlaceCommand(std::move(before), std::move(after), text.isEmpty() ? ModelTexts::UndoMove : text));
    return true;
}

bool DesignEditor::moveObjects(const std::vector<DesignObject*>& objects, int dx, int dy, const QString& text)
{
    std::vector<Placement> placements;
    for (DesignObject* o : onCard(m_card, objects))
        placements.emplace_back(o, o->rect().translated(dx, dy));
    return placeObjects(placements, text);
}

bool DesignEditor::changeObjects(const std::vector<Change>& changes, const QString& text)
{
    std::vector<Change> before, after;
    for (const auto& [object, value] : changes) {
        if (!object || !m_card.contains(object))
            continue;
        // A picture is compared by its bytes, everything else by the record.
        if (object->sameRecordAs(value))
            continue;
        before.emplace_back(object, *object);
        after.emplace_back(object, value);
    }
    if (after.empty())
        return false;
    push(new ValueCommand(std::move(before), std::move(after), text.isEmpty() ? ModelTexts::UndoChange : text));
    return true;
}

bool DesignEditor::changeObject(DesignObject* object, const DesignObject& value, const QString& text)
{
    return changeObjects({{object, value}}, text);
}

void DesignEditor::bringToFront(const std::vector<DesignObject*>& objects)
{
    const std::vector<DesignObject*> moving = onCard(m_card, objects);
    if (moving.empty())
        return;
    std::vector<DesignObject*> after;
    for (DesignObject* o : m_card.order())
        if (std::find(moving.begin(), moving.end(), o) == moving.end())
            after.push_back(o);
    for (DesignObject* o : m_card.order())
        if (std::find(moving.begin(), moving.end(), o) != moving.end())
            after.push_back(o);
    if (after == m_card.order())
        return;
    push(new OrderCommand(m_card, m_card.order(), after, ModelTexts::UndoOrder));
}

void DesignEditor::sendToBack(const std::vector<DesignObject*>& objects)
{
    const std::vector<DesignObject*> moving = onCard(m_card, objects);
    if (moving.empty())
        return;
    std::vector<DesignObject*> after;
    for (DesignObject* o : m_card.order())
        if (std::find(moving.begin(), moving.end(), o) != moving.end())
            after.push_back(o);
    for (DesignObject* o : m_card.order())
        if (std::find(moving.begin(), moving.end(), o) == moving.end())
            after.push_back(o);
    if (after == m_card.order())
        return;
    push(new OrderCommand(m_card, m_card.order(), after, ModelTexts::UndoOrder));
}

void DesignEditor::setBackground(const Picture& picture)
{
    const Picture& now = m_card.backImage;
    if (now.isEmpty() == picture.isEmpty() && now.kind() == picture.kind() && now.streamBytes() == picture.streamBytes())
        return;
    CardSettings after = CardSettings::of(m_card);
    after.background = picture;
    push(new CardSettingsCommand(m_card, CardSettings::of(m_card), after, ModelTexts::UndoBackground));
}

void DesignEditor::setMargins(const std::array<int32_t, 4>& margins)
{
    CardSettings after = CardSettings::of(m_card);
    if (after.margins == margins)
        return;
    after.margins = margins;
    push(new CardSettingsCommand(m_card, CardSettings::of(m_card), after, ModelTexts::UndoMargins));
}

void DesignEditor::setCardShape(QSize regionSize, int baseImage)
{
    m_card.setRegionSize(regionSize.width(), regionSize.height());
    m_card.baseImage = baseImage;
    markChanged();
}

bool DesignEditor::showRegion(RegionId region)
{
    if (m_manager.liveRegion() == region)
        return true;
    if (!m_manager.showRegion(region))
        return false;
    // The history names objects of the region that just went flat.
    if (!m_stack.isClean())
        m_changedOutsideHistory = true;
    m_stack.clear();
    m_selection.clear();
    afterStackChange();
    return true;
}

void DesignEditor::contentReplaced()
{
    if (!m_stack.isClean())
        m_changedOutsideHistory = true;
    m_stack.clear();
    m_selection.clear();
    afterStackChange();
}

#include "ui/editing/PropertyForm.h"

#include "model/DesignObject.h"
#include "model/ObjectManager.h"
#include "model/Options.h"
#include "ui/editing/EditingTexts.h"

namespace PropertyForm {

namespace T = EditingTexts;
namespace V = PropertyValues;

namespace {

// A radio group or list shows nothing for a value it has no entry for.
int shownChoice(int value, qsizetype count) { return value >= 0 && value < count ? value : -1; }

std::optional<int> within(int value, int low, int high)
{
    return value >= low && value <= high ? std::optional<int>(value) : std::nullopt;
}

QString fieldInList(const QString& spec, const QStringList& fields)
{
    for (const QString& field : fields)
        if (field.compare(spec, Qt::CaseInsensitive) == 0)
            return field;
    return QString();
}

const int kJustifications = 3;
const int kTextStyles = 4;

} // namespace

PageKind pageKindOf(const DesignObject* object)
{
    if (!object)
        return PageKind::None;
    if (object->kind == ObjectKind::Graphic)
        return PageKind::Picture;
    return object->isText() ? PageKind::Text : PageKind::Shape;
}

Tabs tabsOf(PageKind kind)
{
    switch (kind) {
    case PageKind::Picture: return {{Tab::General, Tab::Graphic}, Tab::Graphic};
    case PageKind::Text: return {{Tab::General, Tab::Text, Tab::TextProperties}, Tab::Text};
    case PageKind::Shape: return {{Tab::General, Tab::Shape}, Tab::Shape};
    case PageKind::None: break;
    }
    return {};
}

bool tabsStay(PageKind shown, PageKind wanted, bool force, bool anyTabShown)
{
    return !force && shown == wanted && anyTabShown;
}

void rememberDefaults(ObjectManager& manager, const DesignObject& object)
{
    if (object.kind != ObjectKind::Graphic && Options::current().saveProperties)
        manager.setDefaultsFrom(object);
}

TextChoiceControls textChoiceControls(TextChoice choice, bool canPickText, bool canBuildField)
{
    TextChoiceControls on;
    const bool single = choice == TextChoice::SingleText;
    on.textBox = single;
    on.pickText = single && canPickText;
    on.pickTextTip = canPickText ? QString() : T::PickTextMissing;
    on.symbol = single;
    on.listButton = choice == TextChoice::VarText;
    on.counter = choice == TextChoice::Counter;
    on.field = on.fieldFile = choice == TextChoice::DBField;
    on.buildField = on.field && canBuildField;
    on.buildFieldTip = canBuildField ? T::BuildFieldHint : T::BuildFieldMissing;
    return on;
}

void TextValues::clearOtherChoices()
{
    if (choice != TextChoice::Counter) {
        counterLength.clear();
        counterStart.clear();
        counterIncrement.clear();
    }
    if (choice != TextChoice::DBField)
        field.clear();
}

void TextValues::composeText()
{
    if (choice == TextChoice::Counter)
        box = VariableText::composeCounterCode(counterLength, counterStart, counterIncrement);
    else if (choice == TextChoice::DBField && !field.isEmpty())
        box = VariableText::composeFieldCode(field);
    if (!entries.isEmpty())
        entries.removeFirst();
    entries.prepend(V::boxToEntry(box));
}

QString TextValues::fieldWizardStart() const
{
    const QString code = V::boxToEntry(box);
    return code.size() >= 4 ? code.mid(2, code.size() - 4) : QString();
}

void FontValues::chooseStyle(int chosen)
{
    style = chosen;
    lists = V::styleListsForNewStyle(chosen);
    for (size_t i = 0; i < params.size(); ++i)
        params[i] = lists.params[i].selected;
}

ShapeControls ShapeValues::controls() const
{
    return ShapeControls{!line, !line && style != 0, line};
}

Values fromObject(const DesignObject& object, const DesignContext& design)
{
    Values v;
    v.kind = pageKindOf(&object);
    v.general = {QString::number(object.left), QString::number(object.top), QString::number(object.width),
                 QString::number(object.height), object.nonPrinting(), object.locked()};

    if (object.isPicture()) {
        const Picture& picture = object.picture;
        v.picture.size = V::pictureSizeText(picture);
        v.picture.type = V::pictureTypeText(picture);
        v.picture.bitmap = picture.kind() == Picture::Kind::Bitmap;
        if (v.picture.bitmap) {
            const int bits = V::bitmapBitsPerPixel(picture);
            v.picture.depth = V::colorDepthText(bits);
            v.picture.storedSize = V::storedSizeText(bits, picture.width(), picture.height());
        }
    } else if (object.isText()) {
        TextValues& text = v.text;
        text.entries = object.lines;
        text.box = V::entryToBox(object.lines.value(0));
        // The way the text varies, from its entries alone.
        const VariableText::TextPage page = VariableText::describeTextPage(object.lines, design.linkedSource);
        text.choice = page.choice;
        text.counterLength = page.counterLength;
        text.counterStart = page.counterStart;
        text.counterIncrement = page.counterIncrement;
        if (page.choice == TextChoice::DBField)
            text.field = fieldInList(page.fieldSpec, design.fieldNames);

        FontValues& font = v.font;
        font.face = object.font.face();
        font.pointSize = QString::number(object.font.pointSize());
        font.bold = object.font.bold();
        font.italic = object.font.italic != 0;
        font.underline = object.font.underline != 0;
        font.strikeOut = object.font.strikeOut != 0;
        font.textColor = object.foreColor;
        font.shadowColor = object.backColor;
        font.shadowX = within(object.shadowX, -kShadowRange, kShadowRange);
        font.shadowY = within(object.shadowY, -kShadowRange, kShadowRange);
        font.rotation = QString::number(object.rotation / 10);
        font.justify = shownChoice(object.style, kJustifications);
        font.style = shownChoice(object.textStyleKind(), kTextStyles);
        font.lists = V::styleLists(object.textStyleKind(), object.textStyleParam1(), object.textStyleParam2(),
                                   object.textStyleParam3());
        for (size_t i = 0; i < font.params.size(); ++i)
            font.params[i] = font.lists.params[i].selected;
    } else {
        ShapeValues& shape = v.shape;
        shape.line = object.kind == ObjectKind::Line;
        if (shape.line)
            shape.lineType = shownChoice(object.lineType, T::lineTypes().size());
        else
            shape.style = shownChoice(object.style, T::shapeStyles().size());
        shape.lineSize = within(object.lineSize, 1, kMaxLineSize);
        shape.color = object.foreColor;
        shape.background = object.backColor;
    }
    return v;
}

void applyTo(const Values& v, DesignObject& object, bool placeLocked)
{
    const GeneralValues& g = v.general;
    if (!placeLocked)
        object.setRect(V::typedRect(object.rect(), V::integerIn(g.left), V::integerIn(g.top), V::integerIn(g.width),
                                    V::integerIn(g.height)));
    object.flags = (g.nonPrinting ? ObjectFlags::NonPrinting : 0) | (g.locked ? ObjectFlags::Locked : 0);

    if (object.isText()) {
        const FontValues& f = v.font;
        object.lines = v.text.entries;
        object.font = V::fontFromPage(object.font, f.face, V::integerIn(f.pointSize), f.bold, f.italic, f.underline,
                                      f.strikeOut);
        if (f.textColor)
            object.foreColor = *f.textColor;
        if (f.shadowColor)
            object.backColor = *f.shadowColor;
        if (f.shadowX)
            object.shadowX = int8_t(*f.shadowX);
        if (f.shadowY)
            object.shadowY = int8_t(*f.shadowY);
        if (const auto degrees = V::integerIn(f.rotation))
            object.rotation = *degrees * 10;
        object.textStyle = V::packTextStyle(f.style, f.lists, f.params, object.textStyle);
        if (f.justify >= 0)
            object.style = f.justify;
    } else if (object.kind != ObjectKind::Graphic) {
        const ShapeValues& s = v.shape;
        if (object.kind == ObjectKind::Line) {
            if (s.lineType >= 0)
                object.lineType = s.lineType;
        } else if (s.style >= 0) {
            object.style = s.style;
        }
        if (s.lineSize)
            object.lineSize = *s.lineSize;
        if (s.color)
            object.foreColor = *s.color;
        if (s.background)
            object.backColor = *s.background;
    }
}

} // namespace PropertyForm

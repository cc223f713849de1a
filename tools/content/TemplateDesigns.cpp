#include "content/TemplateDesigns.h"

#include <QImage>
#include <QPainter>

#include "content/Artwork.h"
#include "examples/ExampleDesigns.h"
#include "imaging/JpegCodec.h"
#include "model/Card.h"
#include "model/DesignObject.h"
#include "model/ObjectManager.h"
#include "render/ArcText.h"
#include "render/BarCode.h"

using Artwork::Motif;

namespace {

struct Palette {
    const char* name;
    QColor primary, secondary, accent, ink, light;
};

const Palette kPalettes[] = {
    {"Harbor", QColor(31, 58, 95), QColor(60, 125, 191), QColor(242, 165, 65), QColor(30, 42, 56), QColor(234, 242, 250)},
    {"Garden", QColor(46, 107, 63), QColor(127, 176, 105), QColor(228, 193, 111), QColor(35, 53, 42), QColor(239, 246, 234)},
    {"Berry", QColor(122, 31, 75), QColor(200, 80, 126), QColor(244, 194, 215), QColor(58, 20, 38), QColor(251, 239, 244)},
    {"Slate", QColor(55, 71, 79), QColor(144, 164, 174), QColor(255, 112, 67), QColor(38, 50, 56), QColor(236, 239, 241)},
    {"Sunrise", QColor(192, 57, 43), QColor(230, 126, 34), QColor(249, 213, 110), QColor(59, 31, 18), QColor(253, 243, 227)},
};

int32_t ref(const QColor& c) { return c.red() | (c.green() << 8) | (c.blue() << 16); }

enum Align { Left = 0, Centre = 1, Right = 2 };

DesignObject& text(DesignBuilder& b, const QRect& frame, const QString& content, const char* face, int size,
                 const QColor& colour, Align align = Left, bool bold = false, bool italic = false)
{
    DesignObject& d = b.text(frame, content, TextStyleKind::NoWrap);
    d.font.setFace(QLatin1String(face));
    d.font.height = -size;
    d.font.weight = bold ? 700 : 400;
    d.font.italic = italic ? 1 : 0;
    d.foreColor = ref(colour);
    d.style = align;
    return d;
}

// Wrapped text, for paragraphs.
DesignObject& paragraph(DesignBuilder& b, const QRect& frame, const QString& content, const char* face, int size,
                      const QColor& colour, Align align)
{
    DesignObject& d = text(b, frame, content, face, size, colour, align);
    d.textStyle = TextStyleKind::Wrap;
    return d;
}

void fill(DesignBuilder& b, char kind, const QRect& frame, const QColor& colour)
{
    DesignObject& d = b.shape(kind, frame, 1, 1);
    d.foreColor = ref(colour);
    d.backColor = ref(colour);
}

void outline(DesignBuilder& b, char kind, const QRect& frame, const QColor& colour, int width)
{
    DesignObject& d = b.shape(kind, frame, 0, width);
    d.foreColor = ref(colour);
}

void rule(DesignBuilder& b, const QRect& frame, const QColor& colour, int width)
{
    DesignObject& d = b.line(frame, frame.height() == 0 ? 0 : 1, width);
    d.foreColor = ref(colour);
}

// A motif as a picture object: twice its size for a crisp print, kept as a
// fine JPEG so the template stays small and its ground matches the card.
void motif(DesignBuilder& b, Motif m, const QRect& frame, const QColor& main, const QColor& second, const QColor& ground)
{
    QImage image(frame.width() * 2, frame.height() * 2, QImage::Format_RGB32);
    image.fill(ground);
    QPainter p(&image);
    Artwork::drawMotif(p, m, QRectF(0, 0, image.width(), image.height()), main, second);
    p.end();
    Picture picture;
    picture.loadJpeg(encodeJpeg(image, 92, false));
    DesignObject* control = b.manager().createGraphic(&picture, frame.left(), frame.top());
    control->setBounds(frame.left(), frame.top(), frame.width(), frame.height());
}

void background(ObjectManager& manager, const QString& name, int width, int height)
{
    for (const Artwork::Background& art : Artwork::backgrounds())
        if (art.name == name) {
            // A photograph-like picture: kept as a JPEG, at one and a half times the region's size.
            const QImage image = Artwork::backgroundImage(art, QSize(width * 3 / 2, height * 3 / 2));
            manager.card().backImage.loadJpeg(encodeJpeg(image, 85, false));
            return;
        }
}

const char* const kSans = "Liberation Sans";
const char* const kSerif = "P052";
const char* const kGothic = "URW Gothic";
const char* const kScript = "Z003";

// ---- address labels ---------------------------------------------------------

void addressLabel(DesignBuilder& b, ObjectManager&, int style, const Palette& c, int w, int h, bool postal)
{
    const int size = std::max(9, h / 8);
    switch (style) {
    case 0: {  // a coloured band with a house
        const int band = w * 22 / 100;
        fill(b, ObjectKind::Box, {0, 0, band, h}, c.primary);
        motif(b, Motif::House, {band / 2 - h / 5, h / 2 - h / 5, h * 2 / 5, h * 2 / 5}, Qt::white, c.accent, c.primary);
        text(b, {band + 12, h / 6, w - band - 18, h * 2 / 3}, "ADDRESS", kSans, size, c.ink);
        break;
    }
    case 1: {  // a rule along the top and an envelope
        fill(b, ObjectKind::Box, {0, 0, w, h / 12}, c.secondary);
        motif(b, Motif::Envelope, {w - h / 3 - 8, h / 6, h / 3, h / 3}, c.secondary, Qt::white, Qt::white);
        text(b, {14, h / 5, w - h / 3 - 30, h * 2 / 3}, "ADDRESS", kSerif, size, c.ink);
        break;
    }
    case 2: {  // a rounded frame
        outline(b, ObjectKind::RoundBox, {5, 5, w - 10, h - 10}, c.secondary, 2);
        fill(b, ObjectKind::Ellipse, {w - h / 3 - 12, 12, h / 4, h / 4}, c.accent);
        text(b, {16, h / 6, w - 40, h * 2 / 3}, "ADDRESS", kGothic, size, c.ink);
        break;
    }
    case 3: {  // a soft colour field with a leaf in the corner
        fill(b, ObjectKind::RoundBox, {4, 4, w - 8, h - 8}, c.light);
        motif(b, Motif::Leaf, {w - h / 3 - 10, h - h / 3 - 10, h / 3, h / 3}, c.secondary, c.primary, c.light);
        text(b, {14, h / 6, w - h / 3 - 30, h * 2 / 3}, "ADDRESS", kSans, size, c.primary);
        break;
    }
    default: {  // plain, with the postal bar code under the address
        fill(b, ObjectKind::Box, {10, h / 8, 4, h * 3 / 4}, c.accent);
        text(b, {22, h / 10, w - 30, h * 11 / 20}, "ADDRESS", kSans, size, c.ink);
        if (postal) {
            DesignObject& code = b.barCode({22, h * 7 / 10, std::min(w - 40, 170), h / 6}, "11111", BarCodeType::PostNet, false);
            code.foreColor = ref(c.ink);
        } else {
            rule(b, {22, h * 3 / 4, w - 44, 0}, c.secondary, 1);
        }
        break;
    }
    }
}

void returnLabel(DesignBuilder& b, int style, const Palette& c, int w, int h)
{
    const int size = std::max(6, h / 7);
    const int icon = h * 3 / 5;
    switch (style) {
    case 0:
        motif(b, Motif::House, {4, (h - icon) / 2, icon, icon}, c.primary, c.accent, Qt::white);
        text(b, {icon + 8, 4, w - icon - 10, h - 8}, "RETURN ADDRESS", kSans, size, c.ink);
        break;
    case 1:
        fill(b, ObjectKind::Box, {0, 0, w / 18 + 2, h}, c.secondary);
        text(b, {w / 18 + 8, 4, w - w / 18 - 10, h - 8}, "RETURN ADDRESS", kSerif, size, c.primary);
        break;
    default:
        motif(b, Motif::Heart, {w - icon - 4, (h - icon) / 2, icon, icon}, c.secondary, c.light, Qt::white);
        text(b, {6, 4, w - icon - 12, h - 8}, "RETURN ADDRESS", kGothic, size, c.ink);
        break;
    }
}

void shippingLabel(DesignBuilder& b, int style, const Palette& c, int w, int h)
{
    const int small = std::max(8, h / 18), big = std::max(12, h / 11);
    if (style == 0) {
        fill(b, ObjectKind::Box, {0, 0, w, h / 9}, c.primary);
        text(b, {10, 2, w - 20, h / 9 - 4}, "SHIPPING LABEL", kGothic, h / 16, Qt::white, Left, true);
        text(b, {10, h / 7, 60, small + 4}, "FROM:", kSans, small, c.secondary, Left, true);
        text(b, {10, h / 7 + small + 6, w / 2, h / 4}, "RETURN ADDRESS", kSans, small, c.ink);
        rule(b, {10, h / 2 - 6, w - 20, 0}, c.secondary, 1);
        text(b, {w / 5, h / 2, 80, big}, "SHIP TO:", kSans, small, c.secondary, Left, true);
        text(b, {w / 5, h / 2 + big + 2, w * 3 / 4, h * 2 / 5}, "ADDRESS", kSans, big, c.ink);
    } else {
        outline(b, ObjectKind::RoundBox, {4, 4, w - 8, h - 8}, c.primary, 2);
        motif(b, Motif::Gift, {w - h / 4 - 14, 12, h / 4, h / 4}, c.primary, c.accent, Qt::white);
        text(b, {14, 12, w / 2, h / 3}, "RETURN ADDRESS", kSerif, small, c.ink);
        fill(b, ObjectKind::Box, {w / 5 - 12, h / 2 - 2, 4, h * 2 / 5}, c.accent);
        text(b, {w / 5, h / 2, w * 3 / 4, h * 2 / 5}, "ADDRESS", kSerif, big, c.ink);
    }
}

// ---- media ----------------------------------------------------------------

void discLabel(DesignBuilder& b, ObjectManager& manager, int style, const Palette& c, int w, int h)
{
    if (style == 0) {
        fill(b, ObjectKind::Ellipse, {0, 0, w, h}, c.light);
        outline(b, ObjectKind::Ellipse, {w / 12, h / 12, w * 5 / 6, h * 5 / 6}, c.secondary, 2);
        DesignObject& title = b.arcText({w / 14, h / 14, w - w / 7, h / 2 - h / 14}, "MEDIATITLE", ArcSubStyle::HalfCircle, -12);
        title.font.setFace(QLatin1String(kGothic));
        title.font.height = -h / 12;
        title.font.weight = 700;
        title.foreColor = ref(c.primary);
        text(b, {w / 4, h * 68 / 100, w / 2, h / 18}, "MEDIAAUTHOR", kSans, h / 24, c.ink, Centre, true);
        paragraph(b, {w / 4, h * 76 / 100, w / 2, h / 10}, "MEDIADESCRIPTION", kSans, h / 34, c.ink, Centre);
    } else {
        background(manager, "Starry Night", w, h);
        DesignObject& title = b.arcText({w / 14, h / 14, w - w / 7, h / 2 - h / 14}, "MEDIATITLE", ArcSubStyle::HalfCircle, -12);
        title.font.setFace(QLatin1String(kSerif));
        title.font.height = -h / 11;
        title.foreColor = ref(QColor(250, 230, 150));
        text(b, {w / 5, h * 68 / 100, w * 3 / 5, h / 16}, "MEDIAAUTHOR", kSerif, h / 22, Qt::white, Centre, false, true);
        paragraph(b, {w / 4, h * 76 / 100, w / 2, h / 9}, "MEDIADESCRIPTION", kSans, h / 34, QColor(220, 225, 240), Centre);
    }
}

void boxInsert(DesignBuilder& b, int region, const Palette& c, int w, int h)
{
    if (region == 0) {
        fill(b, ObjectKind::Box, {0, 0, w, h * 3 / 5}, c.primary);
        motif(b, Motif::Note, {w / 2 - h / 6, h / 9, h / 3, h / 3}, c.accent, c.light, c.primary);
        text(b, {16, h * 2 / 3, w - 32, h / 10}, "MEDIATITLE", kGothic, h / 13, c.primary, Centre, true);
        text(b, {16, h * 2 / 3 + h / 9, w - 32, h / 14}, "MEDIAAUTHOR", kSans, h / 22, c.ink, Centre);
    } else {
        fill(b, ObjectKind::Box, {0, 0, w, h / 8}, c.primary);
        text(b, {16, h / 40, w - 32, h / 12}, "MEDIATITLE", kGothic, h / 20, Qt::white, Left, true);
        paragraph(b, {24, h / 6, w - 48, h * 3 / 4}, "MEDIACONTENTS", kSans, h / 22, c.ink, Left);
    }
}

void cassette(DesignBuilder& b, const Palette& c, int w, int h)
{
    fill(b, ObjectKind::Box, {0, 0, w / 4, h}, c.primary);
    motif(b, Motif::Note, {w / 8 - h / 5, h / 2 - h / 5, h * 2 / 5, h * 2 / 5}, c.accent, c.light, c.primary);
    text(b, {w / 4 + 10, 6, w * 3 / 4 - 16, h / 5}, "MEDIATITLE", kGothic, h / 7, c.primary, Left, true);
    text(b, {w / 4 + 10, h / 5 + 8, w * 3 / 4 - 16, h / 7}, "MEDIAAUTHOR", kSans, h / 10, c.ink);
    paragraph(b, {w / 4 + 10, h / 2, w * 3 / 4 - 16, h / 2 - 6}, "MEDIACONTENTS", kSans, h / 14, c.ink, Left);
}

// ---- business cards -------------------------------------------------------

void contactBlock(DesignBuilder& b, const QRect& r, const Palette& c, const char* face, Align align)
{
    const int line = r.height() / 5;
    // Contact lines stay small beside the name, however much room there is.
    const int size = std::clamp(line * 7 / 10, 7, 11);
    text(b, {r.x(), r.y(), r.width(), line * 2}, "ADDRESS", face, size, c.ink, align);
    text(b, {r.x(), r.y() + line * 2, r.width(), line}, "PHONE", face, size, c.ink, align);
    text(b, {r.x(), r.y() + line * 3, r.width(), line}, "EMAIL", face, size, c.ink, align);
    text(b, {r.x(), r.y() + line * 4, r.width(), line}, "WEBSITE", face, size, c.secondary, align, true);
}

void businessFront(DesignBuilder& b, int style, const Palette& c, int w, int h)
{
    const int name = h / 9, small = h / 17;
    switch (style) {
    case 0:  // classic: name, title, a rule, the contact lines
        text(b, {18, 18, w - 36, name + 6}, "NAME", kSerif, name, c.primary, Left, true);
        text(b, {18, 22 + name, w - 36, small + 4}, "TITLE", kSerif, small, c.ink, Left, false, true);
        rule(b, {18, h * 2 / 5, w - 36, 0}, c.accent, 2);
        text(b, {18, h * 2 / 5 + 6, w - 36, small + 6}, "COMPANY", kSerif, small + 2, c.primary, Left, true);
        contactBlock(b, {18, h / 2 + 8, w - 36, h / 2 - 18}, c, kSerif, Left);
        break;
    case 1: {  // a band down the left
        const int band = w / 7;
        fill(b, ObjectKind::Box, {0, 0, band, h}, c.primary);
        motif(b, Motif::Leaf, {band / 2 - band / 3, h - band - 6, band * 2 / 3, band * 2 / 3}, c.accent, c.light, c.primary);
        text(b, {band + 16, 16, w - band - 26, name + 6}, "NAME", kSans, name, c.ink, Left, true);
        text(b, {band + 16, 20 + name, w - band - 26, small + 4}, "TITLE", kSans, small, c.secondary);
        text(b, {band + 16, 26 + name + small, w - band - 26, small + 6}, "COMPANY", kSans, small + 1, c.primary, Left, true);
        contactBlock(b, {band + 16, h / 2 + 4, w - band - 26, h / 2 - 14}, c, kSans, Left);
        break;
    }
    case 2:  // centred
        motif(b, Motif::Star, {w / 2 - h / 12, 10, h / 6, h / 6}, c.accent, c.primary, Qt::white);
        text(b, {10, 12 + h / 6, w - 20, name + 6}, "NAME", kGothic, name, c.primary, Centre, true);
        text(b, {10, 16 + h / 6 + name, w - 20, small + 4}, "TITLE", kGothic, small, c.ink, Centre);
        text(b, {10, 20 + h / 6 + name + small, w - 20, small + 6}, "COMPANY", kGothic, small + 1, c.secondary, Centre, true);
        contactBlock(b, {20, h * 3 / 5, w - 40, h * 2 / 5 - 10}, c, kGothic, Centre);
        break;
    case 3:  // a bar across the top
        fill(b, ObjectKind::Box, {0, 0, w, h / 4}, c.primary);
        text(b, {16, h / 16, w - 32, h / 8}, "COMPANY", kGothic, h / 11, Qt::white, Left, true);
        fill(b, ObjectKind::Box, {0, h / 4, w, 4}, c.accent);
        text(b, {16, h / 4 + 14, w / 2, name + 4}, "NAME", kSans, name * 9 / 10, c.ink, Left, true);
        text(b, {16, h / 4 + 18 + name, w / 2, small + 4}, "TITLE", kSans, small, c.secondary);
        contactBlock(b, {w / 2, h / 4 + 14, w / 2 - 14, h * 3 / 4 - 24}, c, kSans, Right);
        break;
    default:  // a circle in the corner
        fill(b, ObjectKind::Ellipse, {w - h / 2, -h / 4, h * 3 / 4, h * 3 / 4}, c.light);
        motif(b, Motif::Flower, {w - h / 4 - 14, 14, h / 5, h / 5}, c.secondary, c.accent, c.light);
        text(b, {18, 20, w * 2 / 3, name + 6}, "NAME", kSerif, name, c.ink, Left, true);
        text(b, {18, 24 + name, w * 2 / 3, small + 4}, "TITLE", kSerif, small, c.primary, Left, false, true);
        text(b, {18, 30 + name + small, w * 2 / 3, small + 6}, "COMPANY", kSerif, small + 1, c.secondary, Left, true);
        contactBlock(b, {18, h / 2 + 6, w - 36, h / 2 - 16}, c, kSerif, Left);
        break;
    }
}

void businessBack(DesignBuilder& b, int style, const Palette& c, int w, int h)
{
    const Motif marks[] = {Motif::Star, Motif::Leaf, Motif::Star, Motif::House, Motif::Flower};
    fill(b, ObjectKind::Box, {0, 0, w, h}, c.primary);
    motif(b, marks[style % 5], {w / 2 - h / 6, h / 5, h / 3, h / 3}, c.accent, c.light, c.primary);
    text(b, {10, h * 3 / 5, w - 20, h / 7}, "COMPANY", kGothic, h / 11, Qt::white, Centre, true);
    text(b, {10, h * 3 / 5 + h / 7, w - 20, h / 10}, "WEBSITE", kSans, h / 18, c.light, Centre);
}

// ---- occasion cards -------------------------------------------------------

struct Occasion {
    const char* name;
    Motif motif;
    const char* pattern;  // background of the inside cover
    int palette;
};

const Occasion kOccasions[] = {
    {"Birthday Balloons", Motif::Balloons, "Confetti", 4},
    {"Thank You Flowers", Motif::Flower, "Spring Flowers", 2},
    {"Season's Greetings", Motif::Snowflake, "Snowfall", 0},
    {"Celebration Star", Motif::Star, "Gold Confetti", 3},
};

void occasionCard(DesignBuilder& b, ObjectManager& manager, const Occasion& o, int region, int w, int h)
{
    const Palette& c = kPalettes[o.palette];
    const int big = w / 9;
    switch (region) {
    case 0:  // cover
        fill(b, ObjectKind::Box, {0, 0, w, h}, c.light);
        outline(b, ObjectKind::Box, {w / 20, w / 20, w - w / 10, h - w / 10}, c.secondary, 2);
        motif(b, o.motif, {w / 4, h / 8, w / 2, w / 2}, c.primary, c.accent, c.light);
        paragraph(b, {w / 10, h / 8 + w / 2 + h / 20, w * 8 / 10, big * 3}, "COVERTEXT", kScript, big, c.primary, Centre);
        text(b, {w / 10, h - h / 6, w * 8 / 10, big}, "NAME", kScript, big * 4 / 5, c.ink, Centre);
        break;
    case 1:  // inside cover
        background(manager, o.pattern, w, h);
        fill(b, ObjectKind::RoundBox, {w / 5, h * 2 / 5, w * 3 / 5, h / 5}, Qt::white);
        text(b, {w / 5, h * 2 / 5 + h / 20, w * 3 / 5, h / 10}, "NAME", kScript, big * 4 / 5, c.primary, Centre);
        break;
    default:  // inside
        motif(b, o.motif, {w / 2 - w / 12, h / 12, w / 6, w / 6}, c.secondary, c.accent, Qt::white);
        text(b, {w / 10, h / 4, w * 8 / 10, big}, "NAME", kScript, big, c.primary, Centre);
        paragraph(b, {w / 8, h / 4 + big + h / 30, w * 3 / 4, h / 3}, "INSIDETEXT", kSerif, w / 18, c.ink, Centre);
        rule(b, {w / 3, h * 3 / 4, w / 3, 0}, c.accent, 2);
        text(b, {w / 10, h * 3 / 4 + h / 40, w * 8 / 10, big}, "FROMNAME", kScript, big * 4 / 5, c.primary, Centre);
        break;
    }
}

// ---- the list ---------------------------------------------------------------

const char* const kAddressStyles[] = {"Band", "Top Rule", "Rounded Frame", "Leaf Corner", "Classic"};
const char* const kReturnStyles[] = {"House", "Side Bar", "Heart"};
const char* const kBusinessStyles[] = {"Classic", "Side Band", "Centred", "Top Bar", "Corner Bloom"};

struct Stocks {
    const char* family;
    const char* address;
    const char* returnAddress;
    const char* shipping;
    const char* disc;
    const char* business;
    const char* folded;
    bool postal;
};

const Stocks kStocks[] = {
    {"Standard", "Address 1 x 2 5/8 in", "Return address 1/2 x 1 3/4 in", "Shipping 2 x 4 in", "Full face CD/DVD 4.65 in",
     "Business card 2 x 3 1/2 in", "Half-fold card, side fold", true},
    {"A4", "Address 63.5 x 38.1 mm", "Return address 38.1 x 21.2 mm", "Shipping 99.1 x 67.7 mm", "Full face CD/DVD 117 mm",
     "Business card 85 x 54 mm", "A5 card, side fold", false},
};

} // namespace

std::vector<TemplateDesign> templateDesigns()
{
    std::vector<TemplateDesign> all;
    const auto add = [&all](const QString& family, const QString& category, const QString& name, const QString& stock,
                            uint8_t type, auto build) {
        all.push_back({family, category, name, stock, type, build});
    };
    for (const Stocks& s : kStocks) {
        const QString family = QLatin1String(s.family);
        for (int i = 0; i < 5; ++i) {
            const Palette& c = kPalettes[i];
            const bool postal = s.postal;
            add(family, "Address Labels", QString("%1 %2").arg(kAddressStyles[i], c.name), s.address, 1,
                [i, &c, postal](DesignBuilder& b, ObjectManager& m, int region, int w, int h) {
                    if (region == 0)
                        addressLabel(b, m, i, c, w, h, postal);
                });
        }
        for (int i = 0; i < 2; ++i) {
            const Palette& c = kPalettes[i * 2];
            add(family, "Address Labels", QString("Shipping %1").arg(c.name), s.shipping, 3,
                [i, &c](DesignBuilder& b, ObjectManager&, int region, int w, int h) {
                    if (region == 0)
                        shippingLabel(b, i, c, w, h);
                });
        }
        for (int i = 0; i < 3; ++i) {
            const Palette& c = kPalettes[(i + 1) % 5];
            add(family, "Return Address Labels", QString("%1 %2").arg(kReturnStyles[i], c.name), s.returnAddress, 2,
                [i, &c](DesignBuilder& b, ObjectManager&, int region, int w, int h) {
                    if (region == 0)
                        returnLabel(b, i, c, w, h);
                });
        }
        for (int i = 0; i < 2; ++i) {
            const Palette& c = kPalettes[i == 0 ? 0 : 3];
            add(family, "Media Labels", i == 0 ? QString("Disc Rings") : QString("Disc Night Sky"), s.disc, 6,
                [i, &c](DesignBuilder& b, ObjectManager& m, int region, int w, int h) {
                    if (region == 0)
                        discLabel(b, m, i, c, w, h);
                });
        }
        for (int i = 0; i < 5; ++i) {
            const Palette& c = kPalettes[i];
            add(family, "Business Cards", QString("%1 %2").arg(kBusinessStyles[i], c.name), s.business, 4,
                [i, &c](DesignBuilder& b, ObjectManager&, int region, int w, int h) {
                    region == 0 ? businessFront(b, i, c, w, h) : businessBack(b, i, c, w, h);
                });
        }
        for (const Occasion& o : kOccasions)
            add(family, "Occasion Cards", QLatin1String(o.name), s.folded, 5,
                [&o](DesignBuilder& b, ObjectManager& m, int region, int w, int h) { occasionCard(b, m, o, region, w, h); });
    }
    add("Standard", "Media Labels", "Jewel Case Notes", "Jewel case insert 4 3/4 x 4 3/4 in", 6,
        [](DesignBuilder& b, ObjectManager&, int region, int w, int h) { boxInsert(b, region, kPalettes[1], w, h); });
    add("A4", "Media Labels", "Cassette Tape", "Audio cassette 89 x 42 mm", 6,
        [](DesignBuilder& b, ObjectManager&, int region, int w, int h) {
            if (region == 0)
                cassette(b, kPalettes[4], w, h);
        });
    return all;
}

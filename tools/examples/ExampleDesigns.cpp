#include "examples/ExampleDesigns.h"

#include <QImage>
#include <QPainter>

#include "files/DesignFile.h"
#include "model/Card.h"
#include "model/DesignObject.h"
#include "model/ObjectManager.h"
#include "imaging/JpegCodec.h"
#include "render/ArcText.h"
#include "render/BarCode.h"

namespace {

DesignObject& place(DesignObject* control, const QRect& frame)
{
    control->setBounds(frame.left(), frame.top(), frame.width(), frame.height());
    return *control;
}

QImage samplePicture()
{
    QImage image(96, 64, QImage::Format_RGB32);
    image.fill(QColor(250, 240, 200));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(220, 60, 40));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRect(8, 8, 40, 40));
    p.setBrush(QColor(40, 90, 200));
    p.drawRect(QRect(52, 20, 36, 36));
    p.end();
    return image;
}

QImage sampleBackground()
{
    QImage image(64, 40, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(235 - y, 245 - x / 4, 255));
    return image;
}

void buildShapesAndText(DesignBuilder& b, ObjectManager&)
{
    b.shape(ObjectKind::Box, {10, 10, 90, 50}, 0, 2);
    b.shape(ObjectKind::Box, {110, 10, 90, 50}, 1).backColor = 0x80FFFF;
    b.shape(ObjectKind::Box, {210, 10, 100, 50}, 2).foreColor = 0x808080;
    b.shape(ObjectKind::RoundBox, {10, 70, 90, 50}, 0, 2);
    b.shape(ObjectKind::RoundBox, {110, 70, 90, 50}, 1).backColor = 0xFFE0C0;
    b.shape(ObjectKind::RoundBox, {210, 70, 100, 50}, 2).foreColor = 0x808080;
    b.shape(ObjectKind::Ellipse, {10, 130, 90, 50}, 0, 3);
    b.shape(ObjectKind::Ellipse, {110, 130, 90, 50}, 1).backColor = 0xC0FFC0;
    b.shape(ObjectKind::Ellipse, {210, 130, 100, 50}, 2).foreColor = 0x808080;
    b.line({330, 10, 60, 0}, 0, 2);
    b.line({330, 20, 0, 60}, 1, 1);
    b.line({340, 20, 50, 60}, 2, 3);
    b.line({340, 90, 50, 60}, 3, 1).foreColor = 0x0000FF;

    DesignObject& wrap = b.text({10, 195, 150, 60}, "Wrapped text breaks between words to fit its frame.", 0);
    wrap.style = 1;
    DesignObject& shadow = b.text({170, 195, 150, 30}, "Shadowed text");
    shadow.shadowX = 3;
    shadow.shadowY = 2;
    shadow.backColor = 0xA0A0A0;
    shadow.font.height = -20;
    shadow.font.weight = 700;
    DesignObject& right = b.text({170, 225, 150, 25}, "Right & justified");
    right.style = 2;
    right.foreColor = 0x800000;
    DesignObject& up = b.text({400, 10, 40, 140}, "Rotated 90\r\nsecond line");
    up.rotation = 900;
    DesignObject& slanted = b.text({330, 170, 110, 80}, "Rotated 45");
    slanted.rotation = 450;
    DesignObject& down = b.text({450, 10, 40, 140}, "Rotated 270");
    down.rotation = 2700;
    DesignObject& flipped = b.text({450, 170, 40, 80}, "180");
    flipped.rotation = 1800;
}

void buildBarCodes(DesignBuilder& b, ObjectManager&)
{
    b.barCode({10, 10, 300, 40}, "12345-6789", BarCodeType::PostNet);
    b.barCode({10, 60, 300, 90}, "03600029145", BarCodeType::UpcA);
    b.barCode({10, 160, 300, 90}, "9638507", BarCodeType::Ean8);
    b.barCode({10, 260, 300, 90}, "400638133393", BarCodeType::Ean13);
    b.barCode({320, 60, 300, 90}, "CODE-39 $1", BarCodeType::Code39, true, 1);
    b.barCode({320, 160, 300, 90}, "0123456789", BarCodeType::UpcA, true);  // ten digits: placeholder
    DesignObject& shadowed = b.barCode({320, 260, 300, 90}, "9638507", BarCodeType::Ean8, true, 2);
    shadowed.shadowX = 3;
    shadowed.shadowY = 3;
    shadowed.backColor = 0x9090FF;
    shadowed.style = 1;
    // The kinds libzint encodes, below the built-in ones.
    b.barCode({10, 370, 110, 110}, "https://example.com", BarCodeType::QrCode, false, 4);
    b.barCode({130, 370, 110, 110}, "Data Matrix 42", BarCodeType::DataMatrix, false, 4);
    b.barCode({250, 370, 380, 110}, "PDF417 label", BarCodeType::Pdf417, false, 2);
    b.barCode({10, 490, 620, 70}, "Code-128 abc", BarCodeType::Code128, true, 2);
    b.barCode({10, 570, 620, 70}, "[01]09501101530003[17]250101", BarCodeType::Gs1_128, true, 2);
    b.barCode({10, 650, 620, 40}, "01234567094987654321", BarCodeType::UspsIntelligentMail, false, 2);
}

void buildArcText(DesignBuilder& b, ObjectManager&)
{
    b.arcText({10, 10, 200, 200}, "FULL CIRCLE FROM -180 * ", ArcSubStyle::FullCircle, -12);
    b.arcText({220, 10, 200, 100}, "Half circle from -180", ArcSubStyle::HalfCircle, -12);
    b.arcText({220, 110, 200, 100}, "Half circle from 180", ArcSubStyle::HalfCircle, 12);
    b.arcText({430, 10, 200, 100}, "Half from 0 degrees", ArcSubStyle::HalfCircle, 0);
    b.arcText({10, 220, 200, 200}, "QUARTER -90", ArcSubStyle::QuarterCircle, -6);
    b.arcText({220, 220, 200, 200}, "QUARTER 90", ArcSubStyle::QuarterCircle, 6);
    DesignObject& shadow = b.arcText({430, 120, 200, 200}, "Shadowed arc text", ArcSubStyle::HalfCircle, -12);
    shadow.shadowX = 2;
    shadow.shadowY = 2;
    shadow.backColor = 0xB0B0B0;
    shadow.foreColor = 0x000080;
}

void buildPicture(DesignBuilder& b, ObjectManager& manager)
{
    manager.card().backImage.setBitmap(sampleBackground());
    b.picture({20, 20, 150, 100}, samplePicture());
    // The same picture kept as a JPEG, as photographs usually are.
    Picture photo;
    photo.loadJpeg(encodeJpeg(samplePicture(), 85, false));
    DesignObject* jpeg = manager.createGraphic(&photo, 20, 130);
    jpeg->setBounds(20, 130, 90, 60);
    DesignObject& counter = b.text({190, 20, 150, 30}, "No. {-_0001_5_-}");
    counter.lines = QStringList{"{-_0001_5_-}"};
    b.text({190, 60, 150, 30}, "{-City-}");
    b.text({190, 100, 150, 30}, "{-USER3=Main Street-}");
}

void buildDisc(DesignBuilder& b, ObjectManager&)
{
    DesignObject& title = b.arcText({30, 30, 400, 400}, "DISC LABEL ON FULL SIZE CD", ArcSubStyle::HalfCircle, 12);
    title.font.height = -28;
    title.font.weight = 700;
    DesignObject& t = b.text({130, 300, 200, 40}, "Track list");
    t.style = 1;
}

void buildCardDisc(DesignBuilder& b, ObjectManager&)
{
    DesignObject& title = b.arcText({20, 10, 275, 220}, "BUSINESS CARD CD", ArcSubStyle::HalfCircle, -12);
    title.font.weight = 700;
    DesignObject& name = b.text({40, 170, 235, 30}, "Wide card-shaped disc");
    name.style = 1;
}

} // namespace

DesignObject& DesignBuilder::text(const QRect& frame, const QString& text, int textStyle)
{
    DesignObject& d = place(m_manager.createText(frame.left(), frame.top()), frame);
    d.lines = QStringList{text};
    d.textStyle = textStyle;
    return d;
}

DesignObject& DesignBuilder::barCode(const QRect& frame, const QString& text, int type, bool showText, int barWidth)
{
    DesignObject& d = this->text(frame, text);
    d.textStyle = TextStyleWord::pack(TextStyleKind::BarCode, type, showText ? 1 : 0, barWidth);
    d.font.height = -12;
    return d;
}

DesignObject& DesignBuilder::arcText(const QRect& frame, const QString& text, int subStyle, int startStep)
{
    DesignObject& d = this->text(frame, text);
    d.textStyle = TextStyleWord::pack(TextStyleKind::ArcText, subStyle, startStep);
    return d;
}

DesignObject& DesignBuilder::shape(char kind, const QRect& frame, int style, int lineSize)
{
    DesignObject* c = kind == ObjectKind::Box        ? m_manager.createBox(frame.left(), frame.top())
                       : kind == ObjectKind::RoundBox ? m_manager.createRoundBox(frame.left(), frame.top())
                       : kind == ObjectKind::Ellipse  ? m_manager.createEllipse(frame.left(), frame.top())
                                                      : m_manager.createLine(frame.left(), frame.top());
    DesignObject& d = place(c, frame);
    d.style = style;
    d.lineSize = lineSize;
    return d;
}

DesignObject& DesignBuilder::line(const QRect& frame, int lineType, int lineSize)
{
    DesignObject& d = shape(ObjectKind::Line, frame, 0, lineSize);
    d.lineType = lineType;
    return d;
}

DesignObject& DesignBuilder::picture(const QRect& frame, const QImage& image)
{
    Picture pic;
    pic.setBitmap(image);
    DesignObject* c = m_manager.createGraphic(&pic, frame.left(), frame.top());
    c->setBounds(frame.left(), frame.top(), frame.width(), frame.height());
    return *c;
}

LayoutRecord exampleLayout(const QString& name, int width, int height, int stockType)
{
    LayoutRecord layout;
    layout.setName(name);
    layout.rows = 1;
    layout.columns = 1;
    layout.elementWidth = width;
    layout.elementHeight = height;
    layout.unit = 0;
    layout.foldType = 0;
    layout.stockType = uint8_t(stockType);
    return layout;
}

std::vector<ExampleDesign> exampleDesigns()
{
    return {
        {"shapes-and-text.lpd", exampleLayout("Example 5 x 2.6 in", 500, 260), buildShapesAndText},
        {"bar-codes.lpd", exampleLayout("Example 6.4 x 7 in", 640, 700), buildBarCodes},
        {"arc-text.lpd", exampleLayout("Example 6.4 x 4.3 in", 640, 430), buildArcText},
        {"picture-and-codes.lpd", exampleLayout("Example 3.5 x 2 in", 350, 200), buildPicture},
        {"disc-label.lpd", exampleLayout("Full Size CD", 460, 460, 3), buildDisc},
        {"card-disc.lpd", exampleLayout("CD-R Business Card - Wide", 315, 240, 2), buildCardDisc},
    };
}

ExampleDesign exampleNamed(const QString& fileName)
{
    for (const ExampleDesign& design : exampleDesigns())
        if (design.fileName == fileName)
            return design;
    return {};
}

ExampleDesign withoutPictures(ExampleDesign design)
{
    const auto build = design.build;
    design.build = [build](DesignBuilder& b, ObjectManager& manager) {
        build(b, manager);
        manager.card().backImage.clear();
        std::vector<DesignObject*> pictures;
        for (const auto& control : manager.card().objects())
            if (control->isPicture())
                pictures.push_back(control.get());
        for (DesignObject* control : pictures)
            manager.card().remove(control);
    };
    return design;
}

void buildExample(ObjectManager& manager, const ExampleDesign& design)
{
    int32_t w = 0, h = 0;
    design.layout.regionSize(&w, &h);
    manager.card().setRegionSize(w, h);
    manager.setLiveRegion({0, 0});
    DesignBuilder builder(manager);
    design.build(builder, manager);
}

bool writeExample(const ExampleDesign& design, const QString& path)
{
    Card surface;
    ObjectManager manager(surface);
    buildExample(manager, design);
    return writeDesignFile(manager, path, design.layout, QString(), 100);
}

ExampleDesign busyLabel()
{
    auto build = [](DesignBuilder& b, ObjectManager&) {
        for (int i = 0; i < 6; ++i) {
            const int y = 10 + i * 60;
            b.text({10, y, 120, 40}, QStringLiteral("Line %1 of a wrapped text block").arg(i), 0);
            b.shape(ObjectKind::Box, {140, y, 60, 40}, i % 3);
            b.shape(ObjectKind::Ellipse, {210, y, 60, 40}, i % 3);
            b.barCode({280, y, 200, 50}, "400638133393", BarCodeType::Ean13);
            b.arcText({490, y, 100, 50}, "Arc text", ArcSubStyle::HalfCircle, -12);
        }
    };
    return {"busy-label.lpd", exampleLayout("Busy label", 600, 380), build};
}

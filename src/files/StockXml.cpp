#include "files/StockXml.h"

#include <QXmlStreamReader>

#include "files/StockImportTexts.h"

namespace {

// Beyond any real stock: they keep a hostile file from costing more than its bytes.
constexpr int kMaxLabelsPerTemplate = 64;
constexpr int kMaxGridsPerLabel = 256;
constexpr int kMaxGridSide = 10000;
constexpr int kMaxPaperSizes = 10000;
constexpr qsizetype kMaxTextLength = 1000;

class StockXmlParser {
public:
    StockXmlParser(QByteArrayView xml, StockCatalog& catalog) : m_xml(xml.toByteArray()), m_catalog(catalog) {}

    bool parse(QString* error);

private:
    void startElement();
    void startTemplate();
    void startLabel(StockShape shape);
    void addGrid();
    void addPaperSize();
    void endTemplate();

    QString text(QLatin1StringView name) const
    {
        return m_xml.attributes().value(name).toString().left(kMaxTextLength).simplified();
    }
    // A length that must be there; a missing or unreadable one damages the template.
    StockLength length(QLatin1StringView name, const StockLength& fallback = {}, bool required = true);
    int32_t count(QLatin1StringView name);
    void damage(const QString& why)
    {
        if (m_template && m_template->damage.isEmpty())
            m_template->damage = why;
    }

    QXmlStreamReader m_xml;
    StockCatalog& m_catalog;
    std::optional<StockTemplate> m_template;
    StockLabel* m_label = nullptr;
    QString m_limit;
};

StockLength StockXmlParser::length(QLatin1StringView name, const StockLength& fallback, bool required)
{
    const QStringView value = m_xml.attributes().value(name);
    if (value.trimmed().isEmpty()) {
        if (required)
            damage(StockImportTexts::missingValue(name));
        return fallback;
    }
    if (const std::optional<StockLength> parsed = parseStockLength(value))
        return *parsed;
    damage(StockImportTexts::badLength(name, value.left(40).toString()));
    return fallback;
}

int32_t StockXmlParser::count(QLatin1StringView name)
{
    const QStringView value = m_xml.attributes().value(name);
    bool ok = false;
    const int number = value.trimmed().toInt(&ok);
    if (ok && number >= 1 && number <= kMaxGridSide)
        return number;
    damage(StockImportTexts::badCount(name, value.left(40).toString()));
    return 1;
}

void StockXmlParser::startTemplate()
{
    if (m_template) {
        m_limit = StockImportTexts::NestedTemplate;
        return;
    }
    StockTemplate t;
    t.brand = text(QLatin1StringView("brand"));
    t.part = text(QLatin1StringView("part"));
    t.description = text(QLatin1StringView("_description"));
    if (t.description.isEmpty())
        t.description = text(QLatin1StringView("description"));
    t.equivalentOf = text(QLatin1StringView("equiv"));
    t.paperId = text(QLatin1StringView("size"));
    m_template = std::move(t);
    if (m_template->brand.isEmpty() || m_template->part.isEmpty())
        damage(StockImportTexts::NoBrandOrPart);
    if (m_xml.attributes().hasAttribute(QLatin1StringView("width")))
        m_template->paperWidth = length(QLatin1StringView("width"));
    if (m_xml.attributes().hasAttribute(QLatin1StringView("height")))
        m_template->paperHeight = length(QLatin1StringView("height"));
    m_label = nullptr;
}

void StockXmlParser::startLabel(StockShape shape)
{
    if (m_template->labels.size() >= size_t(kMaxLabelsPerTemplate)) {
        damage(StockImportTexts::TooManyLabels);
        m_label = nullptr;
        return;
    }
    StockLabel label;
    label.shape = shape;
    if (shape == StockShape::Rectangle || shape == StockShape::Ellipse) {
        label.width = length(QLatin1StringView("width"));
        label.height = length(QLatin1StringView("height"));
    } else {
        StockLength radius = length(QLatin1StringView("radius"));
        radius.millimetres *= 2;
        label.width = label.height = radius;
        if (shape == StockShape::Disc) {
            // A disc business card: the circle cut by straight sides.
            label.width = length(QLatin1StringView("width"), radius, false);
            label.height = length(QLatin1StringView("height"), radius, false);
            label.cutDisc = label.width.millimetres < radius.millimetres || label.height.millimetres < radius.millimetres;
        }
    }
    m_template->labels.push_back(std::move(label));
    m_label = &m_template->labels.back();
}

void StockXmlParser::addGrid()
{
    if (!m_label)
        return;
    if (m_label->grids.size() >= size_t(kMaxGridsPerLabel)) {
        damage(StockImportTexts::TooManyGrids);
        return;
    }
    StockGrid grid;
    grid.columns = count(QLatin1StringView("nx"));
    grid.rows = count(QLatin1StringView("ny"));
    // A grid of one column needs no step across, and one of one row none down.
    grid.left = length(QLatin1StringView("x0"), {}, false);
    grid.top = length(QLatin1StringView("y0"), {}, false);
    grid.stepX = length(QLatin1StringView("dx"), {}, grid.columns > 1);
    grid.stepY = length(QLatin1StringView("dy"), {}, grid.rows > 1);
    m_label->grids.push_back(grid);
}

void StockXmlParser::addPaperSize()
{
    const QString id = text(QLatin1StringView("id"));
    if (id.isEmpty() || m_catalog.papers.size() >= kMaxPaperSizes)
        return;
    const std::optional<StockLength> width = parseStockLength(m_xml.attributes().value(QLatin1StringView("width")));
    const std::optional<StockLength> height = parseStockLength(m_xml.attributes().value(QLatin1StringView("height")));
    if (width && height && width->millimetres > 0 && height->millimetres > 0)
        m_catalog.papers.insert(id, StockPaperSize{*width, *height});
}

void StockXmlParser::endTemplate()
{
    if (m_catalog.templates.size() >= size_t(kMaxStockTemplates)) {
        m_limit = StockImportTexts::TooManyTemplates;
        return;
    }
    m_catalog.templates.push_back(std::move(*m_template));
    m_template.reset();
    m_label = nullptr;
}

void StockXmlParser::startElement()
{
    const QStringView name = m_xml.name();
    if (name == u"Paper-size") {
        addPaperSize();
    } else if (name == u"Template") {
        startTemplate();
    } else if (!m_template) {
        return;
    } else if (name == u"Meta") {
        const QString category = text(QLatin1StringView("category"));
        if (!category.isEmpty() && m_template->categories.size() < kMaxLabelsPerTemplate)
            m_template->categories << category;
    } else if (name == u"Label-rectangle") {
        startLabel(StockShape::Rectangle);
    } else if (name == u"Label-round") {
        startLabel(StockShape::Round);
    } else if (name == u"Label-ellipse") {
        startLabel(StockShape::Ellipse);
    } else if (name == u"Label-cd") {
        startLabel(StockShape::Disc);
    } else if (name.startsWith(u"Label-")) {
        ++m_template->unknownShapes;
        m_label = nullptr;
        m_xml.skipCurrentElement();
    } else if (name == u"Layout") {
        addGrid();
    }
}

bool StockXmlParser::parse(QString* error)
{
    while (!m_xml.atEnd() && m_limit.isEmpty()) {
        switch (m_xml.readNext()) {
        case QXmlStreamReader::StartElement:
            startElement();
            break;
        case QXmlStreamReader::EndElement:
            if (m_xml.name() == u"Template" && m_template)
                endTemplate();
            else if (m_xml.name().startsWith(u"Label-"))
                m_label = nullptr;
            break;
        default:
            break;
        }
    }
    QString problem = m_limit;
    if (problem.isEmpty() && m_xml.hasError())
        problem = StockImportTexts::xmlError(m_xml.lineNumber(), m_xml.errorString());
    if (error)
        *error = problem;
    return problem.isEmpty();
}

} // namespace

bool readStockXml(QByteArrayView xml, StockCatalog& catalog, QString* error)
{
    if (xml.size() > kMaxStockXmlBytes) {
        if (error)
            *error = StockImportTexts::fileTooLarge(xml.size(), kMaxStockXmlBytes);
        return false;
    }
    return StockXmlParser(xml, catalog).parse(error);
}

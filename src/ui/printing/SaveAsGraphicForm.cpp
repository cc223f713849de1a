#include "ui/printing/SaveAsGraphicForm.h"

#include <QFileInfo>

#include "export/ExportFormat.h"
#include "export/RegionExport.h"
#include "system/Messages.h"

namespace {

// The first extension the table names for each format, in the order shown.
std::vector<std::pair<ExportFormat, QStringList>> formatsWithExtensions()
{
    std::vector<std::pair<ExportFormat, QStringList>> formats;
    for (const QString& extension : exportExtensions()) {
        const std::optional<ExportFormat> format = exportFormatNamed(extension);
        if (!format)
            continue;
        auto it = std::find_if(formats.begin(), formats.end(), [&](const auto& f) { return f.first == *format; });
        if (it == formats.end())
            formats.push_back({*format, {extension}});
        else
            it->second << extension;
    }
    // The usual three come first, in the order users have always seen them.
    const ExportFormat first[] = {ExportFormat::Wmf, ExportFormat::Jpeg, ExportFormat::Bmp};
    std::stable_sort(formats.begin(), formats.end(), [&first](const auto& a, const auto& b) {
        const auto rank = [&first](ExportFormat f) { return int(std::find(std::begin(first), std::end(first), f) - first); };
        return rank(a.first) < rank(b.first);
    });
    return formats;
}

} // namespace

std::vector<GraphicFileType> graphicFileTypes()
{
    std::vector<GraphicFileType> types;
    for (const auto& [format, extensions] : formatsWithExtensions()) {
        QStringList patterns;
        for (const QString& extension : extensions)
            patterns << QStringLiteral("*.") + extension;
        types.push_back({extensions.first().toUpper() + QStringLiteral(" files (") + patterns.join(' ') + ')',
                         extensions.first()});
    }
    return types;
}

QString graphicFilterString()
{
    QStringList filters;
    for (const GraphicFileType& type : graphicFileTypes())
        filters << type.filter;
    return filters.join(QStringLiteral(";;"));
}

QString completeGraphicPath(const QString& chosen, const QString& selectedFilter)
{
    if (chosen.isEmpty() || !QFileInfo(chosen).suffix().isEmpty())
        return chosen;
    for (const GraphicFileType& type : graphicFileTypes())
        if (type.filter == selectedFilter)
            return chosen + '.' + type.extension;
    return chosen + QStringLiteral(".bmp");
}

bool SaveAsGraphicForm::jpegOptionsShown() const
{
    return exportFormatForExtension(path) == ExportFormat::Jpeg;
}

ExportOptions SaveAsGraphicForm::options() const
{
    ExportOptions o;
    bool ok = false;
    const int q = quality.trimmed().toInt(&ok);
    o.quality = ok && q >= 0 && q <= 100 ? q : 75;
    o.progressive = progressive;
    return o;
}

bool SaveAsGraphicForm::exportCard(const Card& card, int zoom) const
{
    ExportOptions o = options();
    o.zoom = zoom;
    if (::exportCard(card, path, o))
        return true;
    Messages::error(exportSaveErrorText());
    return false;
}

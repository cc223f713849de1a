#include "export/ExportFormat.h"

#include <QFileInfo>

namespace {

struct NamedFormat {
    const char* extension;
    ExportFormat format;
};

constexpr NamedFormat kFormats[] = {
    {"png", ExportFormat::Png}, {"bmp", ExportFormat::Bmp}, {"jpg", ExportFormat::Jpeg},
    {"jpeg", ExportFormat::Jpeg}, {"emf", ExportFormat::Emf}, {"wmf", ExportFormat::Wmf},
    {"svg", ExportFormat::Svg}, {"pdf", ExportFormat::Pdf},
};

} // namespace

std::optional<ExportFormat> exportFormatNamed(const QString& name)
{
    for (const NamedFormat& named : kFormats)
        if (name.compare(QLatin1String(named.extension), Qt::CaseInsensitive) == 0)
            return named.format;
    return std::nullopt;
}

std::optional<ExportFormat> exportFormatForExtension(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix();
    return suffix.isEmpty() ? std::nullopt : exportFormatNamed(suffix);
}

ExportFormat exportFormatForPath(const QString& path)
{
    return exportFormatForExtension(path).value_or(ExportFormat::Bmp);
}

QStringList exportExtensions()
{
    QStringList extensions;
    for (const NamedFormat& named : kFormats)
        extensions << QString::fromLatin1(named.extension);
    return extensions;
}

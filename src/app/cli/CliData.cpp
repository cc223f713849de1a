#include "app/cli/CliData.h"

#include <QFileInfo>

#include "app/cli/CliCommand.h"

void cliExplainDataSource(const QString& source)
{
    if (QFileInfo(source).suffix().isEmpty())
        cliError(QStringLiteral("A data source needs an extension that names its kind: .csv or .txt for a text "
                                "file, .dlf for a data link, .dat for a personal database."));
}

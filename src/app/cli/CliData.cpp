#include "app/cli/CliData.h"

#include <QFileInfo>

#include "app/cli/CliCommand.h"
#include "app/cli/CliTexts.h"

void cliExplainDataSource(const QString& source)
{
    if (QFileInfo(source).suffix().isEmpty())
        cliError(CliTexts::DataSourceNeedsExtension);
}

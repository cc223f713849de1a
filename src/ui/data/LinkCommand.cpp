#include "ui/data/LinkCommand.h"

#include "system/Messages.h"
#include "ui/data/DataDialogTexts.h"
#include "ui/shell/DesignDocument.h"

bool applyLinkWizardResult(DesignDocument& document, bool finished, const QString& chosenPath)
{
    if (!finished) {
        if (Messages::askYesNo(DataTexts::UnlinkPrompt) == Messages::Answer::Yes)
            document.setLinkedDatabase(QString());
        return false;
    }
    if (document.dataReader().active() && chosenPath != document.linkedDatabasePath() &&
        Messages::askYesNo(DataTexts::ChangeLinkPrompt) != Messages::Answer::Yes)
        return false;
    if (!document.setLinkedDatabase(chosenPath)) {
        Messages::error(DataTexts::SelectedDatabaseFailed);
        return false;
    }
    return true;
}

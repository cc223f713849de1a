#pragma once
// Save As Template without widgets: the wizard type chosen, the template file
// and the save itself.

#include <QString>

class DesignDocument;

class SaveAsTemplateForm {
public:
    int wizardEntry = 0;  // index in FilesTexts::WizardTypeEntries
    QString path;

    bool okEnabled() const { return !path.isEmpty(); }
    // The document takes the template's name (even when the write fails, so
    // a later Save goes there), the layout the wizard type, and the design is
    // written with the region being edited. False after showing why not.
    bool save(DesignDocument& document) const;
};

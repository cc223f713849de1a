#pragma once
// The Linked Database command once its wizard has ended, without widgets.

#include <QString>

class DesignDocument;

// finished: the wizard ended with Finish on chosenPath. Then (after the
// question when an open link changes) the design links to the chosen source;
// true when the link changed. Any other ending offers to unlink the design
// (the result stays false).
bool applyLinkWizardResult(DesignDocument& document, bool finished, const QString& chosenPath);

#pragma once
// The design wizard in the frame: it carries out New (menu, Ctrl+N, the
// toolbar button and the start-up option).

#include <memory>

class MainWindow;
struct FamilyServices;
class DesignDocument;
struct CardExpert;

void installWizard(MainWindow& window, FamilyServices& services);
void registerWizardGalleryStates();

// What New does with a finished wizard: a design from the template, a blank
// design on a chosen layout, or the Open command.
void carryOutWizardChoice(MainWindow& window, CardExpert& expert);
// A document made from the record's template; null after the read error was shown.
std::unique_ptr<DesignDocument> documentFromTemplate(CardExpert& expert, int untitledNumber);

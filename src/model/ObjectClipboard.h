#pragma once
// Cut, copy, paste and delete of the selected objects. Objects travel as a
// private block: version 700, record count, total size, then the records.

#include <QByteArray>
#include <cstdint>

class DesignEditor;
class ClipboardPort;

constexpr uint32_t kClipboardVersion = 700;
constexpr int kClipboardHeaderSize = 12;
constexpr int kMaxPastedTextLength = 4095;

QByteArray buildClipboardBlock(const DesignEditor& editor);
void copyObjects(const DesignEditor& editor, ClipboardPort& clipboard);
void deleteSelection(DesignEditor& editor);
int32_t pasteObjects(DesignEditor& editor, const ClipboardPort& clipboard);

// The Edit commands on a design that already passed the protection check.
// Delete asks first when the prompt option is on; false when nothing was deleted.
bool canCutCopyOrDelete(const DesignEditor& editor);
bool canPaste(const ClipboardPort& clipboard);
void cutObjects(DesignEditor& editor, ClipboardPort& clipboard);
bool deleteObjects(DesignEditor& editor, bool promptOnDelete);

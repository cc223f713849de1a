#pragma once
// Cut, copy, paste and delete of the selected objects. Objects travel as a
// private block: version 700, record count, total size, then the records.

#include <QByteArray>
#include <cstdint>

struct DesignEditor;
class ClipboardPort;

constexpr uint32_t kClipboardVersion = 700;
constexpr int kClipboardHeaderSize = 12;
constexpr int kMaxPastedTextLength = 4095;

QByteArray BuildClipboardBlock(const DesignEditor& editor);
void CopyObjects(const DesignEditor& editor, ClipboardPort& clipboard);
void DeleteSelection(DesignEditor& editor);
int32_t PasteObjects(DesignEditor& editor, const ClipboardPort& clipboard);

// The Edit commands on a design that already passed the protection check.
// Delete asks first when the prompt option is on; false when nothing was deleted.
bool CanCutCopyOrDelete(const DesignEditor& editor);
bool CanPaste(const ClipboardPort& clipboard);
void CutObjects(DesignEditor& editor, ClipboardPort& clipboard);
bool DeleteObjects(DesignEditor& editor, bool promptOnDelete);

#pragma once
// The picture editor's file dialogs: open with a preview pane of the
// highlighted file, and save with the picture kind's suffix and filter.

#include <QString>

class QWidget;

// An existing picture file chosen in folder; empty when cancelled.
QString choosePictureFile(QWidget* parent, const QString& folder);
QString choosePictureSaveFile(QWidget* parent, const QString& folder, const QString& suffix, const QString& filter);

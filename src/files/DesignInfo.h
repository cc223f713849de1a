#pragma once
// A design file described as JSON: header, layout and every region block with
// its objects, named as loading that region would name them.

#include <QByteArray>
#include <QString>

#include "model/LayoutRecord.h"

QByteArray layoutRecordJson(const LayoutRecord& layout);
// Returns the design file's result code; json is filled on success.
int32_t describeDesignFile(const QString& fileName, QByteArray& json);

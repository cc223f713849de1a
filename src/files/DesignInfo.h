#pragma once
// A design file described as JSON: header, layout and every region block with
// its objects, named as loading that region would name them (the shape is
// DesignJsonShape.h).

#include <QByteArray>
#include <QString>

#include "model/LayoutRecord.h"

QByteArray layoutRecordJson(const LayoutRecord& layout);
// Returns the design file's result code; json is filled on success. With
// pictures, every picture's stored bytes are given as base64, so that the
// description can be built into the same file again (DesignBuild.h).
int32_t describeDesignFile(const QString& fileName, QByteArray& json, bool withPictures = false);

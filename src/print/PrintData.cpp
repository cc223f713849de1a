#include "print/PrintData.h"

#include <QPainter>

#include "merge/DataReader.h"
#include "print/SharedPictures.h"
#include "render/FieldSource.h"

struct PrintData::Impl {
    DataReader reader;
    DataReaderSource<DataReader> source{reader};
};

PrintData::PrintData() : m_impl(std::make_unique<Impl>()) {}
PrintData::~PrintData() = default;

bool PrintData::open(const QString& path) { return m_impl->reader.open(path) >= 0 && m_impl->reader.active(); }
bool PrintData::active() const { return m_impl->reader.active(); }
int32_t PrintData::recordCount() const { return m_impl->reader.active() ? m_impl->reader.recordCount() : 0; }

ObjectDrawing PrintData::drawing()
{
    ObjectDrawing d;
    d.source = &m_impl->source;
    // One image per picture for the whole run, so a PDF stores each picture once.
    auto shared = std::make_shared<SharedPictures>();
    d.picture = [shared](QPainter& painter, const Picture& picture, const QRect& rect) {
        shared->draw(painter, picture, rect);
    };
    return d;
}

#include "system/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

bool ClipboardPort::hasAnythingToPaste() const
{
    return privateBlock().has_value() || !bitmap().isNull() || !metafile().isEmpty() || text().has_value();
}

bool MemoryClipboard::setPrivateBlock(const QByteArray& block)
{
    clear();
    m_block = block;
    return true;
}

void MemoryClipboard::clear()
{
    m_block.reset();
    m_bitmap = QImage();
    m_metafile.clear();
    m_text.reset();
}

const char* SystemClipboard::privateFormatName() { return "ZEV Objects"; }

QString SystemClipboard::privateMimeType()
{
    // Qt's name for a clipboard format registered by name; elsewhere it is just a private type.
    return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"").arg(privateFormatName());
}

namespace {
const QMimeData* clipboardData()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard ? clipboard->mimeData() : nullptr;
}
} // namespace

bool SystemClipboard::setPrivateBlock(const QByteArray& block)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    auto* data = new QMimeData;
    data->setData(privateMimeType(), block);
    clipboard->setMimeData(data);
    return true;
}

std::optional<QByteArray> SystemClipboard::privateBlock() const
{
    const QMimeData* data = clipboardData();
    if (!data || !data->hasFormat(privateMimeType()))
        return std::nullopt;
    return data->data(privateMimeType());
}

QImage SystemClipboard::bitmap() const
{
    const QMimeData* data = clipboardData();
    if (!data || !data->hasImage())
        return {};
    return qvariant_cast<QImage>(data->imageData());
}

Picture SystemClipboard::metafile() const
{
    Picture picture;
    const QMimeData* data = clipboardData();
    if (!data)
        return picture;
    for (const char* type : {"image/emf", "image/x-emf"})
        if (data->hasFormat(type) && picture.loadEmf(data->data(type)))
            break;
    return picture;
}

std::optional<QString> SystemClipboard::text() const
{
    const QMimeData* data = clipboardData();
    if (!data || !data->hasText())
        return std::nullopt;
    return data->text();
}

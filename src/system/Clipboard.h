#pragma once
// The clipboard as the object commands see it: the private "ZEV Objects"
// block, and the bitmaps, metafiles and text other programs put there.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

#include "imaging/Picture.h"

class ClipboardPort {
public:
    virtual ~ClipboardPort() = default;
    virtual bool setPrivateBlock(const QByteArray& block) = 0;
    virtual std::optional<QByteArray> privateBlock() const = 0;
    virtual QImage bitmap() const = 0;
    virtual Picture metafile() const = 0;
    virtual std::optional<QString> text() const = 0;
    bool hasAnythingToPaste() const;
};

// A clipboard in memory, for tests and for headless use.
class MemoryClipboard : public ClipboardPort {
public:
    bool setPrivateBlock(const QByteArray& block) override;
    std::optional<QByteArray> privateBlock() const override { return m_block; }
    QImage bitmap() const override { return m_bitmap; }
    Picture metafile() const override { return m_metafile; }
    std::optional<QString> text() const override { return m_text; }

    void setBitmap(const QImage& image) { clear(); m_bitmap = image; }
    void setMetafile(const Picture& picture) { clear(); m_metafile = picture; }
    void setText(const QString& text) { clear(); m_text = text; }
    void clear();

private:
    std::optional<QByteArray> m_block;
    QImage m_bitmap;
    Picture m_metafile;
    std::optional<QString> m_text;
};

// The system clipboard through QClipboard; the private format is registered by name.
class SystemClipboard : public ClipboardPort {
public:
    static const char* privateFormatName();  // "ZEV Objects"
    static QString privateMimeType();
    bool setPrivateBlock(const QByteArray& block) override;
    std::optional<QByteArray> privateBlock() const override;
    QImage bitmap() const override;
    Picture metafile() const override;
    std::optional<QString> text() const override;
};

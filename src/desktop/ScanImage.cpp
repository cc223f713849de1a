#include "desktop/ScanImage.h"

#include "imaging/Dib.h"

namespace {

bool isSingleColour(ScanFrameFormat::Kind kind)
{
    return kind == ScanFrameFormat::Kind::Red || kind == ScanFrameFormat::Kind::Green ||
           kind == ScanFrameFormat::Kind::Blue;
}

int samplesPerPixel(ScanFrameFormat::Kind kind) { return kind == ScanFrameFormat::Kind::Rgb ? 3 : 1; }

// The first lines an unknown-height scan gets room for; doubled as needed.
constexpr int kInitialUnknownLines = 256;

} // namespace

bool ScanImageBuilder::fail(const QString& why)
{
    m_error = why;
    return false;
}

bool ScanImageBuilder::beginFrame(const ScanFrameFormat& format)
{
    if (format.depth != 1 && format.depth != 8 && format.depth != 16)
        return fail(QStringLiteral("The scanner sends %1 bits per sample.").arg(format.depth));
    if (format.pixelsPerLine <= 0 || format.bytesPerLine <= 0 || format.lines == 0 || format.lines < -1)
        return fail(QStringLiteral("The scanner reports an empty picture."));
    const qint64 neededBits = qint64(format.pixelsPerLine) * samplesPerPixel(format.kind) * format.depth;
    if (qint64(format.bytesPerLine) * 8 < neededBits)
        return fail(QStringLiteral("The scanner reports lines shorter than their pixels."));
    const int knownLines = format.lines > 0 ? format.lines : 1;
    if (!isPlausibleImageSize(format.pixelsPerLine, knownLines) ||
        qint64(format.bytesPerLine) * knownLines > kMaxBytes)
        return fail(QStringLiteral("The scanner reports a picture of %1 by %2 pixels, too large to take.")
                        .arg(format.pixelsPerLine)
                        .arg(format.lines));
    if (m_started) {
        // The later frames of a three-pass scan must match the first.
        if (!isSingleColour(format.kind) || format.pixelsPerLine != m_image.width() ||
            (format.lines > 0 && format.lines != m_height))
            return fail(QStringLiteral("The scanner's frames do not match."));
    } else {
        const int lines = format.lines > 0 ? format.lines : kInitialUnknownLines;
        m_image = QImage(format.pixelsPerLine, lines, QImage::Format_RGB32);
        if (m_image.isNull())
            return fail(QStringLiteral("There is not enough memory for the scanned picture."));
        m_image.fill(Qt::white);
        m_height = format.lines > 0 ? format.lines : 0;
        m_started = true;
    }
    m_format = format;
    m_pending.clear();
    m_line = 0;
    return true;
}

int ScanImageBuilder::sample(const uchar* line, int index) const
{
    switch (m_format.depth) {
    case 1: return (line[index / 8] >> (7 - index % 8)) & 1 ? 0 : 255;  // 1 is black
    case 16: return line[2 * index + 1];  // little-endian: the high byte
    default: return line[index];
    }
}

void ScanImageBuilder::storeLine(const uchar* line)
{
    if (m_format.lines < 0) {
        if (m_line >= m_image.height()) {
            // Unknown height: grow within the same limits as a known one.
            const int grown = m_image.height() * 2;
            if (!isPlausibleImageSize(m_image.width(), grown) || qint64(m_format.bytesPerLine) * grown > kMaxBytes)
                return;
            QImage bigger(m_image.width(), grown, QImage::Format_RGB32);
            if (bigger.isNull())
                return;
            bigger.fill(Qt::white);
            for (int y = 0; y < m_image.height(); ++y)
                std::copy_n(m_image.constScanLine(y), m_image.bytesPerLine(), bigger.scanLine(y));
            m_image = bigger;
        }
        m_height = std::max(m_height, m_line + 1);
    }
    if (m_line >= m_image.height())
        return;
    auto* row = reinterpret_cast<QRgb*>(m_image.scanLine(m_line));
    const bool oneBitColour = m_format.depth == 1 && m_format.kind != ScanFrameFormat::Kind::Gray;
    for (int x = 0; x < m_image.width(); ++x) {
        const auto value = [&](int index) {
            // A colour bit of 1 is full intensity.
            return oneBitColour ? 255 - sample(line, index) : sample(line, index);
        };
        switch (m_format.kind) {
        case ScanFrameFormat::Kind::Gray: {
            const int v = value(x);
            row[x] = qRgb(v, v, v);
            break;
        }
        case ScanFrameFormat::Kind::Rgb: row[x] = qRgb(value(3 * x), value(3 * x + 1), value(3 * x + 2)); break;
        case ScanFrameFormat::Kind::Red: row[x] = qRgb(value(x), qGreen(row[x]), qBlue(row[x])); break;
        case ScanFrameFormat::Kind::Green: row[x] = qRgb(qRed(row[x]), value(x), qBlue(row[x])); break;
        case ScanFrameFormat::Kind::Blue: row[x] = qRgb(qRed(row[x]), qGreen(row[x]), value(x)); break;
        }
    }
    ++m_line;
}

bool ScanImageBuilder::addData(const char* data, int length)
{
    if (!m_started || length < 0)
        return false;
    const int lineBytes = m_format.bytesPerLine;
    while (length > 0) {
        if (m_format.lines > 0 && m_line >= m_format.lines)
            return fail(QStringLiteral("The scanner sent more lines than it said."));
        const int take = std::min(length, lineBytes - int(m_pending.size()));
        m_pending.append(data, take);
        data += take;
        length -= take;
        if (m_pending.size() == lineBytes) {
            storeLine(reinterpret_cast<const uchar*>(m_pending.constData()));
            m_pending.clear();
        }
    }
    return true;
}

void ScanImageBuilder::endFrame() { m_pending.clear(); }

QImage ScanImageBuilder::image() const
{
    if (!m_started || m_height <= 0)
        return QImage();
    return m_height == m_image.height() ? m_image : m_image.copy(0, 0, m_image.width(), m_height);
}

#pragma once
// Builds a picture from the frames a scanner sends: grey, RGB or one colour
// per frame, 1, 8 or 16 bits per sample, with a known or unknown number of
// lines. The device is treated as hostile: sizes it reports are checked
// before anything is allocated, and short or surplus data never overruns.

#include <QByteArray>
#include <QImage>
#include <QString>

struct ScanFrameFormat {
    enum class Kind { Gray, Rgb, Red, Green, Blue };
    Kind kind = Kind::Gray;
    int bytesPerLine = 0;
    int pixelsPerLine = 0;
    int lines = 0;  // -1: not known before the end (hand scanners)
    int depth = 8;
};

class ScanImageBuilder {
public:
    // False (with error()) when the frame's format is unusable or implausibly large,
    // or does not match the frames before it.
    bool beginFrame(const ScanFrameFormat& format);
    // Bytes of the current frame, in any pieces. False once the frame holds more than it said.
    bool addData(const char* data, int length);
    // Ends the current frame; the lines received so far count for an unknown height.
    void endFrame();
    // The picture once every frame arrived; null when no line was complete.
    QImage image() const;
    const QString& error() const { return m_error; }

    // The most bytes one scan may send.
    static constexpr qint64 kMaxBytes = 512ll * 1024 * 1024;

private:
    bool fail(const QString& why);
    void storeLine(const uchar* line);
    int sample(const uchar* line, int index) const;

    ScanFrameFormat m_format;
    bool m_started = false;
    QImage m_image;
    QByteArray m_pending;  // the part of a line received so far
    int m_line = 0;        // lines of the current frame received
    int m_height = 0;      // lines of the picture so far
    QString m_error;
};

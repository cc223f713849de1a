#include "desktop/Scanner.h"

#include <sane/sane.h>
#include <sane/saneopts.h>

#include <mutex>

#include "desktop/ScanImage.h"

namespace {

// SANE is not made for calls from several threads at once.
std::mutex& saneTurn()
{
    static std::mutex turn;
    return turn;
}

QString text(SANE_String_Const s) { return s ? QString::fromLocal8Bit(s) : QString(); }

// sane_init … sane_exit around one operation.
class SaneSession {
public:
    SaneSession() : m_lock(saneTurn()) { m_status = sane_init(nullptr, nullptr); }
    ~SaneSession()
    {
        if (ok())
            sane_exit();
    }
    bool ok() const { return m_status == SANE_STATUS_GOOD; }
    SANE_Status status() const { return m_status; }

private:
    std::lock_guard<std::mutex> m_lock;
    SANE_Status m_status;
};

// An open device, closed (and any scan ended) when it goes.
class SaneDevice {
public:
    explicit SaneDevice(const QString& name) { m_status = sane_open(name.toLocal8Bit().constData(), &m_handle); }
    ~SaneDevice()
    {
        if (m_handle) {
            sane_cancel(m_handle);
            sane_close(m_handle);
        }
    }
    SANE_Handle handle() const { return m_handle; }
    SANE_Status status() const { return m_status; }

private:
    SANE_Handle m_handle = nullptr;
    SANE_Status m_status;
};

QString statusText(SANE_Status status) { return text(sane_strstatus(status)); }

QString failureText(SANE_Status status)
{
    return QStringLiteral("The scanner stopped with an error: %1.\n\nThe picture was not changed.")
        .arg(statusText(status));
}

ScanOutcome failed(const QString& why) { return {ScanOutcome::Status::Failed, QImage(), why}; }

// Sets one option from text; options the device lacks, cannot set or has
// switched off are passed over.
void setOption(SANE_Handle handle, const QString& name, const QString& value)
{
    SANE_Int count = 0;
    if (sane_control_option(handle, 0, SANE_ACTION_GET_VALUE, &count, nullptr) != SANE_STATUS_GOOD)
        return;
    for (SANE_Int i = 1; i < count; ++i) {
        const SANE_Option_Descriptor* d = sane_get_option_descriptor(handle, i);
        if (!d || !d->name || name != QLatin1String(d->name) || !SANE_OPTION_IS_SETTABLE(d->cap) ||
            !SANE_OPTION_IS_ACTIVE(d->cap))
            continue;
        SANE_Int info = 0;
        switch (d->type) {
        case SANE_TYPE_BOOL: {
            SANE_Word on = value == QLatin1String("yes") || value == QLatin1String("true") || value == "1";
            sane_control_option(handle, i, SANE_ACTION_SET_VALUE, &on, &info);
            break;
        }
        case SANE_TYPE_INT:
        case SANE_TYPE_FIXED: {
            if (d->size != SANE_Int(sizeof(SANE_Word)))
                break;  // lists of numbers are not set from one value
            SANE_Word word = d->type == SANE_TYPE_INT ? SANE_Word(value.toInt()) : SANE_FIX(value.toDouble());
            sane_control_option(handle, i, SANE_ACTION_SET_VALUE, &word, &info);
            break;
        }
        case SANE_TYPE_STRING: {
            if (d->size <= 0)
                break;
            QByteArray buffer = value.toLocal8Bit().left(d->size - 1);
            buffer.resize(d->size, '\0');
            sane_control_option(handle, i, SANE_ACTION_SET_VALUE, buffer.data(), &info);
            break;
        }
        default: break;
        }
        return;
    }
}

std::optional<ScanFrameFormat> frameFormat(const SANE_Parameters& p)
{
    ScanFrameFormat f;
    switch (p.format) {
    case SANE_FRAME_GRAY: f.kind = ScanFrameFormat::Kind::Gray; break;
    case SANE_FRAME_RGB: f.kind = ScanFrameFormat::Kind::Rgb; break;
    case SANE_FRAME_RED: f.kind = ScanFrameFormat::Kind::Red; break;
    case SANE_FRAME_GREEN: f.kind = ScanFrameFormat::Kind::Green; break;
    case SANE_FRAME_BLUE: f.kind = ScanFrameFormat::Kind::Blue; break;
    default: return std::nullopt;
    }
    f.bytesPerLine = p.bytes_per_line;
    f.pixelsPerLine = p.pixels_per_line;
    f.lines = p.lines;
    f.depth = p.depth;
    return f;
}

constexpr int kReadBuffer = 32 * 1024;

// Reads the frames of one scan; the device is open and its options set.
ScanOutcome readScan(SANE_Handle handle, const std::atomic<bool>& cancel, const std::function<void(int)>& progress)
{
    ScanImageBuilder builder;
    std::vector<SANE_Byte> buffer(kReadBuffer);
    for (;;) {
        if (cancel)
            return {ScanOutcome::Status::Cancelled, QImage(), QString()};
        SANE_Status status = sane_start(handle);
        if (status == SANE_STATUS_CANCELLED)
            return {ScanOutcome::Status::Cancelled, QImage(), QString()};
        if (status != SANE_STATUS_GOOD)
            return failed(failureText(status));
        SANE_Parameters parameters{};
        status = sane_get_parameters(handle, &parameters);
        if (status != SANE_STATUS_GOOD)
            return failed(failureText(status));
        const auto format = frameFormat(parameters);
        if (!format)
            return failed(QStringLiteral("The scanner sends pictures in a form this program cannot read."));
        if (!builder.beginFrame(*format))
            return failed(builder.error());
        const qint64 expected = parameters.lines > 0 ? qint64(parameters.lines) * parameters.bytes_per_line : 0;
        qint64 received = 0;
        for (;;) {
            if (cancel)
                return {ScanOutcome::Status::Cancelled, QImage(), QString()};
            SANE_Int length = 0;
            status = sane_read(handle, buffer.data(), SANE_Int(buffer.size()), &length);
            if (status == SANE_STATUS_EOF)
                break;
            if (status == SANE_STATUS_CANCELLED)
                return {ScanOutcome::Status::Cancelled, QImage(), QString()};
            if (status != SANE_STATUS_GOOD)
                return failed(failureText(status));
            if (length < 0 || length > SANE_Int(buffer.size()) ||
                !builder.addData(reinterpret_cast<const char*>(buffer.data()), length))
                return failed(builder.error().isEmpty() ? failureText(SANE_STATUS_IO_ERROR) : builder.error());
            received += length;
            if (progress)
                progress(expected > 0 ? int(std::min<qint64>(100, received * 100 / expected)) : -1);
        }
        builder.endFrame();
        if (parameters.last_frame)
            break;
    }
    QImage image = builder.image();
    if (image.isNull())
        return failed(QStringLiteral("The scanner sent no picture."));
    return {ScanOutcome::Status::Done, image, QString()};
}

} // namespace

QString ScannerDevice::label() const
{
    const QString shown = (vendor + QLatin1Char(' ') + model).trimmed();
    return shown.isEmpty() ? name : shown + QStringLiteral(" (") + name + QLatin1Char(')');
}

namespace Scanner {

bool layerAvailable()
{
    SaneSession session;
    return session.ok();
}

std::vector<ScannerDevice> findDevices(bool localOnly, QString* error)
{
    std::vector<ScannerDevice> devices;
    SaneSession session;
    if (!session.ok()) {
        if (error)
            *error = QStringLiteral("The scanner layer (SANE) could not be started: %1.").arg(statusText(session.status()));
        return devices;
    }
    const SANE_Device** list = nullptr;
    if (sane_get_devices(&list, localOnly ? SANE_TRUE : SANE_FALSE) != SANE_STATUS_GOOD || !list)
        return devices;
    for (int i = 0; list[i]; ++i)
        devices.push_back({text(list[i]->name), text(list[i]->vendor), text(list[i]->model), text(list[i]->type)});
    return devices;
}

ScanOutcome scan(const ScanRequest& request, const std::atomic<bool>& cancel, const std::function<void(int)>& progress)
{
    SaneSession session;
    if (!session.ok())
        return failed(QStringLiteral("The scanner layer (SANE) could not be started: %1.").arg(statusText(session.status())));
    QString name = request.device;
    if (name.isEmpty()) {
        const SANE_Device** list = nullptr;
        if (sane_get_devices(&list, SANE_FALSE) == SANE_STATUS_GOOD && list && list[0])
            name = text(list[0]->name);
        if (name.isEmpty())
            return failed(QStringLiteral("No scanner was found."));
    }
    SaneDevice device(name);
    if (device.status() != SANE_STATUS_GOOD || !device.handle())
        return failed(QStringLiteral("The scanner %1 could not be opened: %2.").arg(name, statusText(device.status())));
    if (!request.mode.isEmpty())
        setOption(device.handle(), QStringLiteral(SANE_NAME_SCAN_MODE), request.mode);
    if (request.resolution > 0)
        setOption(device.handle(), QStringLiteral(SANE_NAME_SCAN_RESOLUTION), QString::number(request.resolution));
    for (const auto& [option, value] : request.options)
        setOption(device.handle(), option, value);
    return readScan(device.handle(), cancel, progress);
}

} // namespace Scanner

#include "ui/printing/TemplateFileTools.h"

#include <QFile>
#include <functional>

#include "base/AtomicFile.h"
#include "base/BoundedRead.h"
#include "model/LayoutRecord.h"
#include "system/Messages.h"
#include "ui/printing/LayoutTexts.h"

namespace {

constexpr qsizetype kSignatureOffset = 4;
constexpr qsizetype kLayoutOffset = 528;
// As large as any design the program reads.
constexpr qint64 kMaxTemplateFileSize = 512ll * 1024 * 1024;

// Reads the file, lets change() rewrite its bytes, and writes it back whole.
bool rewriteFile(const QString& path, qsizetype neededSize, const std::function<void(QByteArray&)>& change)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    std::optional<QByteArray> bytes = readAtMost(file, kMaxTemplateFileSize);
    file.close();
    if (!bytes || bytes->size() < neededSize)
        return false;
    change(*bytes);
    return writeFileAtomically(path, *bytes);
}

void runOverFiles(const TemplatePicker& pick, const QString& failurePrefix, const QString& done,
                  const std::function<bool(const QString&)>& rewrite)
{
    const QStringList paths = pick ? pick() : QStringList();
    if (paths.isEmpty())
        return;
    for (const QString& path : paths)
        if (!rewrite(path))
            Messages::error(failurePrefix + path);
    Messages::information(done);
}

} // namespace

std::optional<uint32_t> parseSignature(const QString& text)
{
    const QString t = text.trimmed();
    bool ok = false;
    const qulonglong value = t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) ? t.mid(2).toULongLong(&ok, 16)
                                                                                      : t.toULongLong(&ok, 10);
    if (!ok || value > 0xFFFFFFFFull)
        return std::nullopt;
    return uint32_t(value);
}

bool writeTemplateLayout(const QString& path, const LayoutRecord& layout)
{
    return rewriteFile(path, kLayoutOffset + LayoutRecord::kSize,
                       [&layout](QByteArray& bytes) { bytes.replace(kLayoutOffset, LayoutRecord::kSize, layout.toBytes()); });
}

bool renameTemplateLayout(const QString& path, const QString& name)
{
    return rewriteFile(path, kLayoutOffset + LayoutRecord::kSize, [&name](QByteArray& bytes) {
        LayoutRecord record = LayoutRecord::fromBytes(QByteArrayView(bytes).sliced(kLayoutOffset, LayoutRecord::kSize));
        record.setName(name);
        bytes.replace(kLayoutOffset, LayoutRecord::kSize, record.toBytes());
    });
}

bool writeTemplateSignature(const QString& path, uint32_t signature)
{
    return rewriteFile(path, kLayoutOffset, [signature](QByteArray& bytes) {
        for (int i = 0; i < 4; ++i)
            bytes[kSignatureOffset + i] = char((signature >> (8 * i)) & 0xFF);
    });
}

void convertTemplatesToLayout(const TemplatePicker& pick, const LayoutRecord& layout)
{
    runOverFiles(pick, LayoutTexts::ErrorConverting, LayoutTexts::ConversionComplete,
                 [&layout](const QString& path) { return writeTemplateLayout(path, layout); });
}

void changeTemplateLayoutNames(const TemplatePicker& pick, const QString& name)
{
    if (name.isEmpty()) {
        Messages::error(LayoutTexts::EnterLayoutName);
        return;
    }
    runOverFiles(pick, LayoutTexts::ErrorChangingName, LayoutTexts::NameChangeComplete,
                 [&name](const QString& path) { return renameTemplateLayout(path, name); });
}

void changeTemplateSignatures(const TemplatePicker& pick, const QString& signatureText)
{
    if (signatureText.isEmpty()) {
        Messages::error(LayoutTexts::EnterSignature);
        return;
    }
    const std::optional<uint32_t> signature = parseSignature(signatureText);
    if (!signature) {
        Messages::error(LayoutTexts::InvalidSignature);
        return;
    }
    runOverFiles(pick, LayoutTexts::ErrorChangingSignature, LayoutTexts::SignatureChangeComplete,
                 [&signature](const QString& path) { return writeTemplateSignature(path, *signature); });
}

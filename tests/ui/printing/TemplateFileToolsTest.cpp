// The layout chooser's hidden template-file tools: what each rewrites, the
// checks on the typed text, short or missing files reported one by one, and
// the closing message.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "LayoutFixtures.h"
#include "TestSupport.h"
#include "base/AtomicFile.h"
#include "ui/printing/LayoutTexts.h"
#include "ui/printing/TemplateFileTools.h"

namespace {

constexpr int kLayoutOffset = 528;

QByteArray templateBytes()
{
    QByteArray bytes(kLayoutOffset, '\x11');
    bytes += thirtyUpLayout().toBytes();
    bytes += QByteArray(40, '\x22');  // the regions after the layout stay as they are
    return bytes;
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(TemplateFileTools, SignaturesReadAsHexOrDecimal)
{
    EXPECT_EQ(parseSignature("0xAABBCCDD"), 0xAABBCCDDu);
    EXPECT_EQ(parseSignature("0Xff"), 0xFFu);
    EXPECT_EQ(parseSignature("123"), 123u);
    for (const char* bad : {"", "0x", "abc", "0x1FFFFFFFF", "-1", "12a"})
        EXPECT_FALSE(parseSignature(bad).has_value()) << bad;
}

TEST(TemplateFileTools, EachToolRewritesItsPartOnly)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("t.cct");
    const QByteArray original = templateBytes();
    const auto pick = [&path] { return QStringList{path}; };
    MessageRecorder messages;

    ASSERT_TRUE(writeFileAtomically(path, original));
    LayoutRecord other = thirtyUpLayout("Other");
    other.rows = 4;
    convertTemplatesToLayout(pick, other);
    QByteArray bytes = readAll(path);
    EXPECT_EQ(LayoutRecord::fromBytes(bytes.mid(kLayoutOffset, LayoutRecord::kSize)), other);
    EXPECT_EQ(bytes.left(kLayoutOffset), original.left(kLayoutOffset));
    EXPECT_EQ(bytes.mid(kLayoutOffset + LayoutRecord::kSize), original.mid(kLayoutOffset + LayoutRecord::kSize));

    changeTemplateLayoutNames(pick, "Renamed");
    bytes = readAll(path);
    const LayoutRecord renamed = LayoutRecord::fromBytes(bytes.mid(kLayoutOffset, LayoutRecord::kSize));
    EXPECT_EQ(renamed.displayName(), "Renamed");
    EXPECT_EQ(renamed.rows, 4);

    changeTemplateSignatures(pick, "0x01020304");
    bytes = readAll(path);
    EXPECT_EQ(bytes.mid(4, 4), QByteArray("\x04\x03\x02\x01", 4));
    EXPECT_EQ(bytes.left(4), original.left(4));
    EXPECT_EQ(messages.texts(), QStringList({LayoutTexts::ConversionComplete, LayoutTexts::NameChangeComplete,
                                             LayoutTexts::SignatureChangeComplete}));
}

TEST(TemplateFileTools, ChecksAndFailuresAreReported)
{
    QTemporaryDir dir;
    const QString good = dir.filePath("good.cct"), shortFile = dir.filePath("short.cct");
    ASSERT_TRUE(writeFileAtomically(good, templateBytes()));
    ASSERT_TRUE(writeFileAtomically(shortFile, QByteArray(100, 'x')));
    const QString missing = dir.filePath("missing.cct");
    const auto pick = [&] { return QStringList{shortFile, missing, good}; };
    struct Case {
        std::function<void()> run;
        QStringList messages;
    };
    const Case cases[] = {
        {[&] { changeTemplateLayoutNames(pick, ""); }, {LayoutTexts::EnterLayoutName}},
        {[&] { changeTemplateSignatures(pick, ""); }, {LayoutTexts::EnterSignature}},
        {[&] { changeTemplateSignatures(pick, "0xZZ"); }, {LayoutTexts::InvalidSignature}},
        {[&] { changeTemplateSignatures([] { return QStringList(); }, "7"); }, {}},
        {[&] { changeTemplateLayoutNames(pick, "N"); },
         {LayoutTexts::ErrorChangingName + shortFile, LayoutTexts::ErrorChangingName + missing,
          LayoutTexts::NameChangeComplete}},
        {[&] { convertTemplatesToLayout(pick, thirtyUpLayout()); },
         {LayoutTexts::ErrorConverting + shortFile, LayoutTexts::ErrorConverting + missing,
          LayoutTexts::ConversionComplete}},
    };
    for (const Case& c : cases) {
        MessageRecorder messages;
        c.run();
        EXPECT_EQ(messages.texts(), c.messages);
    }
    EXPECT_EQ(readAll(shortFile), QByteArray(100, 'x'));
    EXPECT_FALSE(QFile::exists(missing));
}

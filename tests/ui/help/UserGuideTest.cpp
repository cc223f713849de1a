#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include "ui/help/UserGuide.h"

namespace {

QString readAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The ids (and old-style names) a page offers as anchors.
QSet<QString> anchorsOf(const QString& html)
{
    static const QRegularExpression anchor(QStringLiteral(R"re((?:\bid|\bname)\s*=\s*"([^"]*)")re"));
    QSet<QString> anchors;
    for (auto it = anchor.globalMatch(html); it.hasNext();)
        anchors.insert(it.next().captured(1));
    return anchors;
}

// Every problem with the local links (href and src) of the pages in folder:
// a missing file, a missing anchor, a link out of the folder (the installed
// guide has nothing beside it) or anything fetched from the network.
QStringList linkProblems(const QString& folder)
{
    static const QRegularExpression link(QStringLiteral(R"re(\b(href|src)\s*=\s*"([^"]*)")re"));
    QStringList problems;
    const QDir root(folder);
    QDirIterator pages(folder, {QStringLiteral("*.html")}, QDir::Files, QDirIterator::Subdirectories);
    while (pages.hasNext()) {
        const QString page = pages.next();
        const QString name = root.relativeFilePath(page);
        const QString html = readAll(page);
        for (auto it = link.globalMatch(html); it.hasNext();) {
            const auto match = it.next();
            const QString attribute = match.captured(1);
            const QString target = match.captured(2);
            const QString where = name + QStringLiteral(": ") + attribute + QStringLiteral("=\"") + target + '"';
            if (target.startsWith(QLatin1String("mailto:")))
                continue;
            if (target.contains(QLatin1String("://")) || target.startsWith(QLatin1String("//"))) {
                // Pages may point at the web, but never load anything from it.
                if (attribute == QLatin1String("src") || html.mid(match.capturedStart() - 40, 40).contains(QLatin1String("<link")))
                    problems << where + QStringLiteral(" loads from the network");
                continue;
            }
            const qsizetype hash = target.indexOf('#');
            const QString file = hash < 0 ? target : target.left(hash);
            const QString fragment = hash < 0 ? QString() : target.mid(hash + 1);
            const QString resolved = file.isEmpty() ? page : QFileInfo(page).dir().absoluteFilePath(file);
            const QString relative = root.relativeFilePath(QDir::cleanPath(resolved));
            if (target.isEmpty() || relative.startsWith(QLatin1String("..")) || QDir::isAbsolutePath(file)) {
                problems << where + QStringLiteral(" leaves the guide");
                continue;
            }
            if (!QFileInfo(resolved).isFile()) {
                problems << where + QStringLiteral(" names a missing file");
                continue;
            }
            if (!fragment.isEmpty() && !anchorsOf(readAll(resolved)).contains(fragment))
                problems << where + QStringLiteral(" names a missing anchor");
        }
    }
    return problems;
}

} // namespace

// Run from the build tree, the program finds the guide in the source tree.
TEST(UserGuide, IndexIsFoundFromTheBuildTree)
{
    const QString index = userGuideIndexPath();
    ASSERT_FALSE(index.isEmpty());
    EXPECT_TRUE(QFileInfo(index).isFile());
    EXPECT_EQ(QFileInfo(index).fileName(), QStringLiteral("index.html"));
    EXPECT_TRUE(readAll(index).contains(QLatin1String("Quillon Stickwell")));
}

// An installed guide beside the program wins over the source tree's.
TEST(UserGuide, InstalledCopyComesFirst)
{
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    const QString installed = prefix.path() + QStringLiteral("/share/doc/quillon-stickwell/guide/index.html");
    ASSERT_TRUE(writeFile(installed, "<html></html>"));
    QDir().mkpath(prefix.path() + QStringLiteral("/bin"));

    EXPECT_EQ(userGuideIndexPath(prefix.path() + QStringLiteral("/bin")), QDir::cleanPath(installed));
    // Without it (or with a folder in its place), the source tree's copy.
    const QString fromSource = userGuideIndexPath(prefix.path() + QStringLiteral("/elsewhere/bin"));
    EXPECT_NE(fromSource, QDir::cleanPath(installed));
    EXPECT_TRUE(fromSource.endsWith(QLatin1String("docs/guide/index.html")));
    ASSERT_TRUE(QFile::remove(installed));
    ASSERT_TRUE(QDir().mkpath(installed));
    EXPECT_EQ(userGuideIndexPath(prefix.path() + QStringLiteral("/bin")), fromSource);
}

// The link check itself finds each kind of broken link.
TEST(UserGuide, LinkCheckFindsBrokenLinks)
{
    struct Case {
        const char* page;
        const char* problem; // nullptr: no problem
    };
    const Case cases[] = {
        {R"(<a href="b.html">b</a> <a href="b.html#part">part</a> <a href="#top">top</a><h1 id="top">)", nullptr},
        {R"(<a href="https://www.qt.io/">Qt</a> <a href="mailto:someone@example.org">mail</a>)", nullptr},
        {R"(<a href="c.html">c</a>)", "names a missing file"},
        {R"(<a href="b.html#nowhere">b</a>)", "names a missing anchor"},
        {R"(<a href="#gone">here</a>)", "names a missing anchor"},
        {R"(<a href="../README.md">readme</a>)", "leaves the guide"},
        {R"(<a href="/etc/passwd">abs</a>)", "leaves the guide"},
        {R"(<img src="pic.png">)", "names a missing file"},
        {R"(<script src="https://example.org/x.js"></script>)", "loads from the network"},
        {R"(<link rel="stylesheet" href="https://example.org/x.css">)", "loads from the network"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        ASSERT_TRUE(writeFile(folder.path() + "/a.html", c.page));
        ASSERT_TRUE(writeFile(folder.path() + "/b.html", R"(<h2 id="part">Part</h2>)"));
        const QStringList problems = linkProblems(folder.path());
        if (!c.problem) {
            EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
        } else {
            ASSERT_EQ(problems.size(), 1) << problems.join('\n').toStdString();
            EXPECT_TRUE(problems.first().contains(QLatin1String(c.problem))) << problems.first().toStdString();
        }
    }
}

// Every local link of every page of the guide leads somewhere.
TEST(UserGuide, EveryLinkLeadsSomewhere)
{
    const QString index = userGuideIndexPath();
    ASSERT_FALSE(index.isEmpty());
    const QString folder = QFileInfo(index).absolutePath();
    const QStringList pages = QDir(folder).entryList({QStringLiteral("*.html")}, QDir::Files);
    for (const char* page : {"index.html", "getting-started.html", "windows.html", "printing.html", "merge-data.html"})
        EXPECT_TRUE(pages.contains(QLatin1String(page))) << page;
    const QStringList problems = linkProblems(folder);
    EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
}

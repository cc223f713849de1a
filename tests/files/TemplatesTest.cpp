#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "DesignFixtures.h"
#include "files/DesignFile.h"
#include "files/Templates.h"

TEST(Templates, CategoriesAndTemplatesAreListedFromTheFolders)
{
    QTemporaryDir dir;
    const QString root = dir.path();
    for (const char* folder : {"Standard/Business", "Standard/Old.bak", "Standard/.hidden", "Standard/Media",
                               "A4"})
        QDir(root).mkpath(folder);
    for (const char* file : {"Standard/Business/Blue card.cct", "Standard/Business/notes.txt",
                             "Standard/Business/Red.CCT"}) {
        QFile f(root + "/" + file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QStringList categories = listTemplateCategories("Standard", root);
    categories.sort();
    EXPECT_EQ(categories, QStringList({"Business", "Media"}));
    EXPECT_TRUE(listTemplateCategories("A4", root).isEmpty());
    QStringList templates = listTemplates("Standard", "Business", root);
    templates.sort();
    EXPECT_EQ(templates, QStringList({"Blue card", "Red"}));
}

TEST(Templates, ListedNamesLeadBackToTheRealFiles)
{
    QTemporaryDir dir;
    const QString root = dir.path();
    QDir(root).mkpath("Standard/Business");
    for (const char* file : {"Standard/Business/Red.CCT", "Standard/Business/Blue card.cct"}) {
        QFile f(root + "/" + file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    for (const QString& name : listTemplates("Standard", "Business", root)) {
        const QString path = templateFilePath("Standard", "Business", name, root);
        EXPECT_TRUE(QFile::exists(path)) << path.toStdString();
    }
    EXPECT_EQ(templateFilePath("Standard", "Business", "Red", root), root + "/Standard/Business/Red.CCT");
    EXPECT_EQ(templateFilePath("Standard", "Business", "New", root), root + "/Standard/Business/New.cct");
}

TEST(Templates, SaveAsTemplateStoresTheWizardType)
{
    struct Case {
        int entry;
        uint8_t stored;
    };
    const Case cases[] = {{0, 0}, {2, 2}, {3, 3}, {4, 6}};
    QTemporaryDir dir;
    for (const Case& c : cases) {
        DesignEditor e;
        e.manager().setLiveRegion({0, 0});
        e.manager().createText(1, 1);
        LayoutRecord layout = thirtyUpLayout();
        const QString path = dir.filePath(QString("t%1.cct").arg(c.entry));
        ASSERT_TRUE(saveAsTemplate(e.manager(), layout, "", 100, c.entry, path));
        EXPECT_EQ(layout.wizardType, c.stored);
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(uint8_t(f.readAll()[528 + 93]), c.stored);
    }
}

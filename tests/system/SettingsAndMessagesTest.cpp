#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "TestSupport.h"
#include "system/SettingsStore.h"

TEST(SettingsStore, KeysWithBackslashesPersist)
{
    QTemporaryDir dir;
    const QString key = SettingsStore::programKey() + "\\Options\\Grid";
    {
        SettingsStore store(dir.filePath("s.ini"));
        EXPECT_FALSE(store.keyExists(key));
        store.writeInteger(key, "GridSize", 12);
        store.writeString(key, "Name", "x y");
        EXPECT_TRUE(store.sync());
    }
    SettingsStore again(dir.filePath("s.ini"));
    EXPECT_TRUE(again.keyExists(key));
    EXPECT_EQ(again.readInteger(key, "GridSize"), 12);
    EXPECT_EQ(again.readString(key, "Name"), "x y");
    EXPECT_FALSE(again.readInteger(key, "Name").has_value());
    EXPECT_FALSE(again.readInteger(key, "Missing").has_value());
}

// Settings stored by earlier versions are found again under the same key.
TEST(SettingsStore, ProgramKeyKeepsItsName)
{
    EXPECT_EQ(SettingsStore::programKey(), "Software\\Zevcraft\\Morrowline\\Quillon Stickwell");
}

TEST(Messages, QuestionsTakeQueuedAnswers)
{
    MessageRecorder recorder;
    recordedMessages().queueAnswer(Messages::Answer::No);
    EXPECT_EQ(Messages::askYesNo("Delete?"), Messages::Answer::No);
    EXPECT_EQ(Messages::askYesNoCancel("Save?"), Messages::Answer::Yes);
    Messages::error("Broken");
    EXPECT_EQ(recorder.texts(), QStringList({"Delete?", "Save?", "Broken"}));
    EXPECT_EQ(recordedMessages().messages().back().kind, Messages::Kind::Error);
}

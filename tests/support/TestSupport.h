#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>

#include "system/Messages.h"

// Installs a recording message sink and a throwaway settings store for every test.
class StickwellTestEnvironment : public testing::Environment {
public:
    void SetUp() override;
    void TearDown() override;
};

// The sink every test's messages go to; cleared before each test by MessageRecorder.
Messages::RecordingSink& RecordedMessages();

// Clears the recorded messages for the scope of a test.
struct MessageRecorder {
    MessageRecorder() { RecordedMessages().clear(); }
    ~MessageRecorder() { RecordedMessages().clear(); }
    QStringList texts() const { return RecordedMessages().texts(); }
};

// Absolute path of a file under tests/data.
QString TestDataPath(const QString& relative);

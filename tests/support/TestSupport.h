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
Messages::RecordingSink& recordedMessages();

// Clears the recorded messages for the scope of a test.
struct MessageRecorder {
    MessageRecorder() { recordedMessages().clear(); }
    ~MessageRecorder() { recordedMessages().clear(); }
    QStringList texts() const { return recordedMessages().texts(); }
};

// Absolute path of a file under tests/data.
QString testDataPath(const QString& relative);

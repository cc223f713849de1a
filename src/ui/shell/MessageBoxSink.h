#pragma once
// The desktop program's message door: every message and question as a
// message box over the active window.

#include "system/Messages.h"

class MessageBoxSink : public Messages::Sink {
public:
    Messages::Answer show(const Messages::Message& message) override;
};

#include "system/Messages.h"

#include <cstdio>

namespace Messages {

namespace {
RecordingSink& fallbackSink()
{
    static RecordingSink sink;
    return sink;
}
Sink* g_sink = nullptr;
} // namespace

void install(Sink* sink) { g_sink = sink; }

Sink& current() { return g_sink ? *g_sink : fallbackSink(); }

void error(const QString& text) { current().show({Kind::Error, text, Buttons::Ok}); }

void information(const QString& text) { current().show({Kind::Information, text, Buttons::Ok}); }

Answer askYesNo(const QString& text) { return current().show({Kind::Confirmation, text, Buttons::YesNo}); }

Answer askYesNoCancel(const QString& text)
{
    return current().show({Kind::Confirmation, text, Buttons::YesNoCancel});
}

Answer RecordingSink::show(const Message& message)
{
    m_messages.push_back(message);
    if (message.buttons == Buttons::Ok)
        return Answer::Ok;
    if (!m_answers.empty()) {
        Answer answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    return m_default;
}

QStringList RecordingSink::texts() const
{
    QStringList out;
    for (const Message& m : m_messages)
        out << m.text;
    return out;
}

Answer StderrSink::show(const Message& message)
{
    std::fprintf(stderr, "%s\n", message.text.toLocal8Bit().constData());
    return message.buttons == Buttons::Ok ? Answer::Ok : Answer::Yes;
}

} // namespace Messages

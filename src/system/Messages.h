#pragma once
// The one door every message box, question and error goes through. The GUI
// installs a window-based sink; the CLI and the tests install a recording one.

#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

namespace Messages {

enum class Kind { Error, Information, Confirmation };
enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };

struct Message {
    Kind kind;
    QString text;
    Buttons buttons;
};

class Sink {
public:
    virtual ~Sink() = default;
    virtual Answer show(const Message& message) = 0;
};

// Installs the sink used by every call below; null restores the default
// recording sink. The caller keeps ownership.
void install(Sink* sink);
Sink& current();

void error(const QString& text);
void information(const QString& text);
Answer askYesNo(const QString& text);
Answer askYesNoCancel(const QString& text);

// Records every message; questions take queued answers, then the default.
class RecordingSink : public Sink {
public:
    Answer show(const Message& message) override;

    void queueAnswer(Answer answer) { m_answers.push_back(answer); }
    void setDefaultAnswer(Answer answer) { m_default = answer; }
    const std::vector<Message>& messages() const { return m_messages; }
    QStringList texts() const;
    void clear() { m_messages.clear(); m_answers.clear(); }

private:
    std::vector<Message> m_messages;
    std::deque<Answer> m_answers;
    Answer m_default = Answer::Yes;
};

// Prints errors and information to stderr and answers questions with Yes.
class StderrSink : public Sink {
public:
    Answer show(const Message& message) override;
};

} // namespace Messages

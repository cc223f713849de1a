#pragma once
// Turns SIGTERM, SIGHUP and SIGINT into a Qt signal on the event loop, so the
// program can store its settings when the session ends or it is asked to stop,
// instead of dying in the middle of whatever it was doing.

#include <QObject>

class QSocketNotifier;

class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void terminationRequested();

private:
    QSocketNotifier* m_notifier = nullptr;
};

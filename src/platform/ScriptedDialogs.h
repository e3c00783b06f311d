#pragma once
// A dialogs service without windows: records every message and answers questions from a queue.
// A question with no answer queued is recorded as unexpected and answered No, so a test can fail
// on it; file, colour and print dialogs answer from their own queues the same way.

#include "platform/Dialogs.h"

#include <QStringList>
#include <deque>
#include <vector>

namespace platform {

struct RecordedMessage {
    MessageKind kind;
    QString text;
    QString caption;
    bool unexpected = false;   // a question or dialog nobody scripted an answer for
};

class ScriptedDialogs : public Dialogs {
public:
    ScriptedDialogs();                 // installs itself
    ~ScriptedDialogs() override;       // restores the default service

    void message(MessageKind kind, const QString& text, const QString& caption) override;
    bool question(const QString& text, const QString& caption) override;
    QString openFileName(const QString& caption, const QString& dir, const QString& filter) override;
    QString saveFileName(const QString& caption, const QString& dir, const QString& filter) override;
    std::optional<QColor> chooseColor(const QColor& initial) override;
    bool setupPrinter(QPrinter& printer) override;

    void answer(bool yes) { answers.push_back(yes); }
    void answerFile(const QString& path) { files.push_back(path); }
    void answerColor(std::optional<QColor> c) { colors.push_back(c); }
    void answerPrint(bool ok) { prints.push_back(ok); }

    // Texts of all recorded messages and questions, in order.
    QStringList texts() const;
    // The recorded entries that nobody expected.
    std::vector<RecordedMessage> unexpected() const;
    void clear() { log.clear(); }

    std::vector<RecordedMessage> log;
    std::deque<bool> answers;
    std::deque<QString> files;
    std::deque<std::optional<QColor>> colors;
    std::deque<bool> prints;
    bool answerNoSilently = false;     // screenshot mode: every question is answered No, none is unexpected
private:
    bool installed_ = false;
    friend Dialogs& dialogs();
    struct DefaultTag {};
    explicit ScriptedDialogs(DefaultTag);
};

} // namespace platform

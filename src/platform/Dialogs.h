#pragma once
// The dialogs service: every message, question and standard dialog of the program goes through it.
// The program installs the Qt implementation (QtDialogs); tests and the screenshot mode install
// ScriptedDialogs, which records each message and answers questions from a queue.

#include <QColor>
#include <QString>
#include <optional>

class QPrinter;
class QWidget;

namespace platform {

enum class MessageKind { Information, Warning, Error, Question };

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A modal box with an OK button.
    virtual void message(MessageKind kind, const QString& text, const QString& caption) = 0;
    // A modal Yes/No box (はい / いいえ); true for Yes.
    virtual bool question(const QString& text, const QString& caption) = 0;
    // File dialogs; an empty text when cancelled.
    virtual QString openFileName(const QString& caption, const QString& dir, const QString& filter) = 0;
    virtual QString saveFileName(const QString& caption, const QString& dir, const QString& filter) = 0;
    // Colour dialog; nothing when cancelled.
    virtual std::optional<QColor> chooseColor(const QColor& initial) = 0;
    // The platform's print dialog for this printer; false when cancelled.
    virtual bool setupPrinter(QPrinter& printer) = 0;

    void information(const QString& text, const QString& caption) { message(MessageKind::Information, text, caption); }
    void warning(const QString& text, const QString& caption) { message(MessageKind::Warning, text, caption); }
    void error(const QString& text, const QString& caption) { message(MessageKind::Error, text, caption); }
};

// The installed service. Never null: until one is installed, a ScriptedDialogs that answers No.
Dialogs& dialogs();
// Installs a service (not owned); nullptr restores the default.
void setDialogs(Dialogs* d);

// The application title, the caption of most messages.
inline QString appTitle() { return QStringLiteral("カルネオ　フリー版"); }

} // namespace platform

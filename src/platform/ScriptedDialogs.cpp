#include "platform/ScriptedDialogs.h"

namespace platform {

namespace {
Dialogs* g_installed = nullptr;
}

Dialogs& dialogs()
{
    if (g_installed)
        return *g_installed;
    static ScriptedDialogs fallback{ScriptedDialogs::DefaultTag{}};
    return fallback;
}

void setDialogs(Dialogs* d) { g_installed = d; }

ScriptedDialogs::ScriptedDialogs() : installed_(true) { setDialogs(this); }

ScriptedDialogs::ScriptedDialogs(DefaultTag) { answerNoSilently = true; }

ScriptedDialogs::~ScriptedDialogs()
{
    if (installed_ && g_installed == this)
        setDialogs(nullptr);
}

void ScriptedDialogs::message(MessageKind kind, const QString& text, const QString& caption)
{
    log.push_back({kind, text, caption, false});
}

bool ScriptedDialogs::question(const QString& text, const QString& caption)
{
    RecordedMessage m{MessageKind::Question, text, caption, false};
    bool yes = false;
    if (!answers.empty()) {
        yes = answers.front();
        answers.pop_front();
    } else {
        m.unexpected = !answerNoSilently;
    }
    log.push_back(m);
    return yes;
}

QString ScriptedDialogs::openFileName(const QString& caption, const QString&, const QString&)
{
    if (files.empty()) {
        log.push_back({MessageKind::Question, QStringLiteral("<open file>"), caption, !answerNoSilently});
        return {};
    }
    QString f = files.front();
    files.pop_front();
    return f;
}

QString ScriptedDialogs::saveFileName(const QString& caption, const QString& dir, const QString& filter)
{
    return openFileName(caption, dir, filter);
}

std::optional<QColor> ScriptedDialogs::chooseColor(const QColor&)
{
    if (colors.empty()) {
        log.push_back({MessageKind::Question, QStringLiteral("<colour>"), QString(), !answerNoSilently});
        return std::nullopt;
    }
    auto c = colors.front();
    colors.pop_front();
    return c;
}

bool ScriptedDialogs::setupPrinter(QPrinter&)
{
    if (prints.empty()) {
        log.push_back({MessageKind::Question, QStringLiteral("<print>"), QString(), !answerNoSilently});
        return false;
    }
    bool ok = prints.front();
    prints.pop_front();
    return ok;
}

QStringList ScriptedDialogs::texts() const
{
    QStringList out;
    for (const auto& m : log)
        out << m.text;
    return out;
}

std::vector<RecordedMessage> ScriptedDialogs::unexpected() const
{
    std::vector<RecordedMessage> out;
    for (const auto& m : log)
        if (m.unexpected)
            out.push_back(m);
    return out;
}

} // namespace platform

#pragma once
// The dialogs service of the running program: Qt's message boxes and standard dialogs, each modal
// over the active window. Creating it installs it; destroying it restores the default service.

#include "platform/Dialogs.h"

namespace platform {

class QtDialogs : public Dialogs {
public:
    QtDialogs();
    ~QtDialogs() override;
    QtDialogs(const QtDialogs&) = delete;
    QtDialogs& operator=(const QtDialogs&) = delete;

    void message(MessageKind kind, const QString& text, const QString& caption) override;
    bool question(const QString& text, const QString& caption) override;
    // filter in Qt's form: "CSVファイル (*.csv);;すべてのファイル (*)".
    QString openFileName(const QString& caption, const QString& dir, const QString& filter) override;
    QString saveFileName(const QString& caption, const QString& dir, const QString& filter) override;
    std::optional<QColor> chooseColor(const QColor& initial) override;
    bool setupPrinter(QPrinter& printer) override;
};

} // namespace platform

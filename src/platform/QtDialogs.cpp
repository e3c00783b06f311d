#include "platform/QtDialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace platform {

namespace {

QWidget* parentWindow() { return QApplication::activeWindow(); }

QMessageBox::Icon iconFor(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Information: return QMessageBox::Information;
    case MessageKind::Warning: return QMessageBox::Warning;
    case MessageKind::Error: return QMessageBox::Critical;
    case MessageKind::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

// Message texts join their lines with a carriage return; a label breaks only on "\n".
QString displayText(const QString& text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(u'\r', u'\n');
    return t;
}

} // namespace

QtDialogs::QtDialogs() { setDialogs(this); }

QtDialogs::~QtDialogs()
{
    if (&dialogs() == this)
        setDialogs(nullptr);
}

void QtDialogs::message(MessageKind kind, const QString& text, const QString& caption)
{
    QMessageBox box(iconFor(kind), caption, displayText(text), QMessageBox::NoButton, parentWindow());
    box.setTextFormat(Qt::PlainText);
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

bool QtDialogs::question(const QString& text, const QString& caption)
{
    QMessageBox box(QMessageBox::Question, caption, displayText(text), QMessageBox::NoButton,
                    parentWindow());
    box.setTextFormat(Qt::PlainText);
    QPushButton* yes = box.addButton(QStringLiteral("はい"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("いいえ"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);   // Esc or closing the box means No
    box.exec();
    return box.clickedButton() == yes;
}

QString QtDialogs::openFileName(const QString& caption, const QString& dir, const QString& filter)
{
    return QFileDialog::getOpenFileName(parentWindow(), caption, dir, filter);
}

QString QtDialogs::saveFileName(const QString& caption, const QString& dir, const QString& filter)
{
    return QFileDialog::getSaveFileName(parentWindow(), caption, dir, filter);
}

std::optional<QColor> QtDialogs::chooseColor(const QColor& initial)
{
    const QColor c = QColorDialog::getColor(initial, parentWindow());
    if (!c.isValid())
        return std::nullopt;
    return c;
}

bool QtDialogs::setupPrinter(QPrinter& printer)
{
    QPrintDialog dlg(&printer, parentWindow());
    return dlg.exec() == QDialog::Accepted;
}

} // namespace platform

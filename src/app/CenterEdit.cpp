#include "app/CenterEdit.h"

TCenterEdit::TCenterEdit(QWidget* parent)
    : TCenterEdit(QString(), parent)
{
}

TCenterEdit::TCenterEdit(const QString& text, QWidget* parent)
    : QLineEdit(text, parent)
{
    setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
}

#include "app/RightEdit.h"

TRightEdit::TRightEdit(QWidget* parent)
    : TRightEdit(QString(), parent)
{
}

TRightEdit::TRightEdit(const QString& text, QWidget* parent)
    : QLineEdit(text, parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

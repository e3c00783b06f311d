#pragma once
// A single-line edit box that shows its text right-aligned: the numeric and code fields of the
// entry screens.

#include <QLineEdit>

class TRightEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TRightEdit(QWidget* parent = nullptr);
    explicit TRightEdit(const QString& text, QWidget* parent = nullptr);
};

#pragma once
// A single-line edit box that shows its text centred: the fiscal-year field of the company data
// screen.

#include <QLineEdit>

class TCenterEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TCenterEdit(QWidget* parent = nullptr);
    explicit TCenterEdit(const QString& text, QWidget* parent = nullptr);
};

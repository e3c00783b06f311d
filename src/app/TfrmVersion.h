#pragma once
// The version dialog (バージョン情報): the program's name, its version, the versions of the libraries
// it runs with, and its licence.

#include <QDialog>

class QLabel;
class QPushButton;

namespace app {

// The program's version as CMake sets it (the same text as "karuneo --version").
QString programVersion();
// "Qt 6.4.2", "SQLite 3.40.1", "ICU 72.1", "poppler 22.12.0": the libraries in use at run time.
QStringList libraryVersions();

class TfrmVersion : public QDialog {
    Q_OBJECT
public:
    explicit TfrmVersion(QWidget* parent = nullptr);

    QLabel* lblName = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblLibraries = nullptr;
    QLabel* lblLicense = nullptr;
    QPushButton* btnOK = nullptr;
};

} // namespace app

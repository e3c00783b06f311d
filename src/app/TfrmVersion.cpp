#include "app/TfrmVersion.h"

#include "Version.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <poppler-version.h>
#include <sqlite3.h>
#include <unicode/uversion.h>

namespace app {

QString programVersion() { return QStringLiteral(KARUNEO_VERSION); }

QStringList libraryVersions()
{
    UVersionInfo icu;
    u_getVersion(icu);
    char icuText[U_MAX_VERSION_STRING_LENGTH] = {};
    u_versionToString(icu, icuText);
    return {QStringLiteral("Qt ") + QString::fromLatin1(qVersion()),
            QStringLiteral("SQLite ") + QString::fromLatin1(sqlite3_libversion()),
            QStringLiteral("ICU ") + QString::fromLatin1(icuText),
            QStringLiteral("poppler ") + Poppler::Version::string()};
}

TfrmVersion::TfrmVersion(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmVersion"));
    setWindowTitle(QStringLiteral("バージョン情報"));

    lblName = new QLabel(QStringLiteral("カルネオ　フリー版"), this);
    QFont big = lblName->font();
    big.setPointSize(big.pointSize() + 5);
    big.setBold(true);
    lblName->setFont(big);
    lblVersion = new QLabel(QStringLiteral("バージョン ") + programVersion(), this);
    lblLibraries = new QLabel(QStringLiteral("使用ライブラリ: ") + libraryVersions().join(QStringLiteral(", ")), this);
    lblLibraries->setWordWrap(true);
    lblLicense = new QLabel(QStringLiteral("このプログラムはフリーソフトウェアです。GNU 一般公衆利用許諾書 (GPL) "
                                           "バージョン 3 またはそれ以降のバージョン (GPL-3.0-or-later) の条件で再配布・"
                                           "改変できます。無保証です。全文は同梱の LICENSE ファイルをご覧ください。"),
                            this);
    lblLicense->setWordWrap(true);
    for (QLabel* l : {lblName, lblVersion, lblLibraries, lblLicense})
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblName);
    layout->addWidget(lblVersion);
    layout->addSpacing(8);
    layout->addWidget(lblLibraries);
    layout->addWidget(lblLicense);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(btnOK);
    layout->addLayout(row);
    setFixedWidth(460);
}

} // namespace app

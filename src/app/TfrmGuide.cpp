#include "app/TfrmGuide.h"

#include "app/GuideInstall.h"
#include "platform/Dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace app {

TfrmGuide::TfrmGuide(const QString& programDir, QWidget* parent)
    : QDialog(parent), indexPath_(guideIndexPath(programDir))
{
    setObjectName(QStringLiteral("frmGuide"));
    setWindowTitle(QStringLiteral("ご利用案内"));
    resize(820, 640);

    Browser = new QTextBrowser(this);
    Browser->setObjectName(QStringLiteral("Browser"));
    Browser->setOpenExternalLinks(true);   // http(s) links leave the program; file links stay here
    btnBack = new QPushButton(QStringLiteral("戻る"), this);
    btnIndex = new QPushButton(QStringLiteral("目次"), this);
    btnClose = new QPushButton(QStringLiteral("閉じる"), this);
    btnBack->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnBack);
    buttons->addWidget(btnIndex);
    buttons->addStretch();
    buttons->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Browser);
    layout->addLayout(buttons);

    connect(Browser, &QTextBrowser::backwardAvailable, btnBack, &QPushButton::setEnabled);
    connect(btnBack, &QPushButton::clicked, Browser, &QTextBrowser::backward);
    connect(btnIndex, &QPushButton::clicked, this, [this] { showIndex(); });
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
}

bool TfrmGuide::showIndex()
{
    if (!QFileInfo::exists(indexPath_))
        return false;
    Browser->setSource(QUrl::fromLocalFile(indexPath_));
    return true;
}

void runTfrmGuide(const QString& programDir, QWidget* parent)
{
    TfrmGuide guide(programDir, parent);
    if (!guide.showIndex()) {
        platform::dialogs().information(QStringLiteral("ご利用案内が見つかりません。") + QDir::toNativeSeparators(guide.indexPath())
                                            + QStringLiteral("\n「karuneo --init」で作り直すことができます。"),
                                        platform::appTitle());
        return;
    }
    guide.exec();
}

} // namespace app

#include "reports/PrintMain.h"

#include "data/DataModule.h"
#include "platform/BusyCursor.h"
#include "platform/Dialogs.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QSlider>
#include <QVBoxLayout>
#include <poppler-qt6.h>

namespace reports {

namespace {

QString previewFile()
{
    return data::TFDM::hasCurrent() ? data::TFDM::current().state.PreviewFile : QString();
}

} // namespace

TfrmPrintPreview::TfrmPrintPreview(QWidget* parent)
    : QDialog(parent)
    , printer_(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setObjectName(QStringLiteral("frmPrintPreview"));
    setWindowTitle(QStringLiteral("印刷プレピュー"));
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
    setWindowState(Qt::WindowMaximized);

    labPage = new QLabel(this);
    labPage->setObjectName(QStringLiteral("labPage"));
    labPage->setMinimumWidth(90);
    cmdPage = new QScrollBar(Qt::Horizontal, this);
    cmdPage->setObjectName(QStringLiteral("cmdPage"));
    cmdPage->setPageStep(1);
    cmdPage->setMinimumWidth(200);
    labZoom = new QLabel(this);
    labZoom->setObjectName(QStringLiteral("labZoom"));
    labZoom->setMinimumWidth(90);
    cmdZoom = new QSlider(Qt::Horizontal, this);
    cmdZoom->setObjectName(QStringLiteral("cmdZoom"));
    cmdZoom->setRange(1, 6);
    cmdZoom->setPageStep(1);
    cmdZoom->setValue(4);
    cmdZoom->setTickPosition(QSlider::TicksBelow);
    cmdZoom->setTickInterval(1);
    cmdZoom->setFixedWidth(150);
    cmdPrint = new QPushButton(QStringLiteral("印刷(&P)"), this);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    cmdClose = new QPushButton(QStringLiteral("閉じる(&C)"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdPrint->setAutoDefault(false);
    cmdClose->setAutoDefault(false);

    pageView = new QLabel;
    pageView->setObjectName(QStringLiteral("pageView"));
    pageView->setAlignment(Qt::AlignCenter);
    PView = new QScrollArea(this);
    PView->setObjectName(QStringLiteral("PView"));
    PView->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    PView->setBackgroundRole(QPalette::Dark);
    PView->setWidget(pageView);
    PView->setWidgetResizable(false);

    auto* bar = new QHBoxLayout;
    bar->addWidget(labPage);
    bar->addWidget(cmdPage, 1);
    bar->addSpacing(16);
    bar->addWidget(labZoom);
    bar->addWidget(cmdZoom);
    bar->addSpacing(16);
    bar->addWidget(cmdPrint);
    bar->addWidget(cmdClose);
    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(6, 6, 6, 6);
    main->addLayout(bar);
    main->addWidget(PView, 1);
    resize(900, 700);

    connect(cmdZoom, &QSlider::valueChanged, this, &TfrmPrintPreview::cmdZoomChange);
    connect(cmdPage, &QScrollBar::valueChanged, this, &TfrmPrintPreview::cmdPageScroll);
    connect(cmdPrint, &QPushButton::clicked, this, &TfrmPrintPreview::cmdPrintClick);
    connect(cmdClose, &QPushButton::clicked, this, &TfrmPrintPreview::cmdCloseClick);
}

TfrmPrintPreview::~TfrmPrintPreview() = default;

int TfrmPrintPreview::pageCount() const
{
    return doc_ ? doc_->numPages() : 0;
}

int TfrmPrintPreview::zoomPercent() const
{
    return cmdZoom->value() * 25;
}

void TfrmPrintPreview::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Once per showing, after the window is on the screen; a window restored from the task bar
    // (a spontaneous show) keeps its page and zoom.
    if (!event->spontaneous())
        QMetaObject::invokeMethod(this, &TfrmPrintPreview::FormActivate, Qt::QueuedConnection);
}

void TfrmPrintPreview::FormActivate()
{
    if (!isVisible())
        return;
    const QString file = previewFile();
    if (file.isEmpty() || !QFile::exists(file)) {
        platform::dialogs().warning(QDir::toNativeSeparators(file) + QStringLiteral("が見つかりません"),
                                    platform::appTitle());
        close();
        return;
    }

    platform::BusyCursor busy;
    doc_ = Poppler::Document::load(file);
    if (doc_ && doc_->isLocked())
        doc_.reset();
    if (doc_) {
        doc_->setRenderHint(Poppler::Document::Antialiasing);
        doc_->setRenderHint(Poppler::Document::TextAntialiasing);
    }
    const int pages = pageCount();
    labZoom->setText(QStringLiteral("拡大率%1%").arg(zoomPercent()));
    labPage->setText(QStringLiteral("頁 %1/%2").arg(pages > 0 ? 1 : 0).arg(pages));
    {
        // A document without pages (or one that cannot be read) shows an empty view.
        const QSignalBlocker block(cmdPage);
        cmdPage->setRange(1, qMax(1, pages));
        cmdPage->setValue(1);
    }
    cmdPage->setEnabled(pages > 1);
    cmdPrint->setEnabled(pages > 0);
    showPage();
    busy.end();
    if (!doc_)
        platform::dialogs().warning(QDir::toNativeSeparators(file) + QStringLiteral("を開くことができません"),
                                    platform::appTitle());
}

void TfrmPrintPreview::showPage()
{
    const int index = cmdPage->value() - 1;
    if (!doc_ || index < 0 || index >= doc_->numPages()) {
        pageView->clear();
        pageView->resize(0, 0);
        return;
    }
    const std::unique_ptr<Poppler::Page> page(doc_->page(index));
    const double dpi = logicalDpiX() * zoomPercent() / 100.0;
    QImage image = page ? page->renderToImage(dpi, dpi) : QImage();
    pageView->setPixmap(QPixmap::fromImage(std::move(image)));
    pageView->adjustSize();
}

void TfrmPrintPreview::cmdZoomChange()
{
    labZoom->setText(QStringLiteral("拡大率%1%").arg(zoomPercent()));
    platform::BusyCursor busy;
    showPage();
}

void TfrmPrintPreview::cmdPageScroll()
{
    labPage->setText(QStringLiteral("頁 %1/%2").arg(cmdPage->value()).arg(cmdPage->maximum()));
    platform::BusyCursor busy;
    showPage();
}

void TfrmPrintPreview::cmdPrintClick()
{
    const int pages = pageCount();
    if (pages == 0)
        return;
    QPrinter& p = *printer_;
    p.setPageSize(QPageSize(QPageSize::A4));
    p.setPageOrientation(QPageLayout::Portrait);
    p.setFullPage(true);
    p.setCopyCount(1);
    p.setFromTo(1, pages);
    p.setPrintRange(QPrinter::AllPages);
    const QString title = doc_->info(QStringLiteral("Title"));
    p.setDocName(title.isEmpty() ? windowTitle() : title);
    if (!platform::dialogs().setupPrinter(p))
        return;   // cancelled by the user: no error
    if (!printDocument())
        platform::dialogs().warning(QStringLiteral("印刷処理でエラーが発生しました。"), platform::appTitle());
}

bool TfrmPrintPreview::printDocument()
{
    QPrinter& p = *printer_;
    const int pages = pageCount();
    int from = 1;
    int to = pages;
    if (p.printRange() == QPrinter::PageRange && p.fromPage() > 0) {
        from = qMax(1, p.fromPage());
        to = qMin(pages, p.toPage() > 0 ? p.toPage() : pages);
    }
    platform::BusyCursor busy;
    QPainter painter;
    if (!painter.begin(&p))
        return false;
    // Vector output: text stays text on the printer.
    doc_->setRenderBackend(Poppler::Document::QPainterBackend);
    bool ok = true;
    for (int n = from; n <= to && ok; ++n) {
        if (n > from && !p.newPage()) {
            ok = false;
            break;
        }
        const std::unique_ptr<Poppler::Page> page(doc_->page(n - 1));
        const double dpi = p.resolution();
        ok = page && page->renderToPainter(&painter, dpi, dpi);
    }
    doc_->setRenderBackend(Poppler::Document::SplashBackend);
    ok = painter.end() && ok;
    return ok;
}

void TfrmPrintPreview::cmdCloseClick()
{
    close();
}

void TfrmPrintPreview::done(int result)
{
    pageView->clear();
    doc_.reset();
    const QString file = previewFile();
    if (!file.isEmpty())
        QFile::remove(file);
    QDialog::done(result);
}

} // namespace reports

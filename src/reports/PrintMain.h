#pragma once
// The print preview: shows the document a report has just written (the application state's
// PreviewFile), pages and zooms through it, prints it, and deletes the file however it is closed.
// The screen is made once and shown modally by each report; every showing reads PreviewFile anew.

#include <QDialog>
#include <memory>

class QLabel;
class QPrinter;
class QPushButton;
class QScrollArea;
class QScrollBar;
class QSlider;
namespace Poppler {
class Document;
}

namespace reports {

class TfrmPrintPreview : public QDialog {
    Q_OBJECT
public:
    explicit TfrmPrintPreview(QWidget* parent = nullptr);
    ~TfrmPrintPreview() override;

    QScrollArea* PView = nullptr;    // the page, rendered at the zoom
    QLabel* pageView = nullptr;      // inside PView
    QLabel* labPage = nullptr;       // "頁 2/5"
    QScrollBar* cmdPage = nullptr;   // 1 .. number of pages
    QLabel* labZoom = nullptr;       // "拡大率100%"
    QSlider* cmdZoom = nullptr;      // 1 .. 6, times 25 percent
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdClose = nullptr;

    // The printer the print dialog starts from; it keeps the user's choices between prints.
    QPrinter& printer() { return *printer_; }
    int pageCount() const;
    int zoomPercent() const;

    // Opens PreviewFile and shows page 1; a missing file is reported and closes the preview.
    void FormActivate();
    void cmdZoomChange();
    void cmdPageScroll();
    void cmdPrintClick();
    void cmdCloseClick();

    // Every way of closing ends here: the document is released and its file deleted.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showPage();
    bool printDocument();

    std::unique_ptr<Poppler::Document> doc_;
    std::unique_ptr<QPrinter> printer_;
};

} // namespace reports

#pragma once
// The usage guide (ご利用案内): the guide's pages from the program folder in a window of the program,
// for desktops without a web browser. Links between the pages are followed inside the window; links
// to other sites go to the desktop's browser.

#include <QDialog>

class QPushButton;
class QTextBrowser;

namespace app {

class TfrmGuide : public QDialog {
    Q_OBJECT
public:
    // programDir ends with '/'; the first page is programDir + "Zododi_Ziraz.html".
    explicit TfrmGuide(const QString& programDir, QWidget* parent = nullptr);

    // Shows the first page; false when the guide is not in the program folder.
    bool showIndex();
    QString indexPath() const { return indexPath_; }

    QTextBrowser* Browser = nullptr;
    QPushButton* btnBack = nullptr;
    QPushButton* btnIndex = nullptr;
    QPushButton* btnClose = nullptr;

private:
    QString indexPath_;
};

// The menu command: shows the guide modally, or says that it is missing.
void runTfrmGuide(const QString& programDir, QWidget* parent);

} // namespace app

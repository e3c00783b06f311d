#pragma once
// The report writer: fills a layout (ReportLayout.h) page by page and writes the pages into a PDF
// document, which the print preview shows and prints.
//
// The calling order of a report:
//   ReportWriter w;
//   w.setFormName(layoutPath(reportDir, "PrintSyainSalaryList"));
//   w.setImageFileName(reportDir + "wkPrintSyainSalaryList.rdf");
//   const QString document = w.imageFileName();    // the file the preview will open
//   w.setDocName("グループ別社員賃金レポート");
//   if (!w.startJob()) return;                     // the message has been shown
//   w.setFontSize(100);
//   ... setFieldText / drawText / drawLine ...; printPage(); newPage(); ...
//   w.printPage(); w.newPage(); w.endJob();
//
// The document gets a name of its own (the requested name with a unique part, extension .pdf), so
// two reports never share a file; whoever shows it deletes it. A job that is never ended leaves no
// file behind.
//
// Pages: startJob opens the first page. printPage puts the current page into the document;
// newPage starts an empty one (field texts, colours and images are cleared, the layout's static
// content comes back). endJob drops a page that was started but not printed, so the usual ending
// "print the page, start a new one, end" adds no empty page.
//
// Every call that puts something on a page is also recorded (operations()), so tests can check
// what a report printed without looking at pixels.
//
// Text drawn into a rectangle (drawText) is one line whose top is the rectangle's top; the reports
// move a cell down inside its line by a top padding. Text too wide for its rectangle or field is
// narrowed to fit while char overflow is on (the default).
//
// Needs a QGuiApplication (fonts). Not thread-safe; one writer per report.

#include "reports/ReportLayout.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class QPainter;
class QPdfWriter;

namespace reports {

// One recorded call. page is the number of the page being filled (1 for the first page).
struct ReportOp {
    enum class Kind {
        FieldText,    // field, text
        FieldColor,   // field, color
        FieldImage,   // field, text = the image file as given, file = the file found ("" when none)
        Text,         // rect, text, align, fontSize (percent)
        Line,         // from, to, lineStyle, lineWidth
        PageBreak,    // the page was printed into the document
    };
    Kind kind = Kind::Text;
    int page = 0;
    QString field;
    QString text;
    QString file;
    QColor color;
    LayoutRect rect;
    Align align = Align::Left;
    int fontSize = 100;
    QPoint from;
    QPoint to;
    int lineStyle = 0;
    int lineWidth = 0;
};

class ReportWriter {
public:
    ReportWriter();
    ~ReportWriter();
    ReportWriter(const ReportWriter&) = delete;
    ReportWriter& operator=(const ReportWriter&) = delete;

    // The layout file; it is read by startJob.
    void setFormName(const QString& layoutFile);
    QString formName() const { return formName_; }
    // On (the default): text wider than its rectangle is narrowed to fit; off: it runs over.
    void setCharOverflow(bool fit) { charOverflow_ = fit; }

    // The requested document file. The document is written to a new file of that folder (or the
    // system's temporary folder when that one cannot be written), named after it with a unique
    // part; imageFileName() then gives that file. Setting it again frees the earlier reservation.
    void setImageFileName(const QString& requested);
    QString imageFileName() const { return document_; }
    // The title of the document (PDF title; the preview names its print job after it).
    void setDocName(const QString& name) { docName_ = name; }
    QString docName() const { return docName_; }
    // The folder in which relative image file names are looked up (the employee photos).
    void setImagePath(const QString& folder) { imagePath_ = folder; }

    // Reads the layout and opens the document with its first page. A missing layout shows
    // "帳票レイアウトファイルが見つかりません。" + path, a broken one its own message; false then, and
    // nothing further is written.
    bool startJob();
    bool jobStarted() const { return painter_ != nullptr; }
    // Size of text drawn by drawText, in percent of the layout's font size.
    void setFontSize(int percent) { fontSize_ = percent; }

    // The rectangle of a layout field (text or image), in layout units; all zero for a name the
    // layout does not have. Valid once startJob has read the layout.
    LayoutRect fieldRect(const QString& name) const;
    bool hasField(const QString& name) const;

    // Field values of the current page. Names the layout does not know are recorded but not drawn
    // (see unknownFields()).
    void setFieldText(const QString& name, const QString& text);
    void setFieldColor(const QString& name, const QColor& color);   // the field's text colour
    // An image file: a relative name is looked up inside the image path (never outside it).
    void setImageField(const QString& name, const QString& file);

    void drawText(const LayoutRect& rect, const QString& text, Align align);
    void setLineStyle(int style) { lineStyle_ = style; }   // 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot
    void setLineWidth(int width) { lineWidth_ = width; }   // 0 the thinnest rule (0.1 mm), n: n x 0.1 mm
    void drawLine(int x1, int y1, int x2, int y2);

    // Puts the current page into the document.
    void printPage();
    // Starts an empty page.
    void newPage();
    // Closes the document. False (after a message) when it could not be written; the file is then
    // removed. Afterwards the file belongs to the caller.
    bool endJob();

    // Pages put into the document so far.
    int pageCount() const { return printedPages_; }
    // The calls recorded so far, in order.
    const std::vector<ReportOp>& operations() const { return ops_; }
    // Recording can be switched off for very long reports; it is on by default.
    void setRecording(bool on) { recording_ = on; }
    // Field names set during the job that the layout does not have, each once.
    QStringList unknownFields() const { return unknownFields_; }

private:
    struct FieldValue {
        std::optional<QString> text;
        std::optional<QColor> color;
        QString image;   // resolved file
    };
    struct PageText {
        LayoutRect rect;
        QString text;
        Align align;
        int fontSize;
    };
    struct PageLine {
        QPoint from, to;
        int style, width;
    };
    struct PageItem {   // drawn by the program, in call order
        std::optional<PageText> text;
        std::optional<PageLine> line;
    };

    void record(ReportOp op);
    void noteUnknown(const QString& name);
    void renderPage();
    void releaseDocument(bool keepFile);
    QString resolveImage(const QString& file) const;

    QString formName_;
    QString requested_;
    QString document_;
    QString docName_;
    QString imagePath_;
    bool charOverflow_ = true;
    int fontSize_ = 100;
    int lineStyle_ = 0;
    int lineWidth_ = 0;

    std::optional<ReportLayout> layout_;
    std::unique_ptr<QPdfWriter> pdf_;
    std::unique_ptr<QPainter> painter_;
    bool ended_ = false;
    int page_ = 0;            // number of the page being filled
    int printedPages_ = 0;
    std::map<QString, FieldValue> fields_;
    std::vector<PageItem> items_;

    bool recording_ = true;
    std::vector<ReportOp> ops_;
    QStringList unknownFields_;
};

} // namespace reports

#pragma once
// Report layouts: what a printed page holds before the program writes anything on it. A layout is a
// JSON file in the program's Report/ folder (format described in resources/reports/README.md):
// the page (A4 portrait), the font of the text the program draws, static boxes, lines and texts
// that appear on every page, and the named text and image fields the program fills per page.
//
// All coordinates are layout units of 0.01 mm from the top-left corner of the sheet, so the A4
// page is 21000 x 29700 units. The reports place their lines in these units (a detail line is
// 508 units, 0.2 inch, high), which is why the unit is this fine.

#include <QColor>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace reports {

// Horizontal alignment; the values are the program's alignment codes (0 left, 1 right, 2 centre).
enum class Align { Left = 0, Right = 1, Center = 2 };
enum class VAlign { Top, Center, Bottom };

// A rectangle by its edges, in layout units. right and bottom are the far edges (width = right - left).
struct LayoutRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    LayoutRect moved(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    bool operator==(const LayoutRect&) const = default;
};

struct TextStyle {
    double size = 9;                // points
    bool bold = false;
    Align align = Align::Left;
    VAlign valign = VAlign::Center;
    QColor color = Qt::black;
    QColor fill;                    // invalid: no background
    int border = 0;                 // frame width in layout units; 0: no frame
    QColor borderColor = Qt::black;
};

// A named text field. It is drawn only on pages where the program gave it a text.
struct LayoutField {
    QString name;
    LayoutRect rect;
    TextStyle style;
};

// A named image field: the picture is fitted into the rectangle keeping its proportions.
struct LayoutImage {
    QString name;
    LayoutRect rect;
    int border = 0;
    QColor borderColor = Qt::black;
};

// Text printed on every page. "{page}" stands for the page number.
struct LayoutText {
    QString text;
    LayoutRect rect;
    TextStyle style;
};

struct LayoutLine {
    QPoint from;
    QPoint to;
    int width = 0;                  // layout units; 0: the thinnest rule
    QColor color = Qt::black;
};

struct LayoutBox {
    LayoutRect rect;
    int width = 0;                  // frame width; 0: no frame
    QColor color = Qt::black;
    QColor fill;                    // invalid: not filled
};

struct ReportLayout {
    QString name;
    QString fontFamily = QStringLiteral("IPAPGothic");
    double bodySize = 9;            // points of text drawn by the program at font size 100
    std::vector<LayoutBox> boxes;
    std::vector<LayoutLine> lines;
    std::vector<LayoutText> texts;
    std::vector<LayoutField> fields;
    std::vector<LayoutImage> images;

    const LayoutField* field(const QString& name) const;
    const LayoutImage* image(const QString& name) const;
};

// Page size in layout units.
inline constexpr int kPageWidth = 21000;
inline constexpr int kPageHeight = 29700;

// Reads a layout file. Nothing when the file cannot be read or is not a valid layout; *error (when
// given) then says what is wrong (the file's path is not part of it).
std::optional<ReportLayout> readReportLayout(const QString& path, QString* error);
// The same for layout text already in memory.
std::optional<ReportLayout> parseReportLayout(const QByteArray& json, QString* error);

// The names of the layouts the program ships ("PrintSyainSalaryList", ...).
QStringList shippedLayoutNames();
// The file of a layout in the report folder: reportDir + name + ".json".
QString layoutPath(const QString& reportDir, const QString& name);
// Copies every shipped layout that is missing in reportDir (which must exist); an existing file is
// never overwritten. False when a copy failed; *error (when given) names the file.
bool installReportLayouts(const QString& reportDir, QString* error = nullptr);

} // namespace reports

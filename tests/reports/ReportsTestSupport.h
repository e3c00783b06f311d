#pragma once
// Helpers of the report tests: the application object (fonts and widgets need one), small layout
// files, and reading back a written PDF.

#include <QApplication>
#include <QFile>
#include <QString>
#include <memory>
#include <poppler-qt6.h>

inline void ensureApplication()
{
    if (QApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "test_reports";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

inline bool writeText(const QString& path, const QByteArray& text)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(text) == text.size();
}

// A layout with a title, two columns of a detail line, an image and a page-number footer.
inline QByteArray smallLayoutJson()
{
    return R"({
  "format": "karuneo-report-layout",
  "version": 1,
  "name": "Small",
  "unit": "0.01mm",
  "page": {"size": "A4", "orientation": "portrait"},
  "font": {"family": "IPAPGothic", "size": 10},
  "lines": [{"from": [1000, 2000], "to": [20000, 2000], "width": 20}],
  "texts": [{"text": "頁{page}", "rect": [9000, 28000, 12000, 28500], "size": 9, "align": "center"}],
  "fields": [
    {"name": "TITLE", "rect": [1000, 1000, 20000, 1800], "size": 16, "bold": true, "align": "center"},
    {"name": "NAME", "rect": [2000, 5000, 8000, 5508], "size": 10},
    {"name": "AMOUNT", "rect": [10000, 5000, 14000, 5508], "size": 10, "align": "right"}
  ],
  "images": [{"name": "PHOTO", "rect": [15000, 3000, 18000, 7000], "border": 10}]
})";
}

inline std::unique_ptr<Poppler::Document> openPdf(const QString& path)
{
    auto doc = Poppler::Document::load(path);
    return doc && !doc->isLocked() ? std::move(doc) : nullptr;
}

inline QString pageText(const Poppler::Document& doc, int index)
{
    const std::unique_ptr<Poppler::Page> page(doc.page(index));
    return page ? page->text(QRectF()) : QString();
}

// Layout units (0.01 mm) as PDF points.
inline double unitsToPoints(int units) { return units * 72.0 / 2540.0; }

#include "reports/ReportWriter.h"

#include "platform/Dialogs.h"
#include "platform/ProgramFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryFile>

namespace reports {

namespace {

// One layout unit is 0.01 mm; at this resolution a device pixel of the PDF is one layout unit.
constexpr int kUnitsPerInch = 2540;

int pointsToUnits(double points) { return qMax(1, qRound(points * kUnitsPerInch / 72.0)); }

// The thinnest rule is 0.1 mm; wider ones go in steps of 0.1 mm.
int ruleWidth(int width) { return qMax(1, width) * 10; }

void warn(const QString& text) { platform::dialogs().warning(text, platform::appTitle()); }

Qt::PenStyle penStyle(int style)
{
    switch (style) {
    case 1: return Qt::DashLine;
    case 2: return Qt::DotLine;
    case 3: return Qt::DashDotLine;
    case 4: return Qt::DashDotDotLine;
    case 5: return Qt::NoPen;
    default: return Qt::SolidLine;
    }
}

QRectF toRectF(const LayoutRect& r) { return QRectF(r.left, r.top, r.width(), r.height()); }

QFont layoutFont(const QString& family, double points, bool bold)
{
    QFont f(family);
    f.setPixelSize(pointsToUnits(points));
    f.setBold(bold);
    // Metrics must not depend on a screen's hinting: the page is measured in 0.01 mm.
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// Draws text (lines separated by '\n') into r. With fit, a line wider than r is narrowed to r's width.
void drawTextIn(QPainter& p, const QFont& font, const LayoutRect& r, const QString& text, Align align,
                VAlign valign, const QColor& color, bool fit)
{
    const QStringList lines = text.split(u'\n');
    const QFontMetricsF fm(font, p.device());
    const double blockHeight = fm.height() + (lines.size() - 1) * fm.lineSpacing();
    double y = r.top;
    if (valign == VAlign::Center)
        y = r.top + (r.height() - blockHeight) / 2;
    else if (valign == VAlign::Bottom)
        y = r.bottom - blockHeight;

    p.setFont(font);
    p.setPen(color);
    for (const QString& line : lines) {
        const double w = fm.horizontalAdvance(line);
        const double baseline = y + fm.ascent();
        if (fit && w > r.width()) {
            p.save();
            p.translate(r.left, baseline);
            p.scale(r.width() / w, 1.0);
            p.drawText(QPointF(0, 0), line);
            p.restore();
        } else {
            double x = r.left;
            if (align == Align::Right)
                x = r.right - w;
            else if (align == Align::Center)
                x = r.left + (r.width() - w) / 2;
            p.drawText(QPointF(x, baseline), line);
        }
        y += fm.lineSpacing();
    }
}

void drawFrame(QPainter& p, const LayoutRect& r, const QColor& fill, int border, const QColor& borderColor)
{
    if (fill.isValid())
        p.fillRect(toRectF(r), fill);
    if (border > 0) {
        QPen pen(borderColor, border);
        pen.setJoinStyle(Qt::MiterJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        // The frame lies inside the rectangle.
        const double half = border / 2.0;
        p.drawRect(toRectF(r).adjusted(half, half, -half, -half));
    }
}

// Text inside a filled or framed rectangle keeps clear of its edges.
LayoutRect textArea(const LayoutRect& r, const TextStyle& s)
{
    if (!s.fill.isValid() && s.border == 0)
        return r;
    const int inset = 80 + s.border;
    return {r.left + inset, r.top, r.right - inset, r.bottom};
}

} // namespace

ReportWriter::ReportWriter() = default;

ReportWriter::~ReportWriter()
{
    releaseDocument(ended_);
}

void ReportWriter::releaseDocument(bool keepFile)
{
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
    pdf_.reset();
    if (!keepFile && !document_.isEmpty())
        QFile::remove(document_);
}

void ReportWriter::setFormName(const QString& layoutFile)
{
    formName_ = layoutFile;
}

void ReportWriter::setImageFileName(const QString& requested)
{
    if (jobStarted() || ended_)
        return;   // the document of a running or finished job keeps its name
    if (!document_.isEmpty())
        QFile::remove(document_);
    document_.clear();
    requested_ = requested;

    const QFileInfo fi(requested);
    QString base = fi.completeBaseName();
    if (base.isEmpty())
        base = QStringLiteral("report");
    QStringList folders;
    if (!requested.isEmpty())
        folders << fi.absolutePath();
    folders << QDir::tempPath();
    for (const QString& folder : folders) {
        QTemporaryFile reserve(folder + u'/' + base + QStringLiteral("-XXXXXX.pdf"));
        reserve.setAutoRemove(false);
        if (reserve.open()) {
            document_ = reserve.fileName();
            return;
        }
    }
}

bool ReportWriter::startJob()
{
    if (jobStarted() || ended_)
        return false;
    const QString shown = QDir::toNativeSeparators(formName_);
    if (!QFileInfo(formName_).isFile()) {
        warn(QStringLiteral("帳票レイアウトファイルが見つかりません。") + shown);
        return false;
    }
    QString why;
    layout_ = readReportLayout(formName_, &why);
    if (!layout_) {
        warn(QStringLiteral("帳票レイアウトファイルの形式に誤りがあります。") + shown + u'\n' + why);
        return false;
    }

    if (document_.isEmpty())
        setImageFileName(requested_);
    if (!document_.isEmpty()) {
        pdf_ = std::make_unique<QPdfWriter>(document_);
        pdf_->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        pdf_->setResolution(kUnitsPerInch);
        pdf_->setTitle(docName_);
        pdf_->setCreator(QStringLiteral("カルネオ"));
        painter_ = std::make_unique<QPainter>();
        if (!painter_->begin(pdf_.get())) {
            painter_.reset();
            pdf_.reset();
        }
    }
    if (!painter_) {
        warn(QStringLiteral("帳票ファイルを作成できません。")
             + QDir::toNativeSeparators(document_.isEmpty() ? requested_ : document_));
        releaseDocument(false);
        return false;
    }
    painter_->setRenderHint(QPainter::Antialiasing);
    painter_->setRenderHint(QPainter::SmoothPixmapTransform);

    ops_.clear();
    unknownFields_.clear();
    fields_.clear();
    items_.clear();
    page_ = 1;
    printedPages_ = 0;
    return true;
}

LayoutRect ReportWriter::fieldRect(const QString& name) const
{
    if (layout_) {
        if (const LayoutField* f = layout_->field(name))
            return f->rect;
        if (const LayoutImage* i = layout_->image(name))
            return i->rect;
    }
    return {};
}

bool ReportWriter::hasField(const QString& name) const
{
    return layout_ && (layout_->field(name) || layout_->image(name));
}

void ReportWriter::record(ReportOp op)
{
    if (!recording_)
        return;
    op.page = page_;
    ops_.push_back(std::move(op));
}

void ReportWriter::noteUnknown(const QString& name)
{
    if (!hasField(name) && !unknownFields_.contains(name))
        unknownFields_ << name;
}

void ReportWriter::setFieldText(const QString& name, const QString& text)
{
    if (!jobStarted())
        return;
    noteUnknown(name);
    fields_[name].text = text;
    ReportOp op;
    op.kind = ReportOp::Kind::FieldText;
    op.field = name;
    op.text = text;
    record(std::move(op));
}

void ReportWriter::setFieldColor(const QString& name, const QColor& color)
{
    if (!jobStarted())
        return;
    noteUnknown(name);
    fields_[name].color = color;
    ReportOp op;
    op.kind = ReportOp::Kind::FieldColor;
    op.field = name;
    op.color = color;
    record(std::move(op));
}

QString ReportWriter::resolveImage(const QString& file) const
{
    if (file.trimmed().isEmpty())
        return {};
    if (!imagePath_.isEmpty())
        return platform::canonicalInside(imagePath_, file).value_or(QString());
    return QFileInfo(file).isFile() ? QFileInfo(file).absoluteFilePath() : QString();
}

void ReportWriter::setImageField(const QString& name, const QString& file)
{
    if (!jobStarted())
        return;
    noteUnknown(name);
    const QString found = resolveImage(file);
    fields_[name].image = found;
    ReportOp op;
    op.kind = ReportOp::Kind::FieldImage;
    op.field = name;
    op.text = file;
    op.file = found;
    record(std::move(op));
}

void ReportWriter::drawText(const LayoutRect& rect, const QString& text, Align align)
{
    if (!jobStarted())
        return;
    items_.push_back({PageText{rect, text, align, fontSize_}, std::nullopt});
    ReportOp op;
    op.kind = ReportOp::Kind::Text;
    op.rect = rect;
    op.text = text;
    op.align = align;
    op.fontSize = fontSize_;
    record(std::move(op));
}

void ReportWriter::drawLine(int x1, int y1, int x2, int y2)
{
    if (!jobStarted())
        return;
    items_.push_back({std::nullopt, PageLine{QPoint(x1, y1), QPoint(x2, y2), lineStyle_, lineWidth_}});
    ReportOp op;
    op.kind = ReportOp::Kind::Line;
    op.from = QPoint(x1, y1);
    op.to = QPoint(x2, y2);
    op.lineStyle = lineStyle_;
    op.lineWidth = lineWidth_;
    record(std::move(op));
}

void ReportWriter::printPage()
{
    if (!jobStarted())
        return;
    renderPage();
    ReportOp op;
    op.kind = ReportOp::Kind::PageBreak;
    record(std::move(op));
}

void ReportWriter::newPage()
{
    if (!jobStarted())
        return;
    fields_.clear();
    items_.clear();
    ++page_;
}

bool ReportWriter::endJob()
{
    if (!jobStarted())
        return false;
    const bool ok = painter_->end();
    painter_.reset();
    pdf_.reset();
    if (!ok) {
        warn(QStringLiteral("帳票ファイルを作成できません。") + QDir::toNativeSeparators(document_));
        QFile::remove(document_);
        return false;
    }
    ended_ = true;
    return true;
}

void ReportWriter::renderPage()
{
    QPainter& p = *painter_;
    const ReportLayout& l = *layout_;
    if (printedPages_ > 0)
        pdf_->newPage();
    ++printedPages_;

    for (const LayoutBox& b : l.boxes)
        drawFrame(p, b.rect, b.fill, b.width, b.color);
    for (const LayoutLine& line : l.lines) {
        p.setPen(QPen(line.color, line.width > 0 ? line.width : ruleWidth(0), Qt::SolidLine, Qt::SquareCap));
        p.drawLine(line.from, line.to);
    }
    const QString pageNumber = QString::number(printedPages_);
    for (const LayoutText& t : l.texts) {
        drawFrame(p, t.rect, t.style.fill, t.style.border, t.style.borderColor);
        QString text = t.text;
        text.replace(QStringLiteral("{page}"), pageNumber);
        drawTextIn(p, layoutFont(l.fontFamily, t.style.size, t.style.bold), textArea(t.rect, t.style), text, t.style.align,
                   t.style.valign, t.style.color, charOverflow_);
    }
    for (const LayoutField& f : l.fields) {
        const auto v = fields_.find(f.name);
        if (v == fields_.end() || !v->second.text)
            continue;
        drawFrame(p, f.rect, f.style.fill, f.style.border, f.style.borderColor);
        drawTextIn(p, layoutFont(l.fontFamily, f.style.size, f.style.bold), textArea(f.rect, f.style), *v->second.text,
                   f.style.align,
                   f.style.valign, v->second.color.value_or(f.style.color), charOverflow_);
    }
    for (const LayoutImage& i : l.images) {
        const auto v = fields_.find(i.name);
        if (v == fields_.end() || v->second.image.isEmpty())
            continue;
        const QImage img(v->second.image);
        if (!img.isNull()) {
            // Fit into the field keeping the picture's proportions, centred.
            QSizeF size = QSizeF(img.size()).scaled(QSizeF(i.rect.width(), i.rect.height()), Qt::KeepAspectRatio);
            const QRectF target(i.rect.left + (i.rect.width() - size.width()) / 2,
                                i.rect.top + (i.rect.height() - size.height()) / 2, size.width(), size.height());
            p.drawImage(target, img);
        }
        drawFrame(p, i.rect, QColor(), i.border, i.borderColor);
    }
    for (const PageItem& item : items_) {
        if (item.text) {
            const PageText& t = *item.text;
            drawTextIn(p, layoutFont(l.fontFamily, l.bodySize * t.fontSize / 100.0, false), t.rect, t.text, t.align,
                       VAlign::Top, Qt::black, charOverflow_);
        } else if (item.line) {
            const PageLine& line = *item.line;
            p.setPen(QPen(Qt::black, ruleWidth(line.width), penStyle(line.style), Qt::SquareCap));
            p.drawLine(line.from, line.to);
        }
    }
}

} // namespace reports

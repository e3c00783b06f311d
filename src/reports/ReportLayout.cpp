#include "reports/ReportLayout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

// The shipped layouts live in this library's own resource file; a static library must register it
// by name before the first use.
static void registerReportResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(reports);
        return true;
    }();
    (void)done;
}

namespace reports {

namespace {

// Thrown inside the parser only; parseReportLayout turns it into a false result.
struct LayoutError {
    QString text;
};

[[noreturn]] void fail(const QString& where, const QString& what)
{
    throw LayoutError{where.isEmpty() ? what : where + QStringLiteral(": ") + what};
}

void checkKeys(const QJsonObject& o, const QString& where, std::initializer_list<const char*> allowed)
{
    for (auto it = o.begin(); it != o.end(); ++it) {
        bool known = false;
        for (const char* k : allowed)
            known = known || it.key() == QLatin1String(k);
        if (!known)
            fail(where, QStringLiteral("未知の項目「%1」があります。").arg(it.key()));
    }
}

int intValue(const QJsonValue& v, const QString& where, const QString& key)
{
    const double d = v.toDouble(-1e300);
    if (!v.isDouble() || d != static_cast<double>(static_cast<int>(d)) || d < -100000 || d > 100000)
        fail(where, QStringLiteral("「%1」は整数で指定してください。").arg(key));
    return static_cast<int>(d);
}

LayoutRect rectValue(const QJsonObject& o, const QString& where)
{
    const QJsonValue v = o.value(QStringLiteral("rect"));
    const QJsonArray a = v.toArray();
    if (!v.isArray() || a.size() != 4)
        fail(where, QStringLiteral("「rect」は [左, 上, 右, 下] の整数4つで指定してください。"));
    LayoutRect r{intValue(a[0], where, QStringLiteral("rect")), intValue(a[1], where, QStringLiteral("rect")),
                 intValue(a[2], where, QStringLiteral("rect")), intValue(a[3], where, QStringLiteral("rect"))};
    if (r.right <= r.left || r.bottom <= r.top)
        fail(where, QStringLiteral("「rect」は右 > 左、下 > 上 としてください。"));
    return r;
}

QPoint pointValue(const QJsonObject& o, const QString& key, const QString& where)
{
    const QJsonValue v = o.value(key);
    const QJsonArray a = v.toArray();
    if (!v.isArray() || a.size() != 2)
        fail(where, QStringLiteral("「%1」は [x, y] の整数2つで指定してください。").arg(key));
    return {intValue(a[0], where, key), intValue(a[1], where, key)};
}

QColor colorValue(const QJsonObject& o, const QString& key, const QString& where, QColor fallback)
{
    if (!o.contains(key))
        return fallback;
    const QColor c = QColor::fromString(o.value(key).toString());
    if (!o.value(key).isString() || !c.isValid())
        fail(where, QStringLiteral("「%1」は \"#RRGGBB\" などの色名で指定してください。").arg(key));
    return c;
}

int widthValue(const QJsonObject& o, const QString& key, const QString& where)
{
    if (!o.contains(key))
        return 0;
    const int w = intValue(o.value(key), where, key);
    if (w < 0 || w > 500)
        fail(where, QStringLiteral("「%1」は 0 から 500 の間で指定してください。").arg(key));
    return w;
}

QString nameValue(const QJsonObject& o, const QString& where)
{
    const QString name = o.value(QStringLiteral("name")).toString();
    if (name.trimmed().isEmpty())
        fail(where, QStringLiteral("「name」がありません。"));
    return name;
}

TextStyle styleValue(const QJsonObject& o, const QString& where)
{
    TextStyle s;
    if (o.contains(QStringLiteral("size"))) {
        s.size = o.value(QStringLiteral("size")).toDouble(0);
        if (!(s.size >= 1 && s.size <= 200))
            fail(where, QStringLiteral("「size」は 1 から 200 ポイントの間で指定してください。"));
    }
    if (o.contains(QStringLiteral("bold"))) {
        if (!o.value(QStringLiteral("bold")).isBool())
            fail(where, QStringLiteral("「bold」は true か false で指定してください。"));
        s.bold = o.value(QStringLiteral("bold")).toBool();
    }
    if (o.contains(QStringLiteral("align"))) {
        const QString a = o.value(QStringLiteral("align")).toString();
        if (a == u"left")
            s.align = Align::Left;
        else if (a == u"right")
            s.align = Align::Right;
        else if (a == u"center")
            s.align = Align::Center;
        else
            fail(where, QStringLiteral("「align」は left、center、right のどれかです。"));
    }
    if (o.contains(QStringLiteral("valign"))) {
        const QString a = o.value(QStringLiteral("valign")).toString();
        if (a == u"top")
            s.valign = VAlign::Top;
        else if (a == u"center")
            s.valign = VAlign::Center;
        else if (a == u"bottom")
            s.valign = VAlign::Bottom;
        else
            fail(where, QStringLiteral("「valign」は top、center、bottom のどれかです。"));
    }
    s.color = colorValue(o, QStringLiteral("color"), where, Qt::black);
    s.fill = colorValue(o, QStringLiteral("fill"), where, QColor());
    s.border = widthValue(o, QStringLiteral("border"), where);
    s.borderColor = colorValue(o, QStringLiteral("borderColor"), where, Qt::black);
    return s;
}

QJsonArray arrayOf(const QJsonObject& root, const char* key)
{
    const QJsonValue v = root.value(QLatin1String(key));
    if (v.isUndefined())
        return {};
    if (!v.isArray())
        fail(QString(), QStringLiteral("「%1」は配列で指定してください。").arg(QLatin1String(key)));
    return v.toArray();
}

QJsonObject objectAt(const QJsonArray& a, qsizetype i, const QString& where)
{
    if (!a[i].isObject())
        fail(where, QStringLiteral("オブジェクトで指定してください。"));
    return a[i].toObject();
}

QString place(const char* list, qsizetype i)
{
    return QStringLiteral("%1[%2]").arg(QLatin1String(list)).arg(i);
}

ReportLayout parse(const QByteArray& json)
{
    QJsonParseError pe;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &pe);
    if (pe.error != QJsonParseError::NoError)
        fail(QString(), QStringLiteral("JSONとして読めません（%1 文字目: %2）。").arg(pe.offset).arg(pe.errorString()));
    if (!doc.isObject())
        fail(QString(), QStringLiteral("全体がオブジェクトではありません。"));
    const QJsonObject root = doc.object();
    checkKeys(root, QString(), {"format", "version", "name", "title", "unit", "page", "font",
                                "boxes", "lines", "texts", "fields", "images"});
    if (root.value(QStringLiteral("format")).toString() != u"karuneo-report-layout")
        fail(QString(), QStringLiteral("「format」が \"karuneo-report-layout\" ではありません。"));
    if (root.value(QStringLiteral("version")).toInt(0) != 1)
        fail(QString(), QStringLiteral("「version」は 1 だけが使えます。"));
    if (root.contains(QStringLiteral("unit")) && root.value(QStringLiteral("unit")).toString() != u"0.01mm")
        fail(QString(), QStringLiteral("「unit」は \"0.01mm\" だけが使えます。"));
    if (root.contains(QStringLiteral("page"))) {
        const QJsonObject page = root.value(QStringLiteral("page")).toObject();
        checkKeys(page, QStringLiteral("page"), {"size", "orientation"});
        if (page.value(QStringLiteral("size")).toString(QStringLiteral("A4")) != u"A4"
            || page.value(QStringLiteral("orientation")).toString(QStringLiteral("portrait")) != u"portrait")
            fail(QStringLiteral("page"), QStringLiteral("用紙は A4 縦 (\"A4\", \"portrait\") だけが使えます。"));
    }

    ReportLayout l;
    l.name = root.value(QStringLiteral("name")).toString();
    if (root.contains(QStringLiteral("font"))) {
        const QJsonObject font = root.value(QStringLiteral("font")).toObject();
        checkKeys(font, QStringLiteral("font"), {"family", "size"});
        l.fontFamily = font.value(QStringLiteral("family")).toString(l.fontFamily);
        l.bodySize = font.value(QStringLiteral("size")).toDouble(l.bodySize);
        if (!(l.bodySize >= 1 && l.bodySize <= 200))
            fail(QStringLiteral("font"), QStringLiteral("「size」は 1 から 200 ポイントの間で指定してください。"));
    }

    const QJsonArray boxes = arrayOf(root, "boxes");
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        const QString where = place("boxes", i);
        const QJsonObject o = objectAt(boxes, i, where);
        checkKeys(o, where, {"rect", "width", "color", "fill"});
        l.boxes.push_back({rectValue(o, where), widthValue(o, QStringLiteral("width"), where),
                           colorValue(o, QStringLiteral("color"), where, Qt::black),
                           colorValue(o, QStringLiteral("fill"), where, QColor())});
    }
    const QJsonArray lines = arrayOf(root, "lines");
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString where = place("lines", i);
        const QJsonObject o = objectAt(lines, i, where);
        checkKeys(o, where, {"from", "to", "width", "color"});
        l.lines.push_back({pointValue(o, QStringLiteral("from"), where), pointValue(o, QStringLiteral("to"), where),
                           widthValue(o, QStringLiteral("width"), where),
                           colorValue(o, QStringLiteral("color"), where, Qt::black)});
    }
    const QJsonArray texts = arrayOf(root, "texts");
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const QString where = place("texts", i);
        const QJsonObject o = objectAt(texts, i, where);
        checkKeys(o, where, {"text", "rect", "size", "bold", "align", "valign", "color", "fill", "border", "borderColor"});
        if (!o.value(QStringLiteral("text")).isString())
            fail(where, QStringLiteral("「text」がありません。"));
        l.texts.push_back({o.value(QStringLiteral("text")).toString(), rectValue(o, where), styleValue(o, where)});
    }

    QSet<QString> names;
    const QJsonArray fields = arrayOf(root, "fields");
    for (qsizetype i = 0; i < fields.size(); ++i) {
        QString where = place("fields", i);
        const QJsonObject o = objectAt(fields, i, where);
        const QString name = nameValue(o, where);
        where += QStringLiteral(" (") + name + u')';
        checkKeys(o, where, {"name", "rect", "size", "bold", "align", "valign", "color", "fill", "border", "borderColor"});
        if (names.contains(name))
            fail(where, QStringLiteral("同じ名前のフィールドが二つあります。"));
        names.insert(name);
        l.fields.push_back({name, rectValue(o, where), styleValue(o, where)});
    }
    const QJsonArray images = arrayOf(root, "images");
    for (qsizetype i = 0; i < images.size(); ++i) {
        QString where = place("images", i);
        const QJsonObject o = objectAt(images, i, where);
        const QString name = nameValue(o, where);
        where += QStringLiteral(" (") + name + u')';
        checkKeys(o, where, {"name", "rect", "border", "borderColor"});
        if (names.contains(name))
            fail(where, QStringLiteral("同じ名前のフィールドが二つあります。"));
        names.insert(name);
        l.images.push_back({name, rectValue(o, where), widthValue(o, QStringLiteral("border"), where),
                            colorValue(o, QStringLiteral("borderColor"), where, Qt::black)});
    }
    return l;
}

} // namespace

const LayoutField* ReportLayout::field(const QString& name) const
{
    for (const LayoutField& f : fields)
        if (f.name == name)
            return &f;
    return nullptr;
}

const LayoutImage* ReportLayout::image(const QString& name) const
{
    for (const LayoutImage& i : images)
        if (i.name == name)
            return &i;
    return nullptr;
}

std::optional<ReportLayout> parseReportLayout(const QByteArray& json, QString* error)
{
    try {
        ReportLayout l = parse(json);
        if (error)
            error->clear();
        return l;
    } catch (const LayoutError& e) {
        if (error)
            *error = e.text;
        return std::nullopt;
    }
}

std::optional<ReportLayout> readReportLayout(const QString& path, QString* error)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error)
            *error = f.errorString();
        return std::nullopt;
    }
    return parseReportLayout(f.readAll(), error);
}

QStringList shippedLayoutNames()
{
    return {QStringLiteral("PrintSyainSalaryList"), QStringLiteral("PrintSyainUpList"), QStringLiteral("Print5000"),
            QStringLiteral("Print5010"), QStringLiteral("PrintSekkeiList")};
}

QString layoutPath(const QString& reportDir, const QString& name)
{
    QString dir = QDir::fromNativeSeparators(reportDir);
    if (!dir.endsWith(u'/'))
        dir += u'/';
    return dir + name + QStringLiteral(".json");
}

bool installReportLayouts(const QString& reportDir, QString* error)
{
    registerReportResources();
    for (const QString& name : shippedLayoutNames()) {
        const QString target = layoutPath(reportDir, name);
        if (QFileInfo::exists(target))
            continue;
        const QString source = QStringLiteral(":/reports/") + name + QStringLiteral(".json");
        // A copied resource is read-only; the user may want to adjust the layout.
        if (!QFile::copy(source, target)
            || !QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner)) {
            if (error)
                *error = QStringLiteral("帳票レイアウトファイルを作成できません。") + QDir::toNativeSeparators(target);
            return false;
        }
    }
    if (error)
        error->clear();
    return true;
}

} // namespace reports

#include "master/TQK0070.h"

#include "app/ComboHelpers.h"
#include "app/EnterFocus.h"
#include "app/RightEdit.h"
#include "data/DataModule.h"
#include "master/FieldExit.h"
#include "master/TextRules.h"
#include "platform/Dialogs.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace master {

namespace {

QString u8(const char* s) { return QString::fromUtf8(s); }

void warn(const QString& text) { platform::dialogs().warning(text, platform::appTitle()); }

const QString& numberMessage()
{
    static const QString t = QStringLiteral("数値を入力してください。");
    return t;
}

const QString& rangeMessage()
{
    static const QString t = QStringLiteral("入力範囲外です。");
    return t;
}

QString digit(int n) { return QStringLiteral("１２３４５６７８９").mid(n - 1, 1); }

QComboBox* listBox(QWidget* parent, const QString& name, const QStringList& items, int width)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(items);
    box->setFixedWidth(width);
    // Sizes and widths are typed as numbers: "1" must not become "10" by completion.
    if (!items.isEmpty() && !items.first().contains(QStringLiteral(" : ")))
        box->setCompleter(nullptr);
    return box;
}

QPushButton* colorButton(QWidget* parent, const QString& name)
{
    auto* b = new QPushButton(QStringLiteral("カラー設定"), parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::NoFocus);
    b->setIconSize(QSize(12, 12));
    return b;
}

void showColor(QPushButton* b, const QColor& c)
{
    QPixmap swatch(12, 12);
    swatch.fill(c);
    b->setIcon(QIcon(swatch));
}

QLabel* sampleLabel(QWidget* parent, const QString& name)
{
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setFixedSize(161, 9);
    return l;
}

// The number a list box shows: its text up to the first blank.
std::optional<qint64> boxNumber(const QComboBox* box)
{
    return app::parseWholeNumber(app::typedCode(box->currentText()));
}

} // namespace

TQK0070::TQK0070(data::TFDM& dm, QWidget* parent) : QDialog(parent), dm_(dm)
{
    setObjectName(QStringLiteral("TQK0070"));
    setWindowTitle(QStringLiteral("基本設定"));
    exits_ = new FieldExit(this, [this](QWidget* field) { return checkLeaving(field); });

    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    PageControl->addTab(buildDateTab(), QStringLiteral("日付処理"));
    PageControl->addTab(buildMarkTab(), QStringLiteral("マーク設定"));
    PageControl->addTab(buildGraphTab(), QStringLiteral("グラフ設定"));
    PageControl->setCurrentIndex(0);

    auto button = [this](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(u8(name));
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
        b->setMinimumSize(96, 30);
        return b;
    };
    btnAdd = button("btnAdd", QStringLiteral("登　録"));
    btnCancel = button("btnCancel", QStringLiteral("ｷｬﾝｾﾙ"));
    btnClose = button("btnClose", QStringLiteral("閉じる"));
    connect(btnAdd, &QPushButton::clicked, this, &TQK0070::btnAddClick);
    connect(btnCancel, &QPushButton::clicked, this, &TQK0070::btnCancelClick);
    connect(btnClose, &QPushButton::clicked, this, &TQK0070::btnCloseClick);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* b : {btnAdd, btnCancel, btnClose})
        buttons->addWidget(b);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(10, 10, 10, 10);
    outer->addWidget(PageControl, 1);
    outer->addLayout(buttons);

    app::installEnterMovesFocus(this);
    setFixedSize(777, 620);
}

QWidget* TQK0070::buildDateTab()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabDate"));

    auto* ageGroup = new QGroupBox(QStringLiteral("年齢/勤続　計算"), page);
    optKeisan1 = new QRadioButton(QStringLiteral("出力時に自動計算"), ageGroup);
    optKeisan1->setObjectName(QStringLiteral("optKeisan1"));
    optKeisan2 = new QRadioButton(QStringLiteral("基準年月日を設定"), ageGroup);
    optKeisan2->setObjectName(QStringLiteral("optKeisan2"));
    auto* ageLayout = new QVBoxLayout(ageGroup);
    ageLayout->addWidget(optKeisan1);
    ageLayout->addWidget(optKeisan2);

    auto* dateGroup = new QGroupBox(QStringLiteral("基準年月日"), page);
    txtKijunbi = new TRightEdit(dateGroup);
    txtKijunbi->setObjectName(QStringLiteral("txtKijunbi"));
    txtKijunbi->setMaxLength(10);
    txtKijunbi->setFixedWidth(110);
    auto* dateLayout = new QHBoxLayout(dateGroup);
    dateLayout->addWidget(txtKijunbi);
    dateLayout->addWidget(new QLabel(QStringLiteral("(YYYY.MM.DD)"), dateGroup));
    dateLayout->addStretch(1);

    auto* calendarGroup = new QGroupBox(QStringLiteral("暦　設定"), page);
    optSeireki = new QRadioButton(QStringLiteral("西　暦"), calendarGroup);
    optSeireki->setObjectName(QStringLiteral("optSeireki"));
    optWareki = new QRadioButton(QStringLiteral("和　暦"), calendarGroup);
    optWareki->setObjectName(QStringLiteral("optWareki"));
    auto* calendarLayout = new QHBoxLayout(calendarGroup);
    calendarLayout->addWidget(optSeireki);
    calendarLayout->addSpacing(24);
    calendarLayout->addWidget(optWareki);
    calendarLayout->addStretch(1);

    auto* eraGroup = new QGroupBox(QStringLiteral("暦　変換表"), page);
    auto* eraGrid = new QGridLayout(eraGroup);
    eraGrid->setHorizontalSpacing(10);
    const char* heads[] = {"選択", "年号", "年", "月", "日"};
    for (int c = 0; c < 5; ++c) {
        auto* head = new QLabel(u8(heads[c]), eraGroup);
        head->setAlignment(Qt::AlignCenter);
        eraGrid->addWidget(head, 0, c);
    }
    auto* eraChoice = new QButtonGroup(this);
    const char* choiceNames[] = {"optchg1", "optChg2", "optChg3"};
    for (int i = 0; i < 3; ++i) {
        optChg[i] = new QRadioButton(eraGroup);
        optChg[i]->setObjectName(u8(choiceNames[i]));
        eraChoice->addButton(optChg[i], i);
        txtNengou[i] = new QLineEdit(eraGroup);
        txtNengou[i]->setObjectName(QStringLiteral("txtNengou") + QString::number(i + 1));
        txtNengou[i]->setMaxLength(2);
        txtNengou[i]->setFixedWidth(70);
        txtChgyy[i] = new TRightEdit(eraGroup);
        txtChgyy[i]->setObjectName(QStringLiteral("txtChgyy") + QString::number(i + 1));
        txtChgyy[i]->setMaxLength(4);
        txtChgyy[i]->setFixedWidth(60);
        txtChgmm[i] = new TRightEdit(eraGroup);
        txtChgmm[i]->setObjectName(QStringLiteral("txtChgmm") + QString::number(i + 1));
        txtChgmm[i]->setMaxLength(2);
        txtChgmm[i]->setFixedWidth(40);
        txtChgdd[i] = new TRightEdit(eraGroup);
        txtChgdd[i]->setObjectName(QStringLiteral("txtChgdd") + QString::number(i + 1));
        txtChgdd[i]->setMaxLength(2);
        txtChgdd[i]->setFixedWidth(40);
        eraGrid->addWidget(optChg[i], i + 1, 0, Qt::AlignCenter);
        eraGrid->addWidget(txtNengou[i], i + 1, 1);
        eraGrid->addWidget(txtChgyy[i], i + 1, 2);
        eraGrid->addWidget(txtChgmm[i], i + 1, 3);
        eraGrid->addWidget(txtChgdd[i], i + 1, 4);
    }
    eraGrid->setColumnStretch(5, 1);
    eraGrid->setRowStretch(4, 1);

    auto* left = new QVBoxLayout;
    left->addWidget(ageGroup);
    left->addWidget(dateGroup);
    left->addWidget(calendarGroup);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(eraGroup);
    right->addStretch(1);
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(20);
    layout->addLayout(left, 1);
    layout->addLayout(right, 1);

    // The two choices of each pair are separate groups.
    auto* ageChoice = new QButtonGroup(this);
    ageChoice->addButton(optKeisan1);
    ageChoice->addButton(optKeisan2);
    auto* calendarChoice = new QButtonGroup(this);
    calendarChoice->addButton(optSeireki);
    calendarChoice->addButton(optWareki);

    connect(optKeisan1, &QRadioButton::toggled, this, [this](bool byToday) {
        txtKijunbi->setEnabled(!byToday);
        changed();
    });
    for (QRadioButton* r : {optSeireki, optWareki, optChg[0], optChg[1], optChg[2]})
        connect(r, &QRadioButton::toggled, this, [this] { changed(); });
    exits_->watch(txtKijunbi);
    connect(txtKijunbi, &QLineEdit::textEdited, this, [this] { changed(); });
    for (int i = 0; i < 3; ++i)
        for (QLineEdit* e : {txtNengou[i], txtChgyy[i], txtChgmm[i], txtChgdd[i]}) {
            exits_->watch(e);
            connect(e, &QLineEdit::textEdited, this, [this] { changed(); });
        }
    return page;
}

QWidget* TQK0070::buildMarkTab()
{
    // One line per mark, the same controls under one heading each: nine marks fit the tab without
    // crowding, and the curve samples stand one above the other for comparing.
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabMark"));
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(14, 12, 14, 12);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(10);
    const char* heads[] = {"", "マーク", "カラー", "凡　例", "マークサイズ", "曲線種類", "カラー", "曲線幅", "見本"};
    for (int c = 0; c < 9; ++c) {
        auto* head = new QLabel(u8(heads[c]), page);
        head->setAlignment(Qt::AlignCenter);
        grid->addWidget(head, 0, c);
    }
    for (int i = 0; i < 9; ++i) {
        const QString n = QString::number(i + 1);
        const int row = i + 1;
        auto* title = new QLabel(QStringLiteral("マーク") + digit(i + 1), page);
        title->setObjectName(QStringLiteral("labMark") + n);
        txtMark[i] = new QLineEdit(page);
        txtMark[i]->setObjectName(QStringLiteral("txtMark") + n);
        txtMark[i]->setFixedWidth(40);
        txtMark[i]->setMaxLength(2);
        txtMark[i]->setAlignment(Qt::AlignCenter);
        txtHanrei[i] = new QLineEdit(page);
        txtHanrei[i]->setObjectName(QStringLiteral("txtHanrei") + n);
        txtHanrei[i]->setMaxLength(20);
        txtHanrei[i]->setFixedWidth(110);
        btnColor[i] = colorButton(page, QStringLiteral("btnColor") + n);
        btnColor[i]->setToolTip(QStringLiteral("マークのカラー設定"));
        cmbMSize[i] = listBox(page, QStringLiteral("cmbMSize") + n, markSizeItems(), 60);
        cmbSensyu[i] = listBox(page, QStringLiteral("cmbSensyu") + n, app::lineStyleItems(), 112);
        btnSenColor[i] = colorButton(page, QStringLiteral("btnSenColor") + n);
        btnSenColor[i]->setToolTip(QStringLiteral("曲線のカラー設定"));
        cmbSenHaba[i] = listBox(page, QStringLiteral("cmbSenHaba") + n, lineWidthItems(), 52);
        imgMihon[i] = sampleLabel(page, QStringLiteral("imgMihon") + n);
        for (QPushButton* b : {btnColor[i], btnSenColor[i]}) {
            b->setText(QString());
            b->setIconSize(QSize(18, 12));
            b->setFixedSize(40, 24);
        }
        grid->addWidget(title, row, 0);
        grid->addWidget(txtMark[i], row, 1, Qt::AlignCenter);
        grid->addWidget(btnColor[i], row, 2, Qt::AlignCenter);
        grid->addWidget(txtHanrei[i], row, 3);
        grid->addWidget(cmbMSize[i], row, 4, Qt::AlignCenter);
        grid->addWidget(cmbSensyu[i], row, 5);
        grid->addWidget(btnSenColor[i], row, 6, Qt::AlignCenter);
        grid->addWidget(cmbSenHaba[i], row, 7, Qt::AlignCenter);
        grid->addWidget(imgMihon[i], row, 8, Qt::AlignCenter);

        connect(btnColor[i], &QPushButton::clicked, this, [this, i] { btnColorClick(i); });
        connect(btnSenColor[i], &QPushButton::clicked, this, [this, i] { btnSenColorClick(i); });
        for (QLineEdit* e : {txtMark[i], txtHanrei[i]}) {
            exits_->watch(e);
            connect(e, &QLineEdit::textEdited, this, [this] { changed(); });
        }
        for (QComboBox* box : {cmbMSize[i], cmbSensyu[i], cmbSenHaba[i]}) {
            exits_->watch(box);
            connect(box, &QComboBox::editTextChanged, this, [this] { changed(); });
        }
        // Choosing from a list takes the value at once, as leaving it would.
        for (QComboBox* box : {cmbSensyu[i], cmbSenHaba[i]})
            connect(box, &QComboBox::activated, this, [this, box] { checkLeaving(box); });
    }
    grid->setColumnStretch(9, 1);
    grid->setRowStretch(10, 1);
    return page;
}

QWidget* TQK0070::buildGraphTab()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabGraph"));
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setSpacing(16);
    const char* titles[] = {"座標軸", "目盛", "格子", "中央線"};
    for (int i = 0; i < 4; ++i) {
        const QString n = QString::number(i + 1);
        auto* group = new QGroupBox(u8(titles[i]), page);
        group->setObjectName(QStringLiteral("grpGraph") + n);
        auto* g = new QGridLayout(group);
        g->setContentsMargins(12, 10, 12, 10);
        g->setHorizontalSpacing(10);
        btnGRColor[i] = colorButton(group, QStringLiteral("btnGRColor") + n);
        cmbGRSensyu[i] = listBox(group, QStringLiteral("cmbGRSensyu") + n, app::lineStyleItems(), 120);
        cmbGRSenHaba[i] = listBox(group, QStringLiteral("cmbGRSenHaba") + n, lineWidthItems(), 60);
        imgGRMihon[i] = sampleLabel(group, QStringLiteral("imgGRMihon") + n);
        g->addWidget(btnGRColor[i], 0, 1, Qt::AlignLeft);
        g->addWidget(new QLabel(QStringLiteral("直線種類"), group), 1, 0);
        g->addWidget(cmbGRSensyu[i], 1, 1, Qt::AlignLeft);
        g->addWidget(new QLabel(QStringLiteral("直線幅"), group), 2, 0);
        g->addWidget(cmbGRSenHaba[i], 2, 1, Qt::AlignLeft);
        g->addWidget(imgGRMihon[i], 3, 0, 1, 2, Qt::AlignCenter);
        g->setColumnStretch(1, 1);
        grid->addWidget(group, i / 2, i % 2);

        connect(btnGRColor[i], &QPushButton::clicked, this, [this, i] { btnGRColorClick(i); });
        for (QComboBox* box : {cmbGRSensyu[i], cmbGRSenHaba[i]}) {
            exits_->watch(box);
            connect(box, &QComboBox::editTextChanged, this, [this] { changed(); });
            connect(box, &QComboBox::activated, this, [this, box] { checkLeaving(box); });
        }
    }
    grid->setRowStretch(2, 1);
    return page;
}

void TQK0070::Prepare()
{
    filling_ = true;
    // Boxes of marks the company has no row for show these until the user sets them.
    for (int i = 0; i < 9; ++i) {
        cmbMSize[i]->setEditText(QStringLiteral("0"));
        cmbSenHaba[i]->setEditText(QStringLiteral("0"));
        cmbSensyu[i]->setEditText(app::noneItem());
    }
    for (int i = 0; i < 4; ++i) {
        cmbGRSenHaba[i]->setEditText(QStringLiteral("0"));
        cmbGRSensyu[i]->setEditText(app::noneItem());
    }
    filling_ = false;
    loadBasicSettings(dm_, settings_);
    // The reference date of the company counts from now on, as the main window's copy does.
    dm_.state.AgeReferenceDate = settings_.referenceDate;
    showSettings();
    dm_.state.DataChanged = 0;
}

void TQK0070::showSettings()
{
    filling_ = true;
    const BasicSettings& s = settings_;
    (s.ageByToday ? optKeisan1 : optKeisan2)->setChecked(true);
    txtKijunbi->setEnabled(!s.ageByToday);
    txtKijunbi->setText(referenceDateText(s.referenceDate));
    (s.eraDisplay ? optWareki : optSeireki)->setChecked(true);
    for (int i = 0; i < 3; ++i) {
        txtNengou[i]->setText(s.eras[i].name);
        txtChgyy[i]->setText(s.eras[i].year);
        txtChgmm[i]->setText(s.eras[i].month);
        txtChgdd[i]->setText(s.eras[i].day);
    }
    optChg[size_t(s.selectedEra)]->setChecked(true);
    for (int i = 0; i < 9; ++i) {
        const MarkStyle& m = s.marks[size_t(i)];
        if (m.stored) {
            txtMark[i]->setText(m.symbol);
            txtHanrei[i]->setText(m.legend);
            cmbMSize[i]->setEditText(QString::number(m.markSize));
            cmbSensyu[i]->setEditText(app::lineStyleItem(m.lineStyle));
            cmbSenHaba[i]->setEditText(QString::number(m.lineWidth));
        } else {
            txtMark[i]->clear();
            txtHanrei[i]->clear();
        }
        paintMark(i);
    }
    for (int i = 0; i < 4; ++i) {
        const PenStyle& p = s.pens[size_t(i)];
        if (p.stored) {
            cmbGRSensyu[i]->setEditText(app::lineStyleItem(p.lineStyle));
            cmbGRSenHaba[i]->setEditText(QString::number(p.lineWidth));
        }
        paintPen(i);
    }
    filling_ = false;
}

void TQK0070::paintMark(int i)
{
    const MarkStyle& m = settings_.marks[size_t(i)];
    imgMihon[i]->setPixmap(QPixmap::fromImage(lineSample(m.lineColor, m.lineStyle, m.lineWidth)));
    QPalette p = txtMark[i]->palette();
    p.setColor(QPalette::Text, m.markColor);
    txtMark[i]->setPalette(p);
    showColor(btnColor[i], m.markColor);
    showColor(btnSenColor[i], m.lineColor);
}

void TQK0070::paintPen(int i)
{
    const PenStyle& p = settings_.pens[size_t(i)];
    imgGRMihon[i]->setPixmap(QPixmap::fromImage(lineSample(p.color, p.lineStyle, p.lineWidth)));
    showColor(btnGRColor[i], p.color);
}

void TQK0070::changed()
{
    if (!filling_)
        dm_.state.DataChanged = 1;
}

bool TQK0070::checkLeaving(QWidget* field)
{
    if (field == txtKijunbi) {
        const auto date = parseReferenceDate(txtKijunbi->text());
        if (!date) {
            warn(numberMessage());
            return false;
        }
        txtKijunbi->setText(referenceDateText(*date));
        settings_.referenceDate = *date;
        dm_.state.AgeReferenceDate = *date;
        return true;
    }
    for (int i = 0; i < 3; ++i) {
        if (field == txtChgyy[i])
            return app::CheckIntEdit(txtChgyy[i], 4, QString(), 0, 2100);
        if (field == txtChgmm[i])
            return app::CheckIntEdit(txtChgmm[i], 2, QString(), 0, 12);
        if (field == txtChgdd[i])
            return app::CheckIntEdit(txtChgdd[i], 2, QString(), 0, 31);
        if (field == txtNengou[i]) {
            if (const auto refusal = cp932Refusal(txtNengou[i]->text())) {
                warn(*refusal);
                return false;
            }
            return true;
        }
    }
    for (int i = 0; i < 9; ++i) {
        MarkStyle& m = settings_.marks[size_t(i)];
        if (field == txtMark[i] || field == txtHanrei[i]) {
            auto* e = static_cast<QLineEdit*>(field);
            if (const auto refusal = cp932Refusal(e->text())) {
                warn(*refusal);
                return false;
            }
            (field == txtMark[i] ? m.symbol : m.legend) = e->text();
            return true;
        }
        if (field == cmbMSize[i]) {
            const auto size = boxNumber(cmbMSize[i]);
            if (!size || !markSizeAccepted(*size)) {
                warn(rangeMessage());
                return false;
            }
            m.markSize = int(*size);
            return true;
        }
        if (field == cmbSensyu[i] || field == cmbSenHaba[i]) {
            int code = 0;
            if (!app::CheckCodeCombo(static_cast<QComboBox*>(field), true, code, true, false))
                return false;
            (field == cmbSensyu[i] ? m.lineStyle : m.lineWidth) = code;
            paintMark(i);
            return true;
        }
    }
    for (int i = 0; i < 4; ++i) {
        PenStyle& p = settings_.pens[size_t(i)];
        if (field == cmbGRSensyu[i] || field == cmbGRSenHaba[i]) {
            int code = 0;
            if (!app::CheckCodeCombo(static_cast<QComboBox*>(field), true, code, true, false))
                return false;
            (field == cmbGRSensyu[i] ? p.lineStyle : p.lineWidth) = code;
            paintPen(i);
            return true;
        }
    }
    return true;
}

bool TQK0070::collect()
{
    // Every value must be one the tables can take; the focused field has had its own check already.
    auto refuse = [this](QWidget* field, const QString& message, int tab) {
        warn(message);
        PageControl->setCurrentIndex(tab);
        field->setFocus(Qt::OtherFocusReason);
        return false;
    };
    // Line types and widths 0..5 (0 also stands in the boxes of a mark or pen without row).
    auto lineValue = [&refuse](QComboBox* box, int tab, int& value) {
        const auto v = boxNumber(box);
        if (!v || *v < 0 || *v > 5)
            return refuse(box, v ? QStringLiteral("存在しないコードです。") : QStringLiteral("数値を入力して下さい。"), tab);
        value = int(*v);
        return true;
    };
    BasicSettings& s = settings_;
    const auto date = parseReferenceDate(txtKijunbi->text());
    if (!date)
        return refuse(txtKijunbi, numberMessage(), 0);
    s.referenceDate = *date;
    s.ageByToday = optKeisan1->isChecked();
    s.eraDisplay = optWareki->isChecked();
    s.selectedEra = optChg[2]->isChecked() ? 2 : optChg[1]->isChecked() ? 1 : 0;
    struct EraBox {
        QLineEdit* box;
        int length;
        qint64 max;
    };
    for (int i = 0; i < 3; ++i) {
        if (const auto refusal = cp932Refusal(txtNengou[i]->text()))
            return refuse(txtNengou[i], *refusal, 0);
        for (const EraBox& b : {EraBox{txtChgyy[i], 4, 2100}, EraBox{txtChgmm[i], 2, 12}, EraBox{txtChgdd[i], 2, 31}}) {
            const app::FieldCheck c = app::checkIntText(b.box->text(), b.length, QString(), 0, b.max);
            if (!c.accepted)
                return refuse(b.box, c.message, 0);
        }
        // Stored as the numbers they are ("07" and "7" alike).
        auto number = [](const QLineEdit* e) {
            QString t = e->text();
            t.remove(QLatin1Char(','));
            return QString::number(app::parseWholeNumber(t).value_or(0));
        };
        s.eras[size_t(i)] = {txtNengou[i]->text(), number(txtChgyy[i]), number(txtChgmm[i]), number(txtChgdd[i])};
    }
    for (int i = 0; i < 9; ++i) {
        MarkStyle& m = s.marks[size_t(i)];
        for (QLineEdit* e : {txtMark[i], txtHanrei[i]})
            if (const auto refusal = cp932Refusal(e->text()))
                return refuse(e, *refusal, 1);
        m.symbol = txtMark[i]->text();
        m.legend = txtHanrei[i]->text();
        // The range is the box's own check when it is left; a size read from the table is stored back.
        const auto size = boxNumber(cmbMSize[i]);
        if (!size)
            return refuse(cmbMSize[i], rangeMessage(), 1);
        m.markSize = int(*size);
        if (!lineValue(cmbSensyu[i], 1, m.lineStyle) || !lineValue(cmbSenHaba[i], 1, m.lineWidth))
            return false;
    }
    for (int i = 0; i < 4; ++i) {
        PenStyle& p = s.pens[size_t(i)];
        if (!lineValue(cmbGRSensyu[i], 2, p.lineStyle) || !lineValue(cmbGRSenHaba[i], 2, p.lineWidth))
            return false;
    }
    return true;
}

void TQK0070::btnAddClick()
{
    if (!exits_->checkFocused() || !collect())
        return;
    if (!saveBasicSettings(dm_, settings_))
        return;   // shown; nothing was written and the screen keeps what the user entered
    for (int i = 0; i < 9; ++i)
        settings_.marks[size_t(i)].stored = true;
    for (int i = 0; i < 4; ++i)
        settings_.pens[size_t(i)].stored = true;
    dm_.state.DataChanged = 0;
}

void TQK0070::btnCancelClick()
{
    // The values stay on the screen, unsaved.
    dm_.state.DataChanged = 0;
}

void TQK0070::btnColorClick(int mark)
{
    MarkStyle& m = settings_.marks[size_t(mark)];
    if (const auto c = platform::dialogs().chooseColor(m.markColor)) {
        m.markColor = *c;
        paintMark(mark);
        changed();
    }
}

void TQK0070::btnSenColorClick(int mark)
{
    MarkStyle& m = settings_.marks[size_t(mark)];
    if (const auto c = platform::dialogs().chooseColor(m.lineColor)) {
        m.lineColor = *c;
        paintMark(mark);
        changed();
    }
}

void TQK0070::btnGRColorClick(int pen)
{
    PenStyle& p = settings_.pens[size_t(pen)];
    if (const auto c = platform::dialogs().chooseColor(p.color)) {
        p.color = *c;
        paintPen(pen);
        changed();
    }
}

bool TQK0070::mayClose()
{
    if (dm_.state.DataChanged == 0)
        return true;
    return !platform::dialogs().question(
        QStringLiteral("ﾃﾞｰﾀが変更されています。\r【はい】:戻ります。\r【いいえ】:画面を閉じます。"), QStringLiteral("確認"));
}

void TQK0070::btnCloseClick()
{
    if (!mayClose())
        return;
    closing_ = true;
    QDialog::reject();
    closing_ = false;
}

void TQK0070::reject()
{
    // Escape and the window's close box (QDialog::closeEvent calls reject) ask like the close button.
    if (closing_)
        QDialog::reject();
    else
        btnCloseClick();
}

} // namespace master

#include "panels/PanelForms.h"

#include "app/ComboHelpers.h"
#include "app/EnterFocus.h"
#include "app/SharedRoutines.h"
#include "data/DataModule.h"
#include "platform/Dialogs.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

namespace panels {

namespace {

const QColor cream(255, 251, 240);
const QColor yellow(255, 255, 0);

void setBackground(QWidget* w, const QColor& c)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, c);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

QLabel* label(QWidget* parent, const QString& name, const QString& text, QRect geometry)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setGeometry(geometry);
    return l;
}

QLineEdit* figure(QWidget* parent, const char* name, QRect geometry, bool readOnly)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setGeometry(geometry);
    e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (readOnly) {
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
        QPalette pal = e->palette();
        pal.setColor(QPalette::Base, yellow);
        e->setPalette(pal);
    }
    return e;
}

} // namespace

// ---------------------------------------------------------------- common

EmployeePanel::EmployeePanel(int panelKind, int employeeCode, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), kind_(panelKind), tag_(employeeCode)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(panelCaption(panelKind));
    QFont f(QStringLiteral("IPAPGothic"));
    f.setPixelSize(12);
    setFont(f);
}

void EmployeePanel::closeOnClick(QWidget* w)
{
    closers_.insert(w);
    w->installEventFilter(this);
}

bool EmployeePanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && closers_.contains(watched)) {
        tag_ = 0;
        close();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void EmployeePanel::mousePressEvent(QMouseEvent*)
{
    tag_ = 0;
    close();
}

// ---------------------------------------------------------------- TQK1101

TQK1101::TQK1101(int panelKind, int employeeCode, QWidget* parent) : EmployeePanel(panelKind, employeeCode, parent)
{
    setObjectName(QStringLiteral("QK1101"));
    setBackground(this, cream);
    setFixedSize(194, 203);
    Label1 = label(this, QStringLiteral("Label1"), QString(), QRect(4, 4, 186, 22));
    Label1->setContentsMargins(4, 0, 4, 0);
    QPalette pal = Label1->palette();
    pal.setColor(QPalette::Window, QColor(0, 0, 255));
    pal.setColor(QPalette::WindowText, Qt::white);
    Label1->setPalette(pal);
    Label1->setAutoFillBackground(true);
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(4, 30, 186, 169);
    setBackground(Panel1, yellow);
    for (int i = 0; i < 5; ++i) {
        const int y = 6 + i * 32;
        labTitle[size_t(i)] = label(Panel1, QStringLiteral("labTitle%1").arg(i + 1), QString(), QRect(4, y, 74, 22));
        Caption[size_t(i)] = label(Panel1, QStringLiteral("Caption%1").arg(i + 1), QString(), QRect(78, y, 104, 22));
        Caption[size_t(i)]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        closeOnClick(labTitle[size_t(i)]);
        closeOnClick(Caption[size_t(i)]);
    }
    closeOnClick(Label1);
    closeOnClick(Panel1);
}

void TQK1101::fill(const InfoPanelTexts& texts)
{
    setWindowTitle(texts.caption);
    Label1->setText(texts.employeeLine);
    for (size_t i = 0; i < 5; ++i) {
        labTitle[i]->setText(texts.titles[i]);
        Caption[i]->setText(texts.values[i]);
    }
}

// ---------------------------------------------------------------- TFS1106

TFS1106::TFS1106(data::TFDM& dm, int employeeCode, QWidget* parent)
    : EmployeePanel(kind::OptimalWage, employeeCode, parent), dm_(dm)
{
    setObjectName(QStringLiteral("FS1106"));
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(panelCaption(kind::OptimalWage));
    setFixedSize(300, 250);

    labName = label(this, QStringLiteral("labName"), QString(), QRect(12, 10, 276, 20));
    labItem = label(this, QStringLiteral("labItem"), QStringLiteral("実積賃金"), QRect(12, 38, 100, 22));
    txtKin = figure(this, "txtKin", QRect(116, 38, 170, 22), true);
    label(this, QStringLiteral("Label2"), QStringLiteral("最適賃金"), QRect(12, 64, 100, 22));
    txtFitkin = figure(this, "txtFitkin", QRect(116, 64, 170, 22), true);
    label(this, QStringLiteral("Label3"), QStringLiteral("残　　差"), QRect(12, 90, 100, 22));
    txtZansa = figure(this, "txtZansa", QRect(116, 90, 170, 22), true);
    label(this, QStringLiteral("Label4"), QStringLiteral("乖 離 率"), QRect(12, 116, 100, 22));
    txtwariai = figure(this, "txtwariai", QRect(116, 116, 170, 22), true);
    label(this, QStringLiteral("Label5"), QStringLiteral("人事考課"), QRect(12, 150, 100, 22));
    cmbHyouka = new QComboBox(this);
    cmbHyouka->setObjectName(QStringLiteral("cmbHyouka"));
    cmbHyouka->setEditable(true);
    cmbHyouka->setGeometry(116, 150, 170, 22);
    label(this, QStringLiteral("Label6"), QStringLiteral("基本給Ⅲ"), QRect(12, 176, 100, 22));
    txtKin3 = figure(this, "txtKin3", QRect(116, 176, 170, 22), false);
    txtKin3->setMaxLength(11);
    btnOK = new QPushButton(QStringLiteral("更新"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(206, 212, 80, 28);

    cmbHyouka->installEventFilter(this);
    txtKin3->installEventFilter(this);
    connect(btnOK, &QPushButton::clicked, this, &TFS1106::btnOKClick);
    app::installEnterMovesFocus(this);

    const data::TMKIGYOU2& c = dm_.state.CurrentCompany;
    app::FillComboFromSql(QStringLiteral("select HCO || ' : ' || HKIGOU as COMBNAME from YHYOUKA  where KCO =  ")
                              + QString::number(app::VarToIntSafe(c.KCO)) + QStringLiteral(" and NENDO =  ")
                              + QString::number(app::VarToIntSafe(c.NENDO)) + QStringLiteral(" order by HCO"),
                          cmbHyouka, false);
}

void TFS1106::fill(const data::TSyain_& row)
{
    const FitPanelValues v = fitPanelValues(row);
    labName->setText(v.employeeLine);
    if (!v.item.isEmpty())
        labItem->setText(v.item);
    txtKin->setText(v.actualText);
    txtFitkin->setText(v.fitText);
    txtZansa->setText(v.residualText);
    txtwariai->setText(v.ratioText);
    txtKin3->setText(v.kkyu3Text);
    app::FillEvaluationCombo(cmbHyouka, int(row.SKCO));
    cmbHyouka->setEditText(app::CodeComboText(cmbHyouka, QString::number(row.HCO), false));
}

bool TFS1106::checkHyouka()
{
    int code = 0;
    return app::CheckCodeCombo(cmbHyouka, false, code, true, false);
}

bool TFS1106::checkKin3()
{
    return app::CheckIntEdit(txtKin3, 8, QStringLiteral("#,##0"), 0, 0);
}

bool TFS1106::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && !checking_ && isVisible()) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            QWidget* field = nullptr;
            checking_ = true;
            if (watched == cmbHyouka && !checkHyouka())
                field = cmbHyouka;
            else if (watched == txtKin3 && !checkKin3())
                field = txtKin3;
            checking_ = false;
            if (field)
                QTimer::singleShot(0, field, [field] { field->setFocus(Qt::OtherFocusReason); });
        }
    }
    return EmployeePanel::eventFilter(watched, event);
}

void TFS1106::btnOKClick()
{
    int code = 0;
    checking_ = true;
    const bool codeOk = app::CheckCodeCombo(cmbHyouka, false, code, true, false);
    checking_ = false;
    if (!codeOk)
        return;
    qint64 amount = 0;
    if (!app::ParseIntInput(txtKin3->text(), amount))
        return;
    const int employee = tag();
    const FitUpdateOutcome out = updateFitPanel(dm_, employee, code, amount);
    if (!out.message.isEmpty()) {
        platform::dialogs().warning(out.message, platform::appTitle());
        return;
    }
    if (!out.updated)
        return;
    data::TSyain_ row;
    if (readEmployee(dm_, employee, row))
        fill(row);
}

// ---------------------------------------------------------------- TQK1107

TQK1107::TQK1107(int employeeCode, QWidget* parent) : EmployeePanel(kind::Image, employeeCode, parent)
{
    setObjectName(QStringLiteral("QK1107"));
    setBackground(this, cream);
    setFixedSize(248, 300);
    Label1 = label(this, QStringLiteral("Label1"), QString(), QRect(4, 4, 240, 22));
    Image1 = label(this, QStringLiteral("Image1"), QString(), QRect(4, 30, 240, 266));
    Image1->setAlignment(Qt::AlignCenter);
    closeOnClick(Label1);
    closeOnClick(Image1);
}

void TQK1107::fill(const data::TSyain_& row)
{
    Label1->setText(employeeLine(row, QStringLiteral(" ")));
    QString name = row.SPATH;
    if (app::LoadPictureFile(Image1, name)) {
        const QPixmap p = Image1->pixmap();
        if (p.width() > Image1->width() || p.height() > Image1->height())
            Image1->setPixmap(p.scaled(Image1->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
}

} // namespace panels

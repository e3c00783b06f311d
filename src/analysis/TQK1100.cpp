#include "analysis/TQK1100.h"

#include "analysis/AnalysisEvaluation.h"
#include "analysis/Regression.h"
#include "analysis/SpinButton.h"
#include "analysis/TQK1102.h"
#include "analysis/TentativeCurves.h"
#include "app/EnterFocus.h"
#include "app/RightEdit.h"
#include "data/Common.h"
#include "data/DataModule.h"
#include "platform/BusyCursor.h"
#include "platform/Dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace analysis {

// ---------------------------------------------------------------- canvas

ChartCanvas::ChartCanvas(TQK1100* window) : QWidget(window), window_(window)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
}

void ChartCanvas::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    // The chart is laid out in window coordinates, the entry panel included.
    p.translate(-x(), 0);
    ChartPainter(window_->data_.chart, window_->size(), TQK1100::panelWidth).paint(p);
}

void ChartCanvas::mousePressEvent(QMouseEvent* event)
{
    window_->canvasPressed(event->position().toPoint() + pos(), event->globalPosition().toPoint(), event->button());
}

// ---------------------------------------------------------------- window

namespace {

QPushButton* button(QWidget* parent, const QString& text, QRect geometry)
{
    auto* b = new QPushButton(text, parent);
    b->setGeometry(geometry);
    return b;
}

QLabel* label(QWidget* parent, const QString& text, QRect geometry)
{
    auto* l = new QLabel(text, parent);
    l->setGeometry(geometry);
    return l;
}

} // namespace

TQK1100::TQK1100(data::TFDM& dm, QWidget* parent) : QWidget(parent, Qt::Window), dm_(dm)
{
    setObjectName(QStringLiteral("QK1100"));
    setWindowTitle(QStringLiteral("プロット"));
    QFont f(QStringLiteral("IPAPGothic"));
    f.setPixelSize(12);
    setFont(f);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);
    resize(1024, 720);
    buildControls();
    resetSeries(data_.chart.employees);
    resetSeries(data_.chart.comparison);
    app::installEnterMovesFocus(this);
}

TQK1100::~TQK1100() = default;

void TQK1100::buildControls()
{
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, panelWidth, height() - 36);
    QPalette pal = Panel1->palette();
    pal.setColor(QPalette::Window, QApplication::palette().color(QPalette::Window));
    Panel1->setPalette(pal);
    Panel1->setAutoFillBackground(true);

    auto field = [this](const char* name, int y, int digits) {
        auto* e = new TRightEdit(Panel1);
        e->setObjectName(QString::fromLatin1(name));
        e->setGeometry(4, y, 48, 22);
        e->setMaxLength(digits);
        e->setAttribute(Qt::WA_InputMethodEnabled, false);
        e->installEventFilter(this);
        return e;
    };
    auto spin = [this](int y) {
        auto* s = new SpinButton(Panel1);
        s->setGeometry(53, y, 16, 22);
        return s;
    };
    Label1 = label(Panel1, QStringLiteral("X軸下限"), QRect(4, 6, 66, 16));
    txtXMin = field("txtXMin", 22, 3);
    spnXMin = spin(22);
    Label2 = label(Panel1, QStringLiteral("X軸上限"), QRect(4, 50, 66, 16));
    txtXMax = field("txtXMax", 66, 3);
    spnXMax = spin(66);
    Label3 = label(Panel1, QStringLiteral("Y軸下限"), QRect(4, 94, 66, 16));
    txtYMin = field("txtYMin", 110, 3);
    spnYMin = spin(110);
    Label4 = label(Panel1, QStringLiteral("Y軸上限"), QRect(4, 138, 66, 16));
    txtYMax = field("txtYMax", 154, 4);
    spnYMax = spin(154);

    btnExec = button(Panel1, QStringLiteral("実　行"), QRect(4, 194, 65, 26));
    btnPrint = button(Panel1, QStringLiteral("印　刷"), QRect(4, 224, 65, 26));
    btnCopy = button(Panel1, QStringLiteral("コピー"), QRect(4, 254, 65, 26));
    btnBack = button(Panel1, QStringLiteral("後"), QRect(4, 284, 65, 26));

    Label7 = label(Panel1, QStringLiteral("描画番号"), QRect(4, 330, 66, 16));
    txtDispNo = new QLineEdit(QStringLiteral("0"), Panel1);
    txtDispNo->setGeometry(4, 346, 30, 22);
    txtDispNo->setObjectName(QStringLiteral("txtDispNo"));
    txtDispNo->setMaxLength(2);
    txtDispNo->setAlignment(Qt::AlignRight);
    txtDispNo->installEventFilter(this);
    btnImport = button(Panel1, QStringLiteral("取込"), QRect(4, 374, 65, 26));
    btn1Dlt = button(Panel1, QStringLiteral("１点消去"), QRect(4, 404, 65, 26));
    for (QWidget* w : std::initializer_list<QWidget*>{Label7, txtDispNo, btnImport, btn1Dlt})
        w->hide();

    connect(btnExec, &QPushButton::clicked, this, &TQK1100::btnExecClick);
    connect(btnPrint, &QPushButton::clicked, this, &TQK1100::btnPrintClick);
    connect(btnCopy, &QPushButton::clicked, this, &TQK1100::btnCopyClick);
    connect(btnBack, &QPushButton::clicked, this, &TQK1100::btnBackClick);
    connect(btnImport, &QPushButton::clicked, this, &TQK1100::btnImportClick);
    connect(btn1Dlt, &QPushButton::clicked, this, &TQK1100::btn1DltClick);
    connect(spnXMin, &SpinButton::clicked, this, [this](int s) { spinClicked(Axis::XMin, s); });
    connect(spnXMax, &SpinButton::clicked, this, [this](int s) { spinClicked(Axis::XMax, s); });
    connect(spnYMin, &SpinButton::clicked, this, [this](int s) { spinClicked(Axis::YMin, s); });
    connect(spnYMax, &SpinButton::clicked, this, [this](int s) { spinClicked(Axis::YMax, s); });

    canvas_ = new ChartCanvas(this);
    canvas_->setObjectName(QStringLiteral("Chart"));
    canvas_->setGeometry(panelWidth, 0, std::max(1, width() - panelWidth), height());
    canvas_->lower();

    // The point menu: the employee panels of the clicked point, and 終了. The matrix raise item
    // has no panel in this program and stays hidden.
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    auto panelItem = [this](const QString& text, int panelNo) {
        QAction* a = PopupMenu1->addAction(text);
        connect(a, &QAction::triggered, this, [this, panelNo] { choosePanel(panelNo); });
        return a;
    };
    mnProfile = panelItem(QStringLiteral("プロフィール(&P)"), 1);
    mnJinji = panelItem(QStringLiteral("人事考課(&J)"), 2);
    mnCarya = panelItem(QStringLiteral("キャリア(&C)"), 3);
    mnSalary = panelItem(QStringLiteral("賃金情報(&S)"), 4);
    mnMatrix = PopupMenu1->addAction(QStringLiteral("マトリクス昇給(&M)"));
    mnMatrix->setVisible(false);
    mnFit = panelItem(QStringLiteral("最適賃金(&F)"), 6);
    mnImage = panelItem(QStringLiteral("イメージ(&I)"), 7);
    mnExit = PopupMenu1->addAction(QStringLiteral("終了(&Q)"));
    connect(mnExit, &QAction::triggered, this, &TQK1100::mnExitClick);

    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    mnCopy = PopupMenu2->addAction(QStringLiteral("画面のコピー(&C)"));
    mnPrint = PopupMenu2->addAction(QStringLiteral("印刷する(&P)"));
    mnAnalize = PopupMenu2->addAction(QStringLiteral("分析評価結果(&A)"));
    mnAnalFit = PopupMenu2->addAction(QStringLiteral("最適賃金分析結果(&F)"));
    mnAnalFit->setVisible(false);
    mnEnd = PopupMenu2->addAction(QStringLiteral("操作パネルに戻る(&B)"));
    connect(mnCopy, &QAction::triggered, this, &TQK1100::btnCopyClick);
    connect(mnPrint, &QAction::triggered, this, &TQK1100::btnPrintClick);
    connect(mnEnd, &QAction::triggered, this, &TQK1100::mnEndClick);
    connect(mnAnalize, &QAction::triggered, this, &TQK1100::mnAnalizeClick);
    connect(mnAnalFit, &QAction::triggered, this, &TQK1100::mnAnalFitClick);
}

void TQK1100::setCallingScreen(int chartNo, CallingScreen screen)
{
    callers_[chartNo] = std::move(screen);
}

void TQK1100::openChart(int chartNo, const QString& title)
{
    PlotChartNo = chartNo;
    setWindowTitle(QStringLiteral("プロット　 【　") + title + QStringLiteral("　】"));
    showMaximized();
    Prepare();
}

void TQK1100::Prepare()
{
    platform::BusyCursor busy;
    clickedRow_ = -1;
    data_ = loadPlotData(dm_, PlotChartNo);
    tentativeCurves().points.clear();

    const bool design = PlotChartNo == chart::RaiseDesign;
    for (QWidget* w : std::initializer_list<QWidget*>{Label7, txtDispNo, btnImport, btn1Dlt})
        w->setVisible(design);
    btnPrint->show();

    setSpinRanges();
    showScale();
    mnAnalFit->setVisible(PlotChartNo == chart::OptimalWage);
    canvas_->repaint();
}

void TQK1100::RemovePointLabels()
{
    data_.chart.points.clear();
    clickedRow_ = -1;
    canvas_->update();
}

void TQK1100::ClosePanels()
{
    if (analysisWindow_)
        analysisWindow_->close();
    if (closePanels)
        closePanels();
}

int& TQK1100::axisValue(Axis axis)
{
    TSDX& s = data_.chart.scale;
    switch (axis) {
    case Axis::XMin: return s.xMin;
    case Axis::XMax: return s.xMax;
    case Axis::YMin: return s.yMin;
    case Axis::YMax: break;
    }
    return s.yMax;
}

TRightEdit* TQK1100::axisField(Axis axis) const
{
    switch (axis) {
    case Axis::XMin: return txtXMin;
    case Axis::XMax: return txtXMax;
    case Axis::YMin: return txtYMin;
    case Axis::YMax: break;
    }
    return txtYMax;
}

SpinButton* TQK1100::axisSpin(Axis axis) const
{
    switch (axis) {
    case Axis::XMin: return spnXMin;
    case Axis::XMax: return spnXMax;
    case Axis::YMin: return spnYMin;
    case Axis::YMax: break;
    }
    return spnYMax;
}

void TQK1100::showScale()
{
    for (Axis a : {Axis::XMin, Axis::XMax, Axis::YMin, Axis::YMax})
        axisField(a)->setText(QString::number(axisValue(a)));
}

void TQK1100::setSpinRanges()
{
    const SpinBounds b = spinBoundsFor(data_.chart.scale);
    spnXMin->setRange(b.xMinLow, b.xMinHigh);
    spnXMax->setRange(b.xMaxLow, b.xMaxHigh);
    spnYMin->setRange(b.yMinLow, b.yMinHigh);
    spnYMax->setRange(b.yMaxLow, b.yMaxHigh);
    // The fields keep their three or four digits unless an axis needs more.
    const std::pair<TRightEdit*, int> fields[] = {{txtXMin, 3}, {txtXMax, 3}, {txtYMin, 3}, {txtYMax, 4}};
    for (auto [field, digits] : fields) {
        const SpinButton* s = field == txtXMin ? spnXMin : field == txtXMax ? spnXMax : field == txtYMin ? spnYMin : spnYMax;
        field->setMaxLength(std::max<int>(digits, int(QString::number(s->maximum()).size())));
    }
}

bool TQK1100::checkAxisField(Axis axis)
{
    TRightEdit* field = axisField(axis);
    const SpinButton* spin = axisSpin(axis);
    int& value = axisValue(axis);
    const AxisEntryCheck c = checkAxisEntry(field->text(), value, spin->minimum(), spin->maximum());
    field->setText(c.shownText);
    if (!c.accepted) {
        platform::dialogs().warning(c.message, platform::appTitle());
        return false;
    }
    value = c.value;
    data_.chart.scale.updateRanges();
    return true;
}

void TQK1100::spinClicked(Axis axis, int step)
{
    TRightEdit* field = axisField(axis);
    const SpinButton* spin = axisSpin(axis);
    const auto typed = data::parseIntText(field->text());
    const int from = typed ? int(std::clamp<qint64>(*typed, spin->minimum(), spin->maximum())) : axisValue(axis);
    field->setText(QString::number(spin->stepped(from, step)));
    if (!checkAxisField(axis))
        field->setFocus(Qt::OtherFocusReason);
}

bool TQK1100::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && isVisible() && !checking_) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Only a move to another control counts as leaving; a message box taking the focus does not.
        const bool leaving = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
        if (leaving && watched == txtDispNo) {
            checking_ = true;
            if (!checkDrawingNoField())
                QTimer::singleShot(0, txtDispNo, [this] { txtDispNo->setFocus(Qt::OtherFocusReason); });
            checking_ = false;
        } else if (leaving) {
            for (Axis a : {Axis::XMin, Axis::XMax, Axis::YMin, Axis::YMax}) {
                if (watched != axisField(a))
                    continue;
                checking_ = true;
                const bool good = checkAxisField(a);
                checking_ = false;
                if (!good) {
                    QWidget* field = axisField(a);
                    // The focus is still moving; take it back once that is over.
                    QTimer::singleShot(0, field, [field] { field->setFocus(Qt::OtherFocusReason); });
                }
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TQK1100::btnExecClick()
{
    platform::BusyCursor busy;
    canvas_->repaint();
}

void TQK1100::btnPrintClick()
{
    if (printChart)
        printChart();
}

QImage TQK1100::copyImage() const
{
    return chartCopyImage(data_.chart, size(), panelWidth);
}

void TQK1100::btnCopyClick()
{
    QGuiApplication::clipboard()->setImage(copyImage());
}

void TQK1100::btnBackClick()
{
    ClosePanels();
    auto it = callers_.find(PlotChartNo);
    if (it != callers_.end() && it->second.reopen)
        it->second.reopen();
}

void TQK1100::mnEndClick()
{
    ClosePanels();
    if (hasPointLabels())
        RemovePointLabels();
    auto it = callers_.find(CurrentChartNo);
    if (it != callers_.end() && it->second.close)
        it->second.close();
    PlotChartNo = 0;
    close();
}

void TQK1100::mnExitClick()
{
    close();
}

void TQK1100::closeEvent(QCloseEvent* event)
{
    PlotChartNo = 0;
    ClosePanels();
    RemovePointLabels();
    QWidget::closeEvent(event);
}

void TQK1100::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Panel1->setGeometry(0, 0, panelWidth, std::max(0, height() - 36));
    canvas_->setGeometry(panelWidth, 0, std::max(1, width() - panelWidth), height());
    canvas_->update();
}

void TQK1100::canvasPressed(QPoint windowPixel, QPoint globalPosition, Qt::MouseButton button)
{
    const ChartPainter painter(data_.chart, size(), panelWidth);
    const int row = painter.pointAt(windowPixel);
    if (row >= 0) {
        // A point answers the left button only; its menu opens beside its label.
        if (button != Qt::LeftButton)
            return;
        clickedRow_ = row;
        clickedLabel_ = mapToGlobal(painter.markRect(row).topLeft());
        mnMatrix->setData(data_.chart.points[size_t(row)].sco);
        PopupMenu1->popup(pointMenuPosition());
        if (pointClicked)
            pointClicked(row, clickedLabel_);
        return;
    }
    if (button == Qt::RightButton)
        PopupMenu2->popup(globalPosition);
    else if (PlotChartNo == chart::RaiseDesign)
        enterTentativePoint(windowPixel, globalPosition);
}

void TQK1100::choosePanel(int panelNo)
{
    if (clickedRow_ < 0 || size_t(clickedRow_) >= data_.chart.points.size())
        return;
    lastPanelNo_ = panelNo;
    if (openPanel)
        openPanel(panelNo, data_.chart.points[size_t(clickedRow_)], clickedLabel_);
}

TQK1102* TQK1100::analysisWindow()
{
    if (!analysisWindow_)
        analysisWindow_ = new TQK1102(this);
    return analysisWindow_;
}

void TQK1100::mnAnalizeClick()
{
    const TAnalize1 texts = buildAnalysisTexts(dm_, data_);
    TQK1102* w = analysisWindow();
    w->fill(analysisWindowTexts(PlotChartNo, data_.xItem, texts));
    w->show();
    w->raise();
}

void TQK1100::mnAnalFitClick()
{
    if (PlotChartNo != chart::OptimalWage)
        return;
    TQK1102* w = analysisWindow();
    w->fill(regressionResultTexts(regressionWorkArea()));
    w->show();
    w->raise();
}

void TQK1100::enterTentativePoint(QPoint windowPixel, QPoint globalPosition)
{
    TSPD& state = tentativeCurves();
    const QString refusal = pointEntryRefusal(txtDispNo->text(), int(state.points.size()));
    if (!refusal.isEmpty()) {
        platform::dialogs().warning(refusal, platform::appTitle());
        return;
    }
    const ChartPainter painter(data_.chart, size(), panelWidth);
    auto point = clickToPoint(painter.layout(), data_.chart.scale, windowPixel);
    if (!point)
        return;
    point->screen = globalPosition;
    state.points.push_back(*point);
    canvas_->update();
}

bool TQK1100::checkDrawingNoField()
{
    TSPD& state = tentativeCurves();
    const DrawingNoCheck c = checkDrawingNo(txtDispNo->text(), state.drawingNo);
    txtDispNo->setText(c.shownText);
    if (!c.accepted) {
        platform::dialogs().warning(c.message, platform::appTitle());
        return false;
    }
    state.drawingNo = c.drawingNo;
    return true;
}

void TQK1100::btn1DltClick()
{
    TSPD& state = tentativeCurves();
    if (state.points.empty()) {
        platform::dialogs().information(QStringLiteral("消去する点はありません。"), platform::appTitle());
        return;
    }
    state.points.pop_back();
    canvas_->update();
}

void TQK1100::btnImportClick()
{
    TSPD& state = tentativeCurves();
    const ImportOutcome out = [&] {
        platform::BusyCursor busy;
        return importTentativeCurve(dm_, state, txtDispNo->text());
    }();
    if (!out.message.isEmpty()) {
        platform::dialogs().warning(out.message, platform::appTitle());
        return;
    }
    platform::BusyCursor busy;
    // The chart shows what the table holds, after a failed write too.
    loadTentativeCurves(dm_, state, data_.chart.comparison, data_.chart.settings.FKINJI != 0);
    if (out.imported) {
        txtDispNo->setText(QStringLiteral("0"));
        state.points.clear();
        if (designCurveImported)
            designCurveImported();
        dm_.state.DataChanged = 1;
    }
    canvas_->repaint();
}

} // namespace analysis

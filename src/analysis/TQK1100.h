#pragma once
// The plot window: the one chart engine of every analysis. A calling screen writes its settings
// (MCHART) and plot rows (DCHART), then hands over with openChart(); the window loads both into its
// series, fits them, sets the axes and draws. The user can change the axis ranges, copy the chart,
// go back to the calling screen, open employee panels from a point, read the analysis evaluation,
// and on the raise curve design chart (1050) click tentative curves and import them.
//
// The window stays open beside the main window (not modal). Points are drawn by the chart itself
// (ChartPainter); a left click on a point opens the point menu beside it, whose panel items go to
// openPanel (installed by the employee panels). A click that hits no point opens no menu.

#include "analysis/PlotData.h"

#include <QWidget>

#include <functional>
#include <map>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class TRightEdit;

namespace data {
class TFDM;
}

namespace analysis {

class SpinButton;
class TQK1100;
class TQK1102;

// The drawing area right of the entry panel.
class ChartCanvas : public QWidget {
    Q_OBJECT
public:
    explicit ChartCanvas(TQK1100* window);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    TQK1100* window_;
};

class TQK1100 : public QWidget {
    Q_OBJECT
public:
    explicit TQK1100(data::TFDM& dm, QWidget* parent = nullptr);
    ~TQK1100() override;

    static constexpr int panelWidth = 73;

    // The window's chart number: what it shows and which screen its back button reopens (0 when
    // nothing is shown).
    int PlotChartNo{0};
    // The chart number of the analysis screen prepared last; its screen is closed by 操作パネルに戻る.
    int CurrentChartNo{0};

    // What each analysis screen gives the window: how to reopen it modally (its own preparation
    // included) and how to close it.
    struct CallingScreen {
        std::function<void()> reopen;
        std::function<void()> close;
    };
    void setCallingScreen(int chartNo, CallingScreen screen);

    // The hand-over of a calling screen that has written its MCHART and DCHART rows: sets the chart
    // number and the caption "プロット　 【　" + title + "　】", shows the window and prepares it.
    void openChart(int chartNo, const QString& title);
    // The loading sequence, ending in a first drawing.
    void Prepare();
    // Whether points of a chart are still on the window, and their removal (the chart is redrawn
    // without them).
    bool hasPointLabels() const { return !data_.chart.points.empty(); }
    void RemovePointLabels();
    // Closes the employee panels opened from points (installed by the panels).
    void ClosePanels();
    std::function<void()> closePanels;

    // A left click on a plotted point: the plot row (index into the rows read) and the position of
    // the point's label on the screen, after the point menu has opened beside it.
    std::function<void(int row, QPoint globalPosition)> pointClicked;
    // An employee panel chosen from the point menu (1 profile, 2 evaluation, 3 career, 4 wage
    // information, 6 optimal wage, 7 image) for the clicked point, whose label is at labelGlobal.
    std::function<void(int panelNo, const PlotPoint& point, QPoint labelGlobal)> openPanel;
    // Printing of the chart (installed by the report writer).
    std::function<void()> printChart;
    // Chart 1050: called after a tentative curve has been imported, so that the raise curve design
    // screen reloads its grid from DSPDRAW and marks its data as changed (installed by that screen).
    std::function<void()> designCurveImported;

    const PlotData& plotData() const { return data_; }
    PlotData& plotData() { return data_; }
    // The plot row clicked last (-1 before any click).
    int clickedRow() const { return clickedRow_; }
    // The panel number chosen last from the point menu (0 before any).
    int lastPanelNo() const { return lastPanelNo_; }
    // Where the point menu opens: the clicked label's screen position + (10, 25).
    QPoint pointMenuPosition() const { return clickedLabel_ + QPoint(10, 25); }
    // The analysis result window (made on first use).
    TQK1102* analysisWindow();
    ChartCanvas* canvas() const { return canvas_; }

    // The chart as the copy button puts it on the clipboard.
    QImage copyImage() const;

    QWidget* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    TRightEdit* txtXMin = nullptr;
    TRightEdit* txtXMax = nullptr;
    TRightEdit* txtYMin = nullptr;
    TRightEdit* txtYMax = nullptr;
    SpinButton* spnXMin = nullptr;
    SpinButton* spnXMax = nullptr;
    SpinButton* spnYMin = nullptr;
    SpinButton* spnYMax = nullptr;
    QPushButton* btnExec = nullptr;
    QPushButton* btnPrint = nullptr;
    QPushButton* btnCopy = nullptr;
    QPushButton* btnBack = nullptr;
    QLabel* Label7 = nullptr;
    QLineEdit* txtDispNo = nullptr;
    QPushButton* btnImport = nullptr;
    QPushButton* btn1Dlt = nullptr;

    // The point menu (opened from a point click) and the background menu (right click).
    QMenu* PopupMenu1 = nullptr;
    QAction* mnProfile = nullptr;
    QAction* mnJinji = nullptr;
    QAction* mnCarya = nullptr;
    QAction* mnSalary = nullptr;
    QAction* mnMatrix = nullptr;
    QAction* mnFit = nullptr;
    QAction* mnImage = nullptr;
    QAction* mnExit = nullptr;
    QMenu* PopupMenu2 = nullptr;
    QAction* mnCopy = nullptr;
    QAction* mnPrint = nullptr;
    QAction* mnAnalize = nullptr;
    QAction* mnAnalFit = nullptr;
    QAction* mnEnd = nullptr;

public Q_SLOTS:
    void btnExecClick();
    void btnPrintClick();
    void btnCopyClick();
    void btnBackClick();
    void mnEndClick();
    void mnExitClick();
    void mnAnalizeClick();
    void mnAnalFitClick();
    // Chart 1050: forget the last clicked point; import the clicked points as a tentative curve.
    void btn1DltClick();
    void btnImportClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class ChartCanvas;
    enum class Axis { XMin, XMax, YMin, YMax };
    void buildControls();
    // The check of an axis field when it is left or its spin button is clicked; false after a message.
    bool checkAxisField(Axis axis);
    void showScale();
    void setSpinRanges();
    int& axisValue(Axis axis);
    TRightEdit* axisField(Axis axis) const;
    SpinButton* axisSpin(Axis axis) const;
    void spinClicked(Axis axis, int step);
    // Click handling of the canvas: a point under a left click, the background menu on a right click.
    void canvasPressed(QPoint windowPixel, QPoint globalPosition, Qt::MouseButton button);
    // Chart 1050: a click on the background enters a tentative point.
    void enterTentativePoint(QPoint windowPixel, QPoint globalPosition);
    bool checkDrawingNoField();
    void choosePanel(int panelNo);

    data::TFDM& dm_;
    PlotData data_;
    ChartCanvas* canvas_ = nullptr;
    std::map<int, CallingScreen> callers_;
    int clickedRow_{-1};
    QPoint clickedLabel_;
    int lastPanelNo_{0};
    TQK1102* analysisWindow_ = nullptr;
    bool checking_{false};
};

}  // namespace analysis

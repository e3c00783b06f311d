#pragma once
// The raise curve design screen: five designed curves of up to six points (x, amount) for one x
// item and one y item, registered per item pair, drawn over the employees' points in the plot
// window (chart 1050), and turned into a wage table by linear interpolation that is exported as a
// CSV file or printed. Created once, shown modally after Prepare().

#include "curves/RaiseDesign.h"
#include "curves/SelectionControls.h"

#include <QDialog>
#include <QList>

#include <array>
#include <functional>
#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace analysis {
class TQK1100;
}

namespace master {
class FieldExit;
}

namespace curves {

class TQK1050 : public QDialog {
    Q_OBJECT
public:
    TQK1050(data::TFDM& dm, analysis::TQK1100* plotWindow, QWidget* parent = nullptr);
    ~TQK1050() override;

    // Run by every opener before showing the screen.
    void Prepare();
    // The grid as the fields show it ("," removed; empty or no number counts as 0).
    DesignGrid grid() const;
    DesignSettings settings() const;
    int xItem() const { return xItem_; }
    int yItem() const { return yItem_; }

    // Clears the grid and loads it again for the current items (also after a curve was imported in
    // the plot window).
    void reloadGrid();

    // txtNenrei[j][k], txtSyokunou[j][k]: point k + 1 of curve j + 1.
    std::array<std::array<QLineEdit*, designPoints>, designCount> txtNenrei{};
    std::array<std::array<QLineEdit*, designPoints>, designCount> txtSyokunou{};
    std::array<QCheckBox*, designCount> chk{};
    std::array<QPushButton*, designCount> btnHanrei{};
    std::array<QLabel*, designCount> xHeaders{};   // Label001, Label003, ... Label009
    std::array<QLabel*, designCount> yHeaders{};   // Label002, Label004, ... Label010
    QList<QRadioButton*> optX;     // optXNenrei ... optXSyokumu
    QList<QRadioButton*> optY;     // optYKoumoku1 ... optYNensyu
    QRadioButton* optLabelFalse = nullptr;
    QRadioButton* optLabelTrue = nullptr;
    std::unique_ptr<SelectionControls> selection;
    QLineEdit* txtTitle = nullptr;
    QPlainTextEdit* txtBikou = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnExec = nullptr;
    QPushButton* btnSalaryList = nullptr;
    QPushButton* btnFile = nullptr;
    QPushButton* btnClose = nullptr;

    // Opens the legend dialog; the default shows TQK1051 modally (tests may replace it).
    std::function<void(int design)> openLegend;
    // Shows the print preview of PreviewFile; the default shows TfrmPrintPreview modally.
    std::function<void()> showPreview;

public Q_SLOTS:
    void btnAddClick();
    void btnExecClick();
    void btnSalaryListClick();
    void btnFileClick();
    void btnCloseClick();

private:
    void buildControls();
    void LoadSettings();
    void clearGrid();
    void loadGrid();
    void showHeaders();
    // A click on an x or y radio while the groups are enabled: the item, the headers, the grid.
    void itemClicked(int& item, int index);
    void setChanged();
    bool checkField(QWidget* field);
    bool leaveFields();
    void focusFirstPoint();

    data::TFDM& dm_;
    analysis::TQK1100* plot_;
    master::FieldExit* fieldExit_ = nullptr;
    int xItem_{0};
    int yItem_{0};
    bool loading_{false};
    bool itemsEnabled_{true};
};

}  // namespace curves

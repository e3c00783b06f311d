#pragma once
// The legend dialog of one designed curve: legend text, description, colour, line style and width
// of a tentative curve slot, with a preview of the line. Created by the design screen for each use.

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace analysis {
struct TentativeSlot;
}

namespace master {
class FieldExit;
}

namespace curves {

class TQK1051 : public QDialog {
    Q_OBJECT
public:
    explicit TQK1051(QWidget* parent = nullptr);

    // Shows slot n (1..5) of the shared tentative curves; the dialog edits that slot directly.
    void Prepare(int n, analysis::TentativeSlot& slot);
    // The preview as drawn: a white line of width 5, then the slot's line when its width is not 0.
    QPixmap preview() const;

    QLineEdit* txtName = nullptr;
    QLabel* lblSample = nullptr;      // "＋" in the slot colour
    QLineEdit* txtHanrei = nullptr;
    QLineEdit* txtComment = nullptr;
    QComboBox* cmbSensyu = nullptr;   // line styles
    QComboBox* cmbSenhaba = nullptr;  // widths 1 .. 5
    QPushButton* btnColor = nullptr;
    QLabel* imgDisp = nullptr;
    QLabel* lblNote = nullptr;
    QPushButton* btnAdd = nullptr;    // never shown
    QPushButton* btnClose = nullptr;

public Q_SLOTS:
    void btnColorClick();
    void btnCloseClick();

private:
    bool checkField(QWidget* field);
    void showSample();
    void drawPreview();

    analysis::TentativeSlot* slot_ = nullptr;
    master::FieldExit* fieldExit_ = nullptr;
};

}  // namespace curves

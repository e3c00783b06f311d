#pragma once
// The analysis result window: the evaluation of the plotted series, or the result of the optimal
// wage regression, on a yellow panel of eight rows. It stays on top of the plot window, keeps its
// size, and closes on a click anywhere on it. The plot window creates it once and refills it.

#include "analysis/AnalysisEvaluation.h"

#include <QWidget>

#include <array>

class QLabel;

namespace analysis {

class TQK1102 : public QWidget {
    Q_OBJECT
public:
    explicit TQK1102(QWidget* parent = nullptr);

    // Clears all eight titles and captions and shows these.
    void fill(const AnalysisWindowTexts& texts);

    QWidget* Panel1 = nullptr;
    std::array<QLabel*, 8> labTitle{};
    std::array<QLabel*, 8> Caption{};

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace analysis

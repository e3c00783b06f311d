#pragma once
// The screens of the company set-up and the employee register, as the main window opens them and
// as the screenshot run shows them. All work on the open company of the current data module.

class QWidget;

namespace master {

// Each shows its screen modally over parent and returns when it is closed. The basic settings form
// is made once per parent and prepared again on each opening (so it keeps the tab last shown); the
// others are made for the one use.
void runTQK0070(QWidget* parent);
void runTfrmSalaryName(QWidget* parent);
void runTQK3020(QWidget* parent);
void runTQK0030(QWidget* parent);

// For the screenshot run: the screen made as a child window of parent, prepared and filled from the
// open company, not yet shown; nullptr when no company is open. It goes with parent.
// tab: 0 日付処理, 1 マーク設定, 2 グラフ設定.
QWidget* makeTQK0070ForScreenshot(QWidget* parent, int tab = 0);
// Work form 1 chosen.
QWidget* makeTfrmSalaryNameForScreenshot(QWidget* parent);
QWidget* makeTQK3020ForScreenshot(QWidget* parent);
// The first employee shown; tab: 0 基本情報, 1 賃金情報, 2 賃金情報２.
QWidget* makeTQK0030ForScreenshot(QWidget* parent, int tab = 0);

} // namespace master

#pragma once
// The user guide: HTML pages compiled into the program and copied into the program folder, where the
// help command opens them with the desktop's browser and the usage-guide viewer shows them.
//
// Layout in the program folder: the first page is "Zododi_Ziraz.html"; the other pages and their
// pictures live under "guide/" (pictures in "guide/images/").

#include <QString>
#include <QStringList>

namespace app {

// The first page of the guide in programDir (programDir ends with '/').
QString guideIndexPath(const QString& programDir);

// The guide's files as compiled in: resource paths below ":/guide/".
QStringList shippedGuideFiles();

// Copies the guide into programDir. A file already there is replaced only when the shipped one is
// newer, so a guide the user (or a later version of the program) put there is kept. False, with a
// message in error, when a file cannot be written.
bool installGuide(const QString& programDir, QString* error = nullptr);

} // namespace app

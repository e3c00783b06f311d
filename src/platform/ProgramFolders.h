#pragma once
// The program's own writable folder and its sub-folders. Every path is absolute, uses "/" and ends
// with "/", so a file name can simply be appended.

#include <QString>
#include <optional>

namespace platform {

struct ProgramFolders {
    QString programDir;   // the home folder given with --home, or defaultHome()
    QString dataDir;      // programDir + "DATA/": control database, template, one folder per fiscal year
    QString csvDir;       // programDir + "CSV/"
    QString reportDir;    // programDir + "Report/": report layouts
    QString pictureDir;   // programDir + "Picture/": employee photos

    // The folders under home (made absolute); an empty home means defaultHome().
    static ProgramFolders forHome(const QString& home);
    // The per-user data folder, e.g. ~/.local/share/karuneo (no trailing "/").
    static QString defaultHome();

    // Creates any folder that is missing. On failure *error (when given) names the folder.
    bool ensureFolders(QString* error) const;
};

// A stored file name relative to folder, resolved the way the file system sees it: "\" counts as
// "/", ".." and symbolic links are followed. Returns the canonical path only when that file exists
// and lies inside the (canonical) folder; a name that leads anywhere else gives nothing.
// Photos are looked up this way so that a stored name can never reach outside Picture/.
std::optional<QString> canonicalInside(const QString& folder, const QString& relativeName);

} // namespace platform

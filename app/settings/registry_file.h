#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <utility>

namespace tw {

class SettingsStore;

// The registry-editor file that installs the default settings, and the program's own importer
// for platforms where no registry editor reads it.
namespace registry_file {

// Written into the program's working directory.
inline const QString FileName = QStringLiteral("Korvane_Reg.reg");
// A real file has a few hundred bytes; anything much larger is not one of ours.
inline constexpr qsizetype MaxSize = 64 * 1024;

using Values = QList<std::pair<QString, QString>>;

// The eight values with their installed defaults, in the order of the file.
Values defaults();

// The file with the installed defaults, byte for byte.
QByteArray text();

struct Parsed {
    Values values; // in the order of the file; empty when refused
    QString error; // why the file was refused; empty when accepted
    bool accepted() const { return error.isEmpty(); }
};

// Accepts only the format text() writes: its header, the two key lines of the program's key and
// the eight known values, each once, as quoted decimal digits. CRLF line ends, blank lines, a
// UTF-8 byte-order mark and another order of the values are tolerated.
Parsed parse(const QByteArray &data);

// Reads and parses the file at path and writes all eight values into the store. A refused file
// or a failed write leaves the store as it was.
Parsed importFile(const QString &path, SettingsStore &store);

} // namespace registry_file
} // namespace tw

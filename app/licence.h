#pragma once

#include <QStringList>

namespace tw {

class Desktop;

inline constexpr char licenceFile[] = "EULA.pdf";

// Where the licence document is looked for: next to the program, then where the installation
// puts it.
QStringList licenceFolders(const QString &programDirectory);

// Opens the licence document in the desktop's viewer; a missing document or a viewer that does
// not start ends the running handler with a message.
void openLicence(Desktop &desktop, const QString &programDirectory);

// Writes the licence text as a paged PDF document; false when the file could not be written.
bool writeLicencePdf(const QString &text, const QString &path);

} // namespace tw

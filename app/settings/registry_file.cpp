#include "app/settings/registry_file.h"

#include "app/settings/settings_store.h"

#include <QFile>
#include <QSet>

namespace tw::registry_file {

namespace {

const QByteArray header = QByteArrayLiteral("Windows Registry Editor Version 5.00");
const QByteArray parentKey = QByteArrayLiteral("[HKEY_CURRENT_USER\\SOFTWARE\\Korvane, Inc.]");
const QByteArray ownKey =
    QByteArrayLiteral("[HKEY_CURRENT_USER\\SOFTWARE\\Korvane, Inc.\\Tracewright]");

QString lineError(int number, const QString &what)
{
    return QStringLiteral("Line %1: %2").arg(number).arg(what);
}

// Text from the file as it may appear inside a message: readable, and short enough for a
// message box. Quoted unless it carries its own quotes.
QString shown(const QByteArray &text)
{
    constexpr qsizetype limit = 60;
    QString result = QString::fromUtf8(text.left(limit));
    if (text.size() > limit)
        result += QStringLiteral("...");
    if (text.startsWith('"'))
        return result;
    return QLatin1Char('"') + result + QLatin1Char('"');
}

bool isBlank(const QByteArray &line)
{
    for (char c : line) {
        if (c != ' ' && c != '\t')
            return false;
    }
    return true;
}

bool isDigits(const QByteArray &text)
{
    if (text.isEmpty())
        return false;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

bool isKnownName(const QString &name)
{
    for (const auto &value : defaults()) {
        if (value.first == name)
            return true;
    }
    return false;
}

// Checks one "name"="value" line; returns the error, or empty with name and value filled.
QString parseValueLine(int number, const QByteArray &line, const QSet<QString> &seen,
                       std::pair<QString, QString> &result)
{
    const qsizetype nameEnd = line.startsWith('"') ? line.indexOf('"', 1) : -1;
    if (nameEnd < 0 || line.mid(nameEnd + 1, 1) != "=") {
        return lineError(number,
                         QStringLiteral("%1 is not a \"name\"=\"value\" line.").arg(shown(line)));
    }
    const QString name = QString::fromUtf8(line.mid(1, nameEnd - 1));
    const QByteArray data = line.mid(nameEnd + 2);

    if (!isKnownName(name))
        return lineError(number, QStringLiteral("unknown value name \"%1\".").arg(name));
    if (seen.contains(name))
        return lineError(number, QStringLiteral("value \"%1\" appears twice.").arg(name));
    if (data == "-") {
        return lineError(number,
                         QStringLiteral("removing the value \"%1\" is not accepted.").arg(name));
    }
    if (!data.startsWith('"')) {
        const qsizetype colon = data.indexOf(':');
        if (colon > 0) {
            return lineError(number, QStringLiteral("value \"%1\" has the type %2; only string "
                                                    "values are accepted.")
                                         .arg(name, QString::fromUtf8(data.left(colon))));
        }
        return lineError(number, QStringLiteral("value \"%1\" is not a quoted string.").arg(name));
    }
    const QByteArray text =
        data.size() >= 2 && data.endsWith('"') ? data.mid(1, data.size() - 2) : QByteArray();
    if (!isDigits(text)) {
        return lineError(number, QStringLiteral("value \"%1\" must be decimal digits in quotes, "
                                                "found %2.")
                                     .arg(name, shown(data)));
    }
    result = {name, QString::fromLatin1(text)};
    return QString();
}

Parsed refused(const QString &error)
{
    return Parsed{Values(), error};
}

} // namespace

Values defaults()
{
    return {
        {setting::ConductorReduction, QStringLiteral("100")},
        {setting::IpcVersion, QStringLiteral("0")},
        {setting::Derating, QStringLiteral("0")},
        {setting::ManualCopperWeight, QStringLiteral("0")},
        {setting::Program, QStringLiteral("0")},
        {setting::Units, QStringLiteral("0")},
        {setting::ViaHeightEnable, QStringLiteral("1")},
        {setting::RegistryStatus, QStringLiteral("0")},
    };
}

QByteArray text()
{
    QByteArray result = header + "\n\n" + parentKey + "\n\n" + ownKey + "\n";
    for (const auto &[name, value] : defaults())
        result += '"' + name.toLatin1() + "\"=\"" + value.toLatin1() + "\"\n";
    return result;
}

Parsed parse(const QByteArray &data)
{
    if (data.size() > MaxSize) {
        return refused(
            QStringLiteral("The file is larger than %1 bytes; it is not a settings file.")
                .arg(MaxSize));
    }
    if (data.startsWith("\xFF\xFE") || data.startsWith("\xFE\xFF"))
        return refused(QStringLiteral("The file is UTF-16 text; only UTF-8 text is accepted."));
    if (data.contains('\0'))
        return refused(QStringLiteral("The file is not a text file."));

    QByteArray body = data;
    if (body.startsWith("\xEF\xBB\xBF"))
        body.remove(0, 3);

    enum class Expect { Header, ParentKey, OwnKey, Values };
    Expect expect = Expect::Header;
    QSet<QString> seen;
    Values values;

    const QList<QByteArray> lines = body.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int number = int(i + 1);
        QByteArray line = lines[i];
        if (line.endsWith('\r'))
            line.chop(1);
        if (isBlank(line))
            continue;

        switch (expect) {
        case Expect::Header:
            if (line != header) {
                return refused(
                    lineError(number, QStringLiteral("expected the header \"%1\", "
                                                     "found %2.")
                                          .arg(QString::fromLatin1(header), shown(line))));
            }
            expect = Expect::ParentKey;
            break;
        case Expect::ParentKey:
        case Expect::OwnKey: {
            const QByteArray &wanted = expect == Expect::ParentKey ? parentKey : ownKey;
            if (line != wanted) {
                return refused(
                    lineError(number, QStringLiteral("expected the key line %1, "
                                                     "found %2.")
                                          .arg(QString::fromLatin1(wanted), shown(line))));
            }
            expect = expect == Expect::ParentKey ? Expect::OwnKey : Expect::Values;
            break;
        }
        case Expect::Values: {
            if (line.startsWith('[')) {
                return refused(lineError(
                    number, QStringLiteral("the key %1 is not accepted; only values of %2 are.")
                                .arg(shown(line), QString::fromLatin1(ownKey))));
            }
            std::pair<QString, QString> value;
            const QString error = parseValueLine(number, line, seen, value);
            if (!error.isEmpty())
                return refused(error);
            seen.insert(value.first);
            values.append(value);
            break;
        }
        }
    }

    switch (expect) {
    case Expect::Header:
        return refused(QStringLiteral("The file is empty."));
    case Expect::ParentKey:
        return refused(QStringLiteral("The file ends before the key line %1.")
                           .arg(QString::fromLatin1(parentKey)));
    case Expect::OwnKey:
        return refused(QStringLiteral("The file ends before the key line %1.")
                           .arg(QString::fromLatin1(ownKey)));
    case Expect::Values:
        break;
    }

    QStringList missing;
    for (const auto &value : defaults()) {
        if (!seen.contains(value.first))
            missing.append(QLatin1Char('"') + value.first + QLatin1Char('"'));
    }
    if (!missing.isEmpty()) {
        return refused(QStringLiteral("These values are missing: %1.")
                           .arg(missing.join(QStringLiteral(", "))));
    }
    return Parsed{values, QString()};
}

Parsed importFile(const QString &path, SettingsStore &store)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(QStringLiteral("The file could not be read: %1.").arg(file.errorString()));
    // Reading one byte past the limit is enough to refuse a larger file, even one whose size
    // the file system does not report.
    const QByteArray data = file.read(MaxSize + 1);
    if (file.error() != QFile::NoError)
        return refused(QStringLiteral("The file could not be read: %1.").arg(file.errorString()));

    Parsed parsed = parse(data);
    if (parsed.accepted() && !store.writeAll(parsed.values))
        return refused(QStringLiteral("The settings could not be saved."));
    return parsed;
}

} // namespace tw::registry_file

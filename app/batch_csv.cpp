#include "app/batch_csv.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QMap>
#include <QStringList>

namespace tw {

namespace {

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString csvValue(const QJsonValue &value)
{
    if (value.isDouble())
        return QString::number(value.toDouble(), 'g', 15);
    return value.toString();
}

// A width or spacing found by a search comes first: it is the answer the case asked for.
QJsonArray shownOf(const QJsonObject &out)
{
    QJsonArray shown = out.value("solved").toArray();
    for (const QJsonValue &result : out.value("results").toArray())
        shown.append(result);
    return shown;
}

} // namespace

// Columns in the order they first appear, so cases of one calculator line up.
QByteArray csvTable(const QJsonArray &cases, const QList<QJsonObject> &outputs)
{
    QStringList inputColumns;
    QStringList resultColumns;
    for (int i = 0; i < outputs.size(); ++i) {
        const QJsonObject inputs = cases.at(i).toObject().value("inputs").toObject();
        for (const QString &key : inputs.keys())
            if (!inputColumns.contains(key))
                inputColumns.append(key);
        for (const QJsonValue &result : shownOf(outputs.at(i))) {
            const QString caption = result.toObject().value("caption").toString();
            const QString column =
                caption.isEmpty() ? result.toObject().value("id").toString() : caption;
            if (!resultColumns.contains(column))
                resultColumns.append(column);
        }
    }
    QStringList header{"case", "calculator"};
    header += inputColumns;
    header += resultColumns;
    header += QStringList{"messages", "error"};
    QStringList lines;
    QStringList fields;
    for (const QString &column : header)
        fields.append(csvField(column));
    lines.append(fields.join(QLatin1Char(',')));
    for (int i = 0; i < outputs.size(); ++i) {
        const QJsonObject &out = outputs.at(i);
        const QJsonObject inputs = cases.at(i).toObject().value("inputs").toObject();
        QMap<QString, QString> results;
        for (const QJsonValue &value : shownOf(out)) {
            const QJsonObject result = value.toObject();
            const QString caption = result.value("caption").toString();
            results.insert(caption.isEmpty() ? result.value("id").toString() : caption,
                           result.contains("number") ? csvValue(result.value("number"))
                                                     : result.value("text").toString());
        }
        QStringList messages;
        for (const QJsonValue &message : out.value("messages").toArray())
            messages.append(message.toObject().value("text").toString());
        const QJsonObject error = out.value("error").toObject();
        fields = {csvField(csvValue(out.value("case"))),
                  csvField(out.value("calculator").toString())};
        for (const QString &column : inputColumns)
            fields.append(csvField(csvValue(inputs.value(column))));
        for (const QString &column : resultColumns)
            fields.append(csvField(results.value(column)));
        fields.append(csvField(messages.join(QStringLiteral(" | "))));
        fields.append(csvField(error.isEmpty()
                                   ? QString()
                                   : error.value("key").toString() + QStringLiteral(": ") +
                                         error.value("reason").toString()));
        lines.append(fields.join(QLatin1Char(',')));
    }
    return (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
}

} // namespace tw

#include "app/batch_output.h"

#include <QJsonDocument>

#include <charconv>
#include <cmath>

namespace tw {

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isSpace(QChar c)
{
    return c.isSpace();
}

void appendString(QByteArray &out, const QString &text)
{
    out += '"';
    const QByteArray utf8 = text.toUtf8();
    for (const char c : utf8) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

void appendNumber(QByteArray &out, double value)
{
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, error == std::errc() ? end - buffer : 0);
}

void appendKey(QByteArray &out, const char *key)
{
    out += '"';
    out += key;
    out += "\":";
}

void appendValue(QByteArray &out, const QJsonValue &value)
{
    if (value.isString())
        appendString(out, value.toString());
    else if (value.isDouble() && std::isfinite(value.toDouble()))
        appendNumber(out, value.toDouble());
    else if (value.isArray())
        out += QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact);
    else if (value.isObject())
        out += QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact);
    else if (value.isBool())
        out += value.toBool() ? "true" : "false";
    else
        out += "null";
}

void appendShown(QByteArray &out, const QList<ShownText> &list)
{
    out += '[';
    for (qsizetype i = 0; i < list.size(); ++i) {
        const ShownText &shown = list.at(i);
        if (i > 0)
            out += ',';
        out += '{';
        appendKey(out, "caption");
        appendString(out, shown.caption);
        out += ',';
        appendKey(out, "id");
        appendString(out, shown.id);
        const std::optional<NumberAndUnit> split = splitNumber(shown.text);
        if (split) {
            out += ',';
            appendKey(out, "number");
            appendNumber(out, split->number);
        }
        out += ',';
        appendKey(out, "text");
        appendString(out, shown.text);
        if (split && !split->unit.isEmpty()) {
            out += ',';
            appendKey(out, "unit");
            appendString(out, split->unit);
        }
        out += '}';
    }
    out += ']';
}

QJsonArray shownArray(const QList<ShownText> &list)
{
    QJsonArray array;
    for (const ShownText &shown : list)
        array.append(shownObject(shown));
    return array;
}

} // namespace

std::optional<NumberAndUnit> splitNumber(const QString &text)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && isSpace(text[i]))
        ++i;
    const qsizetype start = i;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    qsizetype digits = 0;
    for (; i < n && isDigit(text[i]); ++i)
        ++digits;
    if (i < n && text[i] == QLatin1Char('.') && (digits > 0 || (i + 1 < n && isDigit(text[i + 1]))))
        for (++i; i < n && isDigit(text[i]); ++i)
            ++digits;
    if (digits == 0)
        return std::nullopt;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        qsizetype e = i + 1;
        if (e < n && (text[e] == QLatin1Char('+') || text[e] == QLatin1Char('-')))
            ++e;
        if (e < n && isDigit(text[e])) {
            while (e < n && isDigit(text[e]))
                ++e;
            i = e;
        }
    }
    QByteArray number = text.mid(start, i - start).toLatin1();
    if (number.startsWith('+'))
        number.remove(0, 1);
    NumberAndUnit split;
    const auto [end, error] =
        std::from_chars(number.constData(), number.constData() + number.size(), split.number);
    if (error != std::errc() || end != number.constData() + number.size())
        return std::nullopt;
    split.unit = text.mid(i).trimmed();
    return split;
}

QJsonObject shownObject(const ShownText &shown)
{
    QJsonObject object{{"caption", shown.caption}, {"id", shown.id}, {"text", shown.text}};
    if (const std::optional<NumberAndUnit> split = splitNumber(shown.text)) {
        object.insert("number", split->number);
        if (!split->unit.isEmpty())
            object.insert("unit", split->unit);
    }
    return object;
}

QJsonObject CaseOutput::toJson() const
{
    QJsonObject out{{"case", name}};
    if (!calculator.isEmpty())
        out.insert("calculator", calculator);
    if (failed()) {
        out.insert("error", error);
        return out;
    }
    if (!ran)
        return out;
    out.insert("results", shownArray(results));
    out.insert("information", shownArray(information));
    if (solved)
        out.insert("solved", shownArray(*solved));
    out.insert("messages", messages);
    QJsonArray corrections;
    for (const CorrectedEntry &entry : corrected)
        corrections.append(QJsonObject{
            {"caption", entry.caption}, {"id", entry.id}, {"from", entry.from}, {"to", entry.to}});
    out.insert("corrected", corrections);
    return out;
}

QByteArray CaseOutput::jsonLine() const
{
    QByteArray out;
    out.reserve(2048);
    out += '{';
    if (!calculator.isEmpty()) {
        appendKey(out, "calculator");
        appendString(out, calculator);
        out += ',';
    }
    appendKey(out, "case");
    appendValue(out, name);
    if (failed()) {
        out += ',';
        appendKey(out, "error");
        appendValue(out, error);
    } else if (ran) {
        out += ',';
        appendKey(out, "corrected");
        out += '[';
        for (qsizetype i = 0; i < corrected.size(); ++i) {
            const CorrectedEntry &entry = corrected.at(i);
            out += i > 0 ? ",{" : "{";
            appendKey(out, "caption");
            appendString(out, entry.caption);
            out += ',';
            appendKey(out, "from");
            appendString(out, entry.from);
            out += ',';
            appendKey(out, "id");
            appendString(out, entry.id);
            out += ',';
            appendKey(out, "to");
            appendString(out, entry.to);
            out += '}';
        }
        out += "],";
        appendKey(out, "information");
        appendShown(out, information);
        out += ',';
        appendKey(out, "messages");
        appendValue(out, messages);
        out += ',';
        appendKey(out, "results");
        appendShown(out, results);
        if (solved) {
            out += ',';
            appendKey(out, "solved");
            appendShown(out, *solved);
        }
    }
    out += "}\n";
    return out;
}

} // namespace tw

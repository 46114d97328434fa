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
    // Most texts are plain ASCII and go over as they are.
    bool plain = true;
    for (const QChar c : text)
        if (c.unicode() >= 0x80 || c.unicode() < 0x20 || c == QLatin1Char('"') ||
            c == QLatin1Char('\\')) {
            plain = false;
            break;
        }
    if (plain) {
        out += text.toLatin1();
        out += '"';
        return;
    }
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

// The members of one object, written in the order given, with the commas between them.
class Members {
public:
    explicit Members(QByteArray &out) : out_(out) { out_ += '{'; }
    ~Members() { out_ += '}'; }
    Members(const Members &) = delete;
    Members &operator=(const Members &) = delete;

    // Opens a member; its value is written to what is returned.
    QByteArray &key(const char *name)
    {
        if (!first_)
            out_ += ',';
        first_ = false;
        out_ += '"';
        out_ += name;
        out_ += "\":";
        return out_;
    }
    void text(const char *name, const QString &value) { appendString(key(name), value); }

private:
    QByteArray &out_;
    bool first_ = true;
};

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
        Members members(out);
        members.text("caption", shown.caption);
        members.text("id", shown.id);
        const std::optional<NumberAndUnit> split = splitNumber(shown.text);
        if (split)
            appendNumber(members.key("number"), split->number);
        members.text("text", shown.text);
        if (split && !split->unit.isEmpty())
            members.text("unit", split->unit);
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
    // A remark in brackets after the unit, such as a difference in percent, is not the unit.
    split.unit = text.mid(i).trimmed();
    if (const qsizetype remark = split.unit.indexOf(QStringLiteral(" (")); remark > 0)
        split.unit = split.unit.left(remark);
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
    {
        Members members(out);
        if (!calculator.isEmpty())
            members.text("calculator", calculator);
        appendValue(members.key("case"), name);
        if (failed()) {
            appendValue(members.key("error"), error);
        } else if (ran) {
            QByteArray &list = members.key("corrected");
            list += '[';
            for (qsizetype i = 0; i < corrected.size(); ++i) {
                if (i > 0)
                    list += ',';
                Members entry(list);
                entry.text("caption", corrected.at(i).caption);
                entry.text("from", corrected.at(i).from);
                entry.text("id", corrected.at(i).id);
                entry.text("to", corrected.at(i).to);
            }
            list += ']';
            appendShown(members.key("information"), information);
            appendValue(members.key("messages"), messages);
            appendShown(members.key("results"), results);
            if (solved)
                appendShown(members.key("solved"), *solved);
        }
    }
    out += '\n';
    return out;
}

} // namespace tw

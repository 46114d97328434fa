#pragma once

// What one batch case reports, and its two written forms: a JSON object for the CSV table and
// the tests, and the same object as one line of compact JSON text, written directly because a
// run of many cases spends much of its time there.

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>

#include <optional>

namespace tw {

// A text as the window shows it, with the number and unit apart where it starts with a number.
struct ShownText {
    QString caption;
    QString id;
    QString text;
};

struct NumberAndUnit {
    double number = 0;
    QString unit;
};

// "12.5 mils" -> 12.5 and "mils"; "N/A" -> nothing.
std::optional<NumberAndUnit> splitNumber(const QString &text);

struct CorrectedEntry {
    QString caption;
    QString id;
    QString from;
    QString to;
};

struct CaseOutput {
    QJsonValue name;
    QString calculator;
    bool ran = false; // the results, messages and corrections below belong to a finished case
    QList<ShownText> results;
    QList<ShownText> information;
    std::optional<QList<ShownText>> solved;
    QJsonArray messages;
    QList<CorrectedEntry> corrected;
    QJsonObject error;

    bool failed() const { return !error.isEmpty(); }
    QJsonObject toJson() const;
    // One line of compact JSON with its keys in the order toJson's would be written.
    QByteArray jsonLine() const;
};

QJsonObject shownObject(const ShownText &shown);

} // namespace tw

#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>

namespace tw {

// The batch output as a spreadsheet: a header, then one row per case with its inputs, its
// results as numbers where they have one, its messages and its error.
QByteArray csvTable(const QJsonArray &cases, const QList<QJsonObject> &outputs);

} // namespace tw

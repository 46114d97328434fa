#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

namespace tw {

// What a batch run wrote: one JSON object per case on standard output, the reason a whole input
// was refused on standard error. exitCode: 0 every case ran, 1 a case failed, 2 the input was
// refused before any case ran.
struct BatchRun {
    QByteArray output;
    QString errors;
    int exitCode = 0;
};

enum class BatchFormat { Json, Csv };

// Runs the cases of a JSON array or of JSON Lines through the window's own calculators,
// offscreen, with settings kept in memory and messages recorded instead of shown. Csv writes a
// header and one row per case: the case, its inputs, then its results as numbers where they
// have one, its messages and its error.
// With `write`, each JSON line goes to it as soon as its case has run, and output stays empty;
// a long run then holds no more than one case's output.
BatchRun runBatch(const QByteArray &input, BatchFormat format = BatchFormat::Json,
                  const std::function<void(const QByteArray &)> &write = {});

// --list: every calculator with its index; with a name or index, that calculator's inputs,
// selector items and results. exitCode 2 with the valid choices for an unknown calculator.
BatchRun listCalculators(const QString &calculator = QString());

} // namespace tw

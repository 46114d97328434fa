#pragma once

#include "ui/messages.h"

#include <QStringList>

namespace tw::test {

// Records every message box instead of showing it. Questions are answered from a queue of
// prepared answers; a question nobody prepared for is recorded and answered "No".
class MessageRecorder final : public Messages {
public:
    void information(const QString &text) override
    {
        shown.append(QStringLiteral("info: ") + text);
    }
    bool question(const QString &title, const QString &text) override
    {
        shown.append(QStringLiteral("question: ") + title + QStringLiteral(" | ") + text);
        return answers.isEmpty() ? false : answers.takeFirst();
    }
    void error(const QString &text) override { shown.append(QStringLiteral("error: ") + text); }

    // Returns what was shown since the last call and forgets it.
    QStringList take()
    {
        QStringList result = shown;
        shown.clear();
        return result;
    }

    QStringList shown;
    QList<bool> answers;
};

} // namespace tw::test

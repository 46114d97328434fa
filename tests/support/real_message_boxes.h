#pragma once

#include "tests/support/message_recorder.h"

namespace tw::test {

// Shows every message in a real modal box, as the program does, closes the box as soon as it is
// up and records it in the recorder too: a test sees what a real box does to focus and events.
class RealMessageBoxes final : public Messages {
public:
    explicit RealMessageBoxes(MessageRecorder &recorder) : recorder_(recorder) {}
    void information(const QString &text) override;
    bool question(const QString &title, const QString &text) override;
    void error(const QString &text) override;

    // Texts of the boxes that were really on screen.
    QStringList onScreen;

private:
    // Closes the next modal message box with the given button once it is shown.
    void closeWhenShown(int button);

    MessageRecorder &recorder_;
    BoxMessages boxes_;
};

} // namespace tw::test

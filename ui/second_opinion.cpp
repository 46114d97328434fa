#include "ui/second_opinion.h"

#include "ui/number_text.h"

#include <cmath>

namespace tw {

namespace {

const QColor plainBlack(0, 0, 0);

void setPlain(Edit *box, const QString &text, const QString &tip)
{
    box->setText(text);
    setFontColour(box, plainBlack);
    box->setToolTip(tip);
}

} // namespace

void showSolving(Edit *box)
{
    setPlain(box, kSolvingText, QStringLiteral("The field solver is working on this geometry."));
}

void showNoSecondOpinion(Edit *box)
{
    setPlain(box, QStringLiteral("N/A"),
             QStringLiteral("No field solution: the closed form gives no value for this "
                            "geometry, or the geometry has no solution."));
}

void showSecondOpinion(Edit *box, double solved, double closedForm)
{
    if (!(solved > 0.0) || !std::isfinite(solved) || !std::isfinite(closedForm)) {
        showNoSecondOpinion(box);
        return;
    }
    const double percent = 100.0 * (closedForm / solved - 1.0);
    double shown = std::round(percent * 10.0) / 10.0;
    const bool coarse = std::abs(shown) >= 10.0;
    if (coarse)
        shown = std::round(percent);
    if (shown == 0.0)
        shown = 0.0; // no "-0.0"
    const QString signedPercent = (shown >= 0.0 ? QStringLiteral("+") : QString()) +
                                  formatResult(coarse ? "%.0f" : "%.1f", shown);
    box->setText(formatResult("%.2f Ohms", solved) + " (" + signedPercent + " %)");
    const double size = std::abs(percent);
    QString tip;
    if (size > kWarningPercent) {
        setFontColour(box, warningRed);
        tip = "The closed form is " + signedPercent +
              " % off the field solver: this geometry is outside the range the closed form was "
              "fitted to. Trust the field solver.";
    } else if (size > kCautionPercent) {
        setFontColour(box, cautionAmber);
        tip = "The closed form is " + signedPercent +
              " % off the field solver: this geometry is near the edge of the closed form's "
              "fitted range. Prefer the field solver.";
    } else {
        setFontColour(box, plainBlack);
        tip = "The closed form agrees with the field solver within 3 %: either can be used.";
    }
    box->setToolTip(tip + " The field solver is a quasi-static 2-D solution of the cross-section "
                          "as entered, within about 0.3 %; it leaves out frequency dispersion "
                          "and losses.");
}

} // namespace tw

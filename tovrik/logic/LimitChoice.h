#pragma once

#include "tovrik/logic/DrillRun.h"

#include <QString>

#include <optional>

namespace drill {

// The training form picked on the menu, as its two option buttons show it.
enum class TrainingForm { None, ByTime, ByCount };

// Which of the menu's two number rows are on show: each a number and its unit.
struct ShownRows {
    bool minutes = true;
    bool minutesUnit = false;
    bool questions = true;
    bool questionsUnit = false;

    friend bool operator==(const ShownRows &, const ShownRows &) = default;
};

// The menu's choice of a training form and its limit, from the typed entries to the limits a
// drill opens with. The menu only shows it: the option buttons, the number rows and their texts.
//
// Each form keeps the last number typed for it, accepted or not (a Cancel or an entry that is not
// a number keeps the one before); a number below 1 is refused and unpicks the form. The limits
// are what the number rows show: a form's number goes in once it is accepted and stays until the
// menu is returned to, so a limit of the other form entered earlier in the same visit stays in
// force.
class LimitChoice
{
public:
    // The time form is picked and its entry typed. True when the minutes are accepted; a refusal
    // leaves the rows and the limits as they were.
    bool chooseTime(const QString &typed);

    // The question form is picked: its row shows at once, before its number is asked.
    void pickCount();
    // The question form's entry is typed (its row on show, as pickCount leaves it). True when
    // the number of questions is accepted.
    bool chooseCount(const QString &typed);

    // A drill button is pressed. Unless the time form is picked, a drill needs a number of
    // questions kept from this visit, and unless the question form is picked, a number of minutes.
    // A drill that may open opens with limits(), and both kept numbers are forgotten (the limits
    // shown stay); otherwise the press is refused, which unpicks the form.
    std::optional<Limits> open();

    // The menu is given back after a drill or its report: no form picked, no limits shown. The
    // rows stay as they were.
    void returnToMenu();

    TrainingForm form() const { return m_form; }
    Limits limits() const { return m_limits; }
    ShownRows rows() const { return m_rows; }

private:
    TrainingForm m_form = TrainingForm::None;
    int m_minutesEntered = 0;
    int m_questionsEntered = 0;
    Limits m_limits;
    ShownRows m_rows;
};

} // namespace drill

#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>
#include <optional>

class WizardPageHost;

// The number of motion blocks is the element count of every per-block parameter; it is
// changed for all of them together, so that one count holds for every block array. Every
// page that changes it goes through change(): a smaller count destroys the blocks beyond it,
// which happens only after the user said yes to a question naming them.
namespace BlockCount {

// The drive addresses at most this many blocks.
constexpr int Maximum = 16380;

constexpr bool isValid(int count)
{
    return count >= 1 && count <= Maximum;
}

// Gives every per-block parameter the drive has the count; an invalid count, no host or a
// read-only one changes nothing. Returns whether the count was applied.
bool resize(WizardPageHost *host, int count);

// The question before a count drops blocks, naming the first and the last that go.
QString shrinkTitle();
QString shrinkQuestion(int current, int wanted);

// Shows a question box on the page and returns the answer; nullopt when the page went away
// while the box was open.
using Ask = std::function<std::optional<QMessageBox::StandardButton>(const QString &title, const QString &text)>;

enum class Outcome { Changed, Unchanged, PageGone };
// Changes the count from current to wanted: a larger count at once, a smaller one after a yes.
// An invalid or equal count, a No and a read-only host change nothing.
Outcome change(WizardPageHost *host, int current, int wanted, const Ask &ask);

} // namespace BlockCount

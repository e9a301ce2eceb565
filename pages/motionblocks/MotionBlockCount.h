#pragma once

class WizardPageHost;

// The number of motion blocks is the element count of every per-block parameter; it is
// changed for all of them together, so that one count holds for every block array.
namespace MotionBlockCount {

// The drive addresses at most this many blocks.
constexpr int Maximum = 16380;

constexpr bool isValid(int count)
{
    return count >= 1 && count <= Maximum;
}

// Gives every per-block parameter the drive has the count; an invalid count, no host or a
// read-only one changes nothing. Returns whether the count was applied.
bool resize(WizardPageHost *host, int count);

} // namespace MotionBlockCount

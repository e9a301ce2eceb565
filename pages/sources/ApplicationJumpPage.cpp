#include "ApplicationJumpPage.h"

void ApplicationJumpPage::jumpToApplication(const QStringList &candidates)
{
    for (const QString &candidate : candidates) {
        if (pageInTree(candidate)) {
            jumpTo(candidate);
            return;
        }
    }
    // None is in the tree: the jump procedure reports the missing page.
    jumpTo(candidates.value(0));
}

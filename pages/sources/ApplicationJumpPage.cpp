#include "ApplicationJumpPage.h"

void ApplicationJumpPage::jumpToApplication(const QStringList &candidates)
{
    jumpToFirstInTree(candidates);
}

#include "ClickConnections.h"

void connectClicks(QObject *page, std::initializer_list<ClickTarget> targets)
{
    for (const ClickTarget &target : targets)
        QObject::connect(target.sender, SIGNAL(clicked()), page, target.slot, Qt::UniqueConnection);
}

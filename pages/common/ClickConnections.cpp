#include "ClickConnections.h"

void connectClicks(QObject *page, std::initializer_list<ClickTarget> targets)
{
    for (const ClickTarget &target : targets) {
        const bool label = qobject_cast<ClickableLabel *>(target.sender) != nullptr;
        QObject::connect(target.sender, SIGNAL(clicked()), page, target.slot,
                         label ? Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection) : Qt::UniqueConnection);
    }
}

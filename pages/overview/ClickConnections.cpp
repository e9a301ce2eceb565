#include "ClickConnections.h"

#include "ClickableLabel.h"

void connectClicks(QObject *page, std::initializer_list<ClickTarget> targets)
{
    for (const ClickTarget &target : targets) {
        // A label may still handle its mouse event after it emitted the click; the jump (and the
        // box it may open, during which the host may delete the page) waits until it has.
        const bool label = qobject_cast<ClickableLabel *>(target.sender) != nullptr;
        QObject::connect(target.sender, SIGNAL(clicked()), page, target.slot,
                         label ? Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection) : Qt::UniqueConnection);
    }
}

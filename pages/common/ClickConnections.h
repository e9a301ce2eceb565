#pragma once

#include "ClickableLabel.h"

#include <QObject>

#include <initializer_list>
#include <utility>

// A clickable label still handles its mouse event after it emitted the click, so its jump (and
// the box it may open, during which the host may delete the page) is queued until it has.
template <typename Page, typename Slot>
QMetaObject::Connection connectClick(ClickableLabel *label, Page *page, Slot &&slot)
{
    return QObject::connect(label, &ClickableLabel::clicked, page, std::forward<Slot>(slot), Qt::QueuedConnection);
}

// A clickable area or label and the page slot (given with SLOT()) its "clicked()" runs.
struct ClickTarget
{
    QObject *sender;
    const char *slot;
};

// Connects every sender's "clicked()" to its slot of the page, queued for labels as above.
// Unique, so that a page may connect again in a repeated initial update.
void connectClicks(QObject *page, std::initializer_list<ClickTarget> targets);

#pragma once

#include <QObject>

#include <initializer_list>

// A clickable area or label and the page slot (given with SLOT()) its "clicked()" runs.
struct ClickTarget
{
    QObject *sender;
    const char *slot;
};

// Connects every sender's "clicked()" to its slot of the page. Unique, so that a page may
// connect again in a repeated initial update.
void connectClicks(QObject *page, std::initializer_list<ClickTarget> targets);

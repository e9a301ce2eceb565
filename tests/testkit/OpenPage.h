#pragma once

#include "RecordingHost.h"

#include <QWidget>

#include <memory>

// Opens a page as the host does (attached, initialised, then shown); the holder owns it.
template<typename Page>
Page *openPage(RecordingHost &host, std::unique_ptr<QWidget> &holder)
{
    auto page = std::make_unique<Page>();
    Page *raw = page.get();
    host.attach(raw);
    raw->show();
    holder = std::move(page);
    return raw;
}

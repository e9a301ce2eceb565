#pragma once

#include "EntryPoints.h"

#include <QLibrary>
#include <QString>
#include <QStringList>

class QTranslator;
class WizardPage;

// The plug-in as the host sees it: a shared library found by file name whose six entry
// points are resolved by name. Texts that come back are copied into the workbench's own
// memory, since the plug-in's constant strings vanish when it is unloaded.
class PluginLibrary
{
public:
    PluginLibrary();
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary &) = delete;
    PluginLibrary &operator=(const PluginLibrary &) = delete;

    // The plug-in next to the running executable, else the one in the installed plug-in folder.
    static QString defaultPath();

    // Loads the library and resolves every entry point; on failure nothing stays loaded and
    // error says which file and what is missing.
    bool load(const QString &path, QString *error);
    // Unloads the library. Pages and translators it made must be gone by then.
    void unload();
    bool isLoaded() const { return m_containerName != nullptr; }
    QString fileName() const { return m_library.fileName(); }

    QString containerName() const;
    QStringList content() const;
    QStringList staticContent() const;
    // A new page owned by the caller, or null.
    WizardPage *createPage(const QString &identifier) const;
    Text pageName(const QString &identifier) const;
    // The plug-in's translator for a language; it stays the plug-in's object (see Workbench).
    QTranslator *translator(int language) const;

private:
    void forget();

    QLibrary m_library;
    BrevaneEntryPoints::ContainerName m_containerName = nullptr;
    BrevaneEntryPoints::Content m_content = nullptr;
    BrevaneEntryPoints::StaticContent m_staticContent = nullptr;
    BrevaneEntryPoints::CreateWizardPage m_createPage = nullptr;
    BrevaneEntryPoints::WizardPageName m_pageName = nullptr;
    BrevaneEntryPoints::Translator m_translator = nullptr;
};

// The six functions the host finds by name when it loads the plug-in.

#include "BrevaneVersion.h"
#include "PageRegistry.h"
#include "WizardPage.h"

#include <QStringList>
#include <QTranslator>

#define BREVANE_EXPORT extern "C" __attribute__((visibility("default")))

// The version as text in the file, for what(1) or "strings libBrevane.so | grep '@(#)'": the
// host's contract has no entry point that could report it.
[[gnu::used]] static const char versionTag[] = "@(#)Brevane " BREVANE_VERSION;

// Every string handed to the host owns its characters: a host may keep one after it has
// unloaded the library, when a literal's characters in the library's read-only data are gone.
BREVANE_EXPORT QString containerNameFunction()
{
    return QString::fromLatin1("Brevane");
}

BREVANE_EXPORT QStringList contentFunction()
{
    return PageRegistry::identifiers();
}

BREVANE_EXPORT QStringList staticContentFunction()
{
    return PageRegistry::staticIdentifiers();
}

BREVANE_EXPORT WizardPage *createWizardPageFunction(const QString &identifier)
{
    return PageRegistry::createPage(identifier);
}

BREVANE_EXPORT Text wizardPageNameFunction(const QString &identifier)
{
    return PageRegistry::pageName(identifier);
}

BREVANE_EXPORT QTranslator *translator(int language)
{
    return PageRegistry::translator(language);
}

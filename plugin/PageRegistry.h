#pragma once

#include "Text.h"

#include <QString>
#include <QStringList>

class QTranslator;
class WizardPage;

// The plug-in's pages: one compiled-in table of identifier, page class and display name.
namespace PageRegistry {

// All identifiers in the host's order.
QStringList identifiers();
// The pages the host always creates.
QStringList staticIdentifiers();
// A new page for the identifier (exact match), owned by the caller; null for an
// identifier that is not in the table or whose page is not available.
WizardPage *createPage(const QString &identifier);
// The display name in three languages; a Text without languages for an unknown identifier.
Text pageName(const QString &identifier);

// The translator of a language (1 German, 2 English, 3 French), created on first use
// and kept for the life of the process; null for any other language. A catalogue that
// fails to load gives an empty translator that is not kept, so the next call tries again.
QTranslator *translator(int language);

} // namespace PageRegistry

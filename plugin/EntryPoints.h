#pragma once

// Signatures of the plug-in's entry points, for hosts that resolve them by name.

#include "Text.h"

#include <QString>
#include <QStringList>

class QTranslator;
class WizardPage;

namespace BrevaneEntryPoints {
using ContainerName = QString (*)();
using Content = QStringList (*)();
using StaticContent = QStringList (*)();
using CreateWizardPage = WizardPage *(*)(const QString &);
using WizardPageName = Text (*)(const QString &);
using Translator = QTranslator *(*)(int);
} // namespace BrevaneEntryPoints

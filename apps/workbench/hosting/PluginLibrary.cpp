#include "PluginLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// A copy whose characters live in the workbench's heap, not in the plug-in's constants.
QString ownCopy(const QString &text)
{
    if (text.isNull())
        return QString();
    return QString(text.constData(), text.size());
}

QStringList ownCopies(const QStringList &texts)
{
    QStringList copies;
    copies.reserve(texts.size());
    for (const QString &text : texts)
        copies << ownCopy(text);
    return copies;
}

template <typename Function>
bool resolve(QLibrary &library, const char *name, Function *function, QString *missing)
{
    *function = reinterpret_cast<Function>(library.resolve(name));
    if (*function == nullptr && missing->isEmpty())
        *missing = QLatin1String(name);
    return *function != nullptr;
}

} // namespace

PluginLibrary::PluginLibrary() = default;

PluginLibrary::~PluginLibrary()
{
    unload();
}

QString PluginLibrary::defaultPath()
{
    // In the build tree the plug-in lies next to the executable; an installed workbench finds
    // it in the plug-in folder by a relative path, so that the installed tree can be moved.
    const QDir executableDir(QCoreApplication::applicationDirPath());
    const QString besideExecutable = executableDir.filePath(QStringLiteral(BREVANE_PLUGIN_FILE_NAME));
    if (QFileInfo::exists(besideExecutable))
        return besideExecutable;
    return QDir::cleanPath(executableDir.filePath(QStringLiteral(BREVANE_INSTALLED_PLUGIN_DIR "/" BREVANE_PLUGIN_FILE_NAME)));
}

bool PluginLibrary::load(const QString &path, QString *error)
{
    unload();
    // The loader would try variants of a name it cannot find and report the last one it made
    // up; a file that is not there is reported as the user named it.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Cannot load the plug-in %1: %2").arg(path, file.errorString());
        return false;
    }
    m_library.setFileName(QFileInfo(file).absoluteFilePath());
    if (!m_library.load()) {
        if (error)
            *error = QStringLiteral("Cannot load the plug-in %1: %2").arg(path, m_library.errorString());
        return false;
    }

    QString missing;
    resolve(m_library, "containerNameFunction", &m_containerName, &missing);
    resolve(m_library, "contentFunction", &m_content, &missing);
    resolve(m_library, "staticContentFunction", &m_staticContent, &missing);
    resolve(m_library, "createWizardPageFunction", &m_createPage, &missing);
    resolve(m_library, "wizardPageNameFunction", &m_pageName, &missing);
    resolve(m_library, "translator", &m_translator, &missing);
    if (!missing.isEmpty()) {
        if (error) {
            *error = QStringLiteral("%1 is no Brevane plug-in: the entry point \"%2\" is missing")
                         .arg(QFileInfo(m_library.fileName()).absoluteFilePath(), missing);
        }
        forget();
        m_library.unload();
        return false;
    }
    return true;
}

void PluginLibrary::unload()
{
    if (!m_library.isLoaded())
        return;
    forget();
    m_library.unload();
}

void PluginLibrary::forget()
{
    m_containerName = nullptr;
    m_content = nullptr;
    m_staticContent = nullptr;
    m_createPage = nullptr;
    m_pageName = nullptr;
    m_translator = nullptr;
}

QString PluginLibrary::containerName() const
{
    return m_containerName ? ownCopy(m_containerName()) : QString();
}

QStringList PluginLibrary::content() const
{
    return m_content ? ownCopies(m_content()) : QStringList();
}

QStringList PluginLibrary::staticContent() const
{
    return m_staticContent ? ownCopies(m_staticContent()) : QStringList();
}

WizardPage *PluginLibrary::createPage(const QString &identifier) const
{
    return m_createPage ? m_createPage(identifier) : nullptr;
}

Text PluginLibrary::pageName(const QString &identifier) const
{
    Text copy;
    if (!m_pageName)
        return copy;
    const Text name = m_pageName(identifier);
    for (int language : {Text::German, Text::English, Text::French}) {
        if (name.hasLanguage(language))
            copy.setText(language, ownCopy(name.text(language)));
    }
    return copy;
}

QTranslator *PluginLibrary::translator(int language) const
{
    return m_translator ? m_translator(language) : nullptr;
}

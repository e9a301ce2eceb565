#pragma once

#include "ModalWatcher.h"
#include "PageScript.h"
#include "RecordingHost.h"
#include "TableColumns.h"
#include "WizardPage.h"

#include <QObject>

#include <memory>

// The outcome of a link to a page the tree lacks or hides, as a state of PageScript.
inline const QString missingPage = QStringLiteral("box=Assistentenseite~fehlt~in~der~Baum-Definition.");
inline const QString hiddenPage = QStringLiteral("box=Assistentenseite~ist~aktuell~ausgeblendet.");

// The fixture of the page tests: every test, and every row of one, gets a new host, watcher and
// script.
class PageFixture : public QObject
{
    Q_OBJECT
protected:
    // Sets the host up (seed tokens, see seedTokens(), and "@step" a step of PageScript) and opens
    // the registered page as the host does; writes are recorded from here on.
    WizardPage *open(const QString &page, const QStringList &setup = {}, bool show = true);
    void fresh();

    std::unique_ptr<RecordingHost> m_host;
    std::unique_ptr<ModalWatcher> m_watcher;
    std::unique_ptr<PageScript> m_script;
    std::unique_ptr<WizardPage> m_page;

private slots:
    void init() { fresh(); }
    void cleanup();
};

// The same with a table that runs every test's rows: what a page shows and wrote after a script.
// Where each link leads is held for every page in its journal (tests/allpages).
class PageTable : public PageFixture
{
    Q_OBJECT
protected:
    // Rows of states(): the setup before the page opens (see open()), the script while it is
    // shown, the expected states (see PageScript) and the writes of the page, also while it
    // opened, as "J40.0=3 J41.2=1".
    virtual void stateRows() = 0;
    static void addState(const QString &name, const QString &page, const QStringList &setup,
        const QStringList &script, const QString &expected, const QString &writes = {});

private slots:
    void states_data();
    void states();
};

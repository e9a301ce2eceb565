#pragma once

#include <QHash>
#include <QPointer>
#include <QRandomGenerator>
#include <QStringList>

#include "ParameterStore.h"

class PluginSession;
class QWidget;
class WizardPage;

// Plays random user actions and drive changes against one page: values written into the
// parameters the page reads (valid, out of range, overflowing, no number at all), element
// counts, removed parameters, online/read-only, device, bus and language switches, and
// clicks, combo box choices and typing into every enabled widget found on the page.
// The same seed plays the same actions.
class RandomInput
{
public:
    RandomInput(PluginSession *session, quint64 seed);

    // Performs one action on the page and returns what it did.
    QString step(WizardPage *page);
    // Answers a modal box or dialog the way a user might (a button, Escape, typed text).
    void answerModal(QWidget *modal);

    // The last actions, the newest last.
    QStringList recent() const { return m_recent; }

private:
    QString pickCoordinate();
    QString randomValue(const QString &coordinate);
    QString oddText();
    QString writeValue(WizardPage *);
    QString corruptValue(WizardPage *);
    QString changeElementCount(WizardPage *);
    QString removeParameter(WizardPage *);
    QString restoreParameter(WizardPage *);
    // Clicks or follows a link, at random among what the page offers.
    QString use(WizardPage *page, bool link);
    QString click(WizardPage *page) { return use(page, false); }
    QString activateLink(WizardPage *page) { return use(page, true); }
    QString chooseInCombo(WizardPage *page);
    QString typeIntoField(WizardPage *page);
    QString useItemView(WizardPage *page);
    QString switchHostState(WizardPage *page);
    QString handOverMotionBlock(WizardPage *);
    QString changeTree(WizardPage *);
    void reshow(WizardPage *page);

    template <typename T>
    const T &pick(const QList<T> &list) { return list.at(int(m_random.bounded(quint32(list.size())))); }
    int below(int bound) { return bound <= 0 ? 0 : int(m_random.bounded(quint32(bound))); }

    PluginSession *m_session;
    QRandomGenerator m_random;
    QStringList m_allCoordinates;
    QHash<QString, ParameterDefinitionData> m_originals;
    QStringList m_recent;
};

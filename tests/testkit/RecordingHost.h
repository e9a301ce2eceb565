#pragma once

#include "ParameterStore.h"
#include "WizardPageHost.h"

#include <QMap>
#include <QStringList>

#include <functional>

class WizardPage;

// A WizardPageHost for tests: a page tree with visibility, a parameter store, and a log of
// the calls a test wants to check, in call order, written as "jumpToPage(Fahrsatz)".
class RecordingHost : public WizardPageHost
{
    Q_OBJECT
public:
    explicit RecordingHost(QObject *parent = nullptr);

    ParameterStore &store() { return m_store; }

    // Page tree: identifier -> visible.
    void addPage(const QString &identifier, bool visible = true) { m_pages.insert(identifier, visible); }
    void addPages(const QStringList &identifiers, bool visible = true);
    void removePage(const QString &identifier) { m_pages.remove(identifier); }
    bool pageVisible(const QString &identifier) const { return m_pages.value(identifier, false); }

    void setReadOnly(bool readOnly);
    void setOnline(bool online);
    void setLivingSpace(eLivingSpace livingSpace) { m_livingSpace = livingSpace; }
    void setDeviceType(eDeviceType type) { m_deviceType = type; }
    void setFieldbusType(eFieldbusType type) { m_fieldbusType = type; }
    // What startControlPanel returns (nonzero: started).
    void setControlPanelHandle(int handle) { m_panelHandle = handle; }

    QStringList calls() const { return m_calls; }
    void clearCalls() { m_calls.clear(); }
    // Calls whose text starts with one of the prefixes, in order.
    QStringList calls(const QStringList &prefixes) const;
    quint32 controlPanelWord() const { return m_panelWord; }
    // Whether a control panel holds the axis (started and not stopped since).
    bool controlPanelActive() const { return m_panelActive; }
    // A host that leaves the word as it was when a panel stops (the default clears it).
    void setKeepsWordOnStop(bool keeps) { m_keepsWordOnStop = keeps; }
    // Called after every control-panel call, with the call's text, once the host has acted on it.
    void setCallObserver(std::function<void(const QString &)> observer) { m_observer = std::move(observer); }
    int fahrsatzNummer() const;

    // Sets the page's host (this, or a host that wraps it), initializes its parameter controls
    // and calls initialUpdate(), as the real host does after creating a page.
    void attach(WizardPage *page, WizardPageHost *as = nullptr);

    bool isReadOnly() const override { return m_readOnly; }
    bool isOnline() const override { return m_online; }
    eLivingSpace livingSpace() const override { return m_livingSpace; }
    ParameterProvider *parameterProvider() const override { return &m_store; }
    bool containsPage(const QString &identifier) const override;
    void jumpToPage(const QString &identifier, const QString &elementName) override;
    bool isPageVisible(const QString &identifier) const override;
    void showPage(const QString &identifier) override;
    void hidePage(const QString &identifier) override;
    void requestParameterInput(const QString &prompt) override;
    int startControlPanel(const QString &coordinate) override;
    void stopControlPanel() override;
    void setControlPanelFlag(bool on) override;
    void setControlPanelBit(int bit, bool on) override;
    eDeviceType deviceType() const override { return m_deviceType; }
    eFieldbusType fieldbusType() const override { return m_fieldbusType; }

private:
    void record(const QString &call) const { m_calls << call; }
    // A control-panel call, recorded once the host has acted on it and then observed.
    void observed(const QString &call) const
    {
        record(call);
        if (m_observer)
            m_observer(call);
    }

    mutable ParameterStore m_store;
    QMap<QString, bool> m_pages;
    mutable QStringList m_calls;
    eLivingSpace m_livingSpace = eLivingSpace(1);
    eDeviceType m_deviceType = eDeviceTypeKM2;
    eFieldbusType m_fieldbusType = eFieldbusEtherCAT;
    quint32 m_panelWord = 0;
    int m_panelHandle = 1;
    bool m_panelActive = false;
    bool m_keepsWordOnStop = false;
    std::function<void(const QString &)> m_observer;
    bool m_readOnly = false;
    bool m_online = true;
};

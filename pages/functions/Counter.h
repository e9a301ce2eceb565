#pragma once

#include "IndirectPair.h"
#include "SwitchableElementPage.h"

#include <memory>

namespace Ui {
class Counter;
}

// The counters, one at a time. Two of a counter's parameters hold the addresses of its
// counting input and its reset; the parameters they name are shown beneath them.
class Counter : public SwitchableElementPage
{
    Q_OBJECT
public:
    explicit Counter(QWidget *parent = nullptr);
    ~Counter() override;

    QString identifier() const override { return QString::fromLatin1("Counter"); }
    void initialUpdate() override;

public slots:
    void onCheckBoxN40Clicked() { writeSwitch(); }
    void onParaN45Changed() { showIndirect(m_countingInput); }
    void onParaN47Changed() { showIndirect(m_reset); }
    void UpdatePage() override;
    void connectParameterControls();

private:
    void showIndirect(const IndirectPair &pair);

    std::unique_ptr<Ui::Counter> ui;
    QList<ParameterControl *> m_rows;
    IndirectPair m_countingInput;
    IndirectPair m_reset;
};

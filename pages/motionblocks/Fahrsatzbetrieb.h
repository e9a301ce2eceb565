#pragma once

#include "BrevanePage.h"

#include <memory>

class MotionBlockTableModel;
class QModelIndex;
class QTimer;

namespace Ui {
class Fahrsatzbetrieb;
}

// Overview of all motion blocks: their number, one table row per block with name, command,
// setpoint and follow-up blocks, and the way into the editor and follow-up page of a block.
class Fahrsatzbetrieb : public BrevanePage
{
    Q_OBJECT
public:
    explicit Fahrsatzbetrieb(QWidget *parent = nullptr);
    ~Fahrsatzbetrieb() override;

    QString identifier() const override;
    void initialUpdate() override;

public slots:
    void connectParameterControls();
    void onCollectValueChangeSignals();
    void onFahrsatzTableChanged();
    void onOnlineChanged(bool online = false);
    void AnzahlAendernClicked();
    void ResetFahrsaetzeClicked();
    void JumpToClickedMotionBlock(int block);
    void JumpToClickedFollowMotionBlock(int row);
    // By name, for a host's buttons: the block from the sender's text, or ("-") the row from its
    // object name; without such a sender the table's current row.
    void JumpToClickedMotionBlock();
    void JumpToClickedFollowMotionBlock();
    void JumpToG462();
    void JumpToG471();
    void JumpToG80();
    void JumpToAntriebsbeobBewegung();

protected:
    void showEvent(QShowEvent *event) override;
    // Headers and commands are texts of the language.
    void retranslatePage() override { onFahrsatzTableChanged(); }

private slots:
    void onTableTargetClicked(const QModelIndex &index, int button);

private:
    std::unique_ptr<Ui::Fahrsatzbetrieb> ui;
    QTimer *m_refreshTimer;
    MotionBlockTableModel *m_model;
};

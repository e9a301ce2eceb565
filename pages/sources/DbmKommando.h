#pragma once

#include "BrevanePage.h"

#include <QHash>

#include <memory>

class ParameterControl;

namespace Ui {
class DbmKommando;
}

// Command operating mode: the active command (J40) and the parameters it uses. Which
// parameters are editable, which links show and which diagram is drawn all follow J40.
class DbmKommando : public BrevanePage
{
    Q_OBJECT
public:
    explicit DbmKommando(QWidget *parent = nullptr);
    ~DbmKommando() override;

    QString identifier() const override;
    void initialUpdate() override;

public slots:
    void Combo_J40_changed(int index);
    void onJ40Changed();
    void onJ53Changed();
    void JumpToPageReferenzierung();
    void JumpToPageDrehmKraftGeschwKlammerung();
    void JumpToPageHaltebremse();
    void JumpToPageQuelleExterneGeschwindigkeit();
    void JumpToPageQuelleExterneZusatzGeschwindigkeit();
    void JumpToPageQuelleGeschwOverride();
    void JumpToPagePosiKern1();
    void JumpToSynchronbetrieb();
    void JumpToWinder();
    void JumpToPageQuelleMaster();

protected:
    void showEvent(QShowEvent *event) override;
    void retranslatePage() override;

private slots:
    void FillJ40Combo();
    void connectParameterControls();

private:
    void connectCommandChoice();
    void applyCommand(qint64 command);

    std::unique_ptr<Ui::DbmKommando> ui;
    // The editors the command locks, by coordinate.
    QHash<QString, ParameterControl *> m_controls;
};

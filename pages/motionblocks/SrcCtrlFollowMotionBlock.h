#pragma once

#include "BrevanePage.h"

#include <QList>

#include <memory>

class LedWidget;
namespace Ui {
class SrcCtrlFollowMotionBlock;
}

// Where the five triggers of the follow-up blocks come from, and their state.
class SrcCtrlFollowMotionBlock : public BrevanePage
{
    Q_OBJECT
public:
    explicit SrcCtrlFollowMotionBlock(QWidget *parent = nullptr);
    ~SrcCtrlFollowMotionBlock() override;

    QString identifier() const override { return QString::fromLatin1("DbmSrcCtrlFollowMotionBlock"); }
    void initialUpdate() override;

    // The page the "Indirekter Trigger" link opens: the one of the two indirect-trigger pages
    // the tree shows, else one it holds hidden; empty when the tree has neither.
    QString indirectTriggerPage() const;

public slots:
    void connectParameterControls();
    void connectLinkLabelsToHandler();
    // Writes the source value into all five triggers; values outside 0 .. 28 write nothing.
    void setSourcesToValue(int value);
    void actualizeLedsTriggerState();
    void actualizePushButtonsEnable();
    void jumpToIndirectTrigger();
    void setSourcesToParameter() { setSourcesToValue(2); }
    void setSourcesToInactive() { setSourcesToValue(0); }

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::SrcCtrlFollowMotionBlock> ui;
    QList<LedWidget *> m_lamps;
};

#pragma once

#include "IndirectTriggerPage.h"

#include <memory>

namespace Ui {
class DbmSrcIndirectTriggerFollowMbV2;
}

// Indirect triggers for all blocks at once ("J439" element k holds trigger k's address),
// with the inversion of each trigger where the drive has it.
class DbmSrcIndirectTriggerFollowMbV2 : public IndirectTriggerPage
{
    Q_OBJECT
public:
    explicit DbmSrcIndirectTriggerFollowMbV2(QWidget *parent = nullptr);
    ~DbmSrcIndirectTriggerFollowMbV2() override;

    QString identifier() const override { return QString::fromLatin1("DbmSrcIndirectTriggerFollowMbV2"); }
    void initialUpdate() override;

public slots:
    void connectParameterControls();
    void onJ439Changed() { showSources(); }
    void onG809Changed();
    void CheckboxG809_Clicked();
    void jumpToFahrsatz();
    // Not an indexed page: the controls keep the elements the form gives them.
    void UpdatePage() override {}

protected:
    int addressElement(int trigger) const override { return trigger; }
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::DbmSrcIndirectTriggerFollowMbV2> ui;
};

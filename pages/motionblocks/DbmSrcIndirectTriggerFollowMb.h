#pragma once

#include "IndirectTriggerPage.h"

#include <memory>

namespace Ui {
class DbmSrcIndirectTriggerFollowMb;
}

// Indirect triggers per motion block: the address of each trigger's source is stored per
// block ("J440" .. "J444").
class DbmSrcIndirectTriggerFollowMb : public IndirectTriggerPage
{
    Q_OBJECT
public:
    explicit DbmSrcIndirectTriggerFollowMb(QWidget *parent = nullptr);
    ~DbmSrcIndirectTriggerFollowMb() override;

    QString identifier() const override { return QString::fromLatin1("DbmSrcIndirectTriggerFollowMb"); }
    void initialUpdate() override;

    // The block shown; -1 when the drive holds no blocks.
    int shownBlock() const;

public slots:
    void connectParameterControls();
    void setParaIndices(int block);
    void UpdatePage() override;
    void onJ440Changed() { showSource(0); }
    void onJ441Changed() { showSource(1); }
    void onJ442Changed() { showSource(2); }
    void onJ443Changed() { showSource(3); }
    void onJ444Changed() { showSource(4); }

protected:
    int addressElement(int trigger) const override;
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::DbmSrcIndirectTriggerFollowMb> ui;
};

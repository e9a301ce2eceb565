#pragma once

#include "BrevanePage.h"

#include <memory>

namespace Ui {
class MotionBlockSelect;
}

// Where the drive takes the number of the block to run from: coded by binary signals, or a
// parameter ("J03" chooses).
class MotionBlockSelect : public BrevanePage
{
    Q_OBJECT
public:
    explicit MotionBlockSelect(QWidget *parent = nullptr);
    ~MotionBlockSelect() override;

    QString identifier() const override { return QString::fromLatin1("DbmMotionBlockSelect"); }
    void initialUpdate() override;

public slots:
    void connectParameterControls();
    void onJ03Changed();
    void JumpToSteuertafelApplikation();
    void JumpToSteuerStatusFahrsatz();
    void JumpToFahrsatz();
    void JumpToDirektStartFahrsatz();

private:
    std::unique_ptr<Ui::MotionBlockSelect> ui;
};

#pragma once

#include "OperatingModeLinksPage.h"

#include <memory>

namespace Ui {
class DbmFeldbus;
}

// Signpost to the control and status words.
class DbmFeldbus : public OperatingModeLinksPage
{
    Q_OBJECT
public:
    explicit DbmFeldbus(QWidget *parent = nullptr);
    ~DbmFeldbus() override;

    QString identifier() const override;

public slots:
    void JumpToApplikation();
    void JumpToGeraetesteuerungArdenic();
    void JumpToCiA402();
    void JumpToStatuswort2();
    void JumpToStatuswortAnwender();
    void JumpToFahrsatz();
    void onK08Changed() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::DbmFeldbus> ui;
};

#pragma once

#include "ExternalSourcePage.h"

#include <memory>

namespace Ui {
class SrcVelOverride;
}

// Where the velocity override comes from; its diagram shows a limit or an amount.
class SrcVelOverride : public ExternalSourcePage
{
    Q_OBJECT
public:
    explicit SrcVelOverride(QWidget *parent = nullptr);
    ~SrcVelOverride() override;

    QString identifier() const override;

    // A drive with the old definition of G468 limits the velocity instead of scaling its amount.
    bool oldApplicationVersionWithLimitation() const;

protected:
    void diagramChosen(int index) override;

private:
    std::unique_ptr<Ui::SrcVelOverride> ui;
};

#pragma once

#include "ExternalSourcePage.h"

#include <memory>

namespace Ui {
class SrcExtAuxVel;
}

// Where the external additional velocity comes from.
class SrcExtAuxVel : public ExternalSourcePage
{
    Q_OBJECT
public:
    explicit SrcExtAuxVel(QWidget *parent = nullptr);
    ~SrcExtAuxVel() override;

    QString identifier() const override;

private:
    std::unique_ptr<Ui::SrcExtAuxVel> ui;
};

#pragma once

#include "PidSourcePage.h"

#include <memory>

namespace Ui {
class PidIstwert;
}

// The source of the PID controller's actual value.
class PidIstwert : public PidSourcePage
{
    Q_OBJECT
public:
    explicit PidIstwert(QWidget *parent = nullptr);
    ~PidIstwert() override;

    QString identifier() const override { return QString::fromLatin1("PidIstwert"); }

public slots:
    void onParaG816Changed() { onAddressChanged(); }

private:
    std::unique_ptr<Ui::PidIstwert> ui;
};

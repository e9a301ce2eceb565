#pragma once

#include "PidSourcePage.h"

#include <memory>

namespace Ui {
class PidSollwert;
}

// The source of the PID controller's set value.
class PidSollwert : public PidSourcePage
{
    Q_OBJECT
public:
    explicit PidSollwert(QWidget *parent = nullptr);
    ~PidSollwert() override;

    QString identifier() const override { return QString::fromLatin1("PidSollwert"); }

public slots:
    void onParaG815Changed() { onAddressChanged(); }

private:
    std::unique_ptr<Ui::PidSollwert> ui;
};

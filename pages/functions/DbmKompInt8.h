#pragma once

#include "ComparatorPage.h"

#include <memory>

namespace Ui {
class DbmKompInt8;
}

// The INT8 comparators, one at a time.
class DbmKompInt8 : public ComparatorPage
{
    Q_OBJECT
public:
    explicit DbmKompInt8(QWidget *parent = nullptr);
    ~DbmKompInt8() override;

    QString identifier() const override { return QString::fromLatin1("DbmKompInt8"); }

public slots:
    void onCheckBoxC142Clicked() { onEnableClicked(); }
    void onC143Changed() { takeIndex(); }
    void onParaC144Changed() { onAddressChanged(); }

private:
    std::unique_ptr<Ui::DbmKompInt8> ui;
};

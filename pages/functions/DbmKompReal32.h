#pragma once

#include "ComparatorPage.h"

#include <memory>

namespace Ui {
class DbmKompReal32;
}

// The REAL32 comparators, one at a time; their values pass a low pass and may be taken as
// amounts before they are compared.
class DbmKompReal32 : public ComparatorPage
{
    Q_OBJECT
public:
    explicit DbmKompReal32(QWidget *parent = nullptr);
    ~DbmKompReal32() override;

    QString identifier() const override { return QString::fromLatin1("DbmKompReal32"); }

public slots:
    void onCheckBoxC61Clicked() { onEnableClicked(); }
    void onC64Changed() { takeIndex(); }
    void onParaC65Changed() { onAddressChanged(); }

private:
    std::unique_ptr<Ui::DbmKompReal32> ui;
};

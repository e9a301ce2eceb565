#pragma once

#include "ComparatorPage.h"

#include <memory>

namespace Ui {
class DbmKompInt16;
}

// The INT16 comparators, one at a time.
class DbmKompInt16 : public ComparatorPage
{
    Q_OBJECT
public:
    explicit DbmKompInt16(QWidget *parent = nullptr);
    ~DbmKompInt16() override;

    QString identifier() const override { return QString::fromLatin1("DbmKompInt16"); }

public slots:
    void onCheckBoxC134Clicked() { onEnableClicked(); }
    void onC135Changed() { takeIndex(); }
    void onParaC136Changed() { onAddressChanged(); }

private:
    std::unique_ptr<Ui::DbmKompInt16> ui;
};

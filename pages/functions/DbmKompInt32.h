#pragma once

#include "ComparatorPage.h"

#include <memory>

namespace Ui {
class DbmKompInt32;
}

// The INT32 comparators, one at a time.
class DbmKompInt32 : public ComparatorPage
{
    Q_OBJECT
public:
    explicit DbmKompInt32(QWidget *parent = nullptr);
    ~DbmKompInt32() override;

    QString identifier() const override { return QString::fromLatin1("DbmKompInt32"); }

    // Decodes the text form of a parameter address into coordinate, element and living
    // space (axis + 1 for a text with an axis prefix, 0 otherwise). The outputs are left
    // untouched when the text is no address.
    static bool DecodeParaAddress(
        QString text, QString &coordinate, unsigned short &element, eLivingSpace &livingSpace);

public slots:
    void onCheckBoxC76Clicked() { onEnableClicked(); }
    void onC77Changed() { takeIndex(); }
    void onParaC78Changed() { onAddressChanged(); }

private:
    std::unique_ptr<Ui::DbmKompInt32> ui;
};

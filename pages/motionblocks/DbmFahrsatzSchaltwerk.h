#pragma once

#include "BrevanePage.h"

#include <QList>

#include <memory>

class QCheckBox;
namespace Ui {
class DbmFahrsatzSchaltwerk;
}

// The five switching elements at the end of a motion block, each switched on by one element
// of "J456".
class DbmFahrsatzSchaltwerk : public BrevanePage
{
    Q_OBJECT
public:
    static constexpr int ElementCount = 5;

    explicit DbmFahrsatzSchaltwerk(QWidget *parent = nullptr);
    ~DbmFahrsatzSchaltwerk() override;

    QString identifier() const override { return QString::fromLatin1("DbmFahrsatzSchaltwerk"); }
    void initialUpdate() override;

public slots:
    void connectParameterControls();
    void onJ456Changed();
    void onCheckBoxJ456_0Clicked() { onCheckBoxClicked(0); }
    void onCheckBoxJ456_1Clicked() { onCheckBoxClicked(1); }
    void onCheckBoxJ456_2Clicked() { onCheckBoxClicked(2); }
    void onCheckBoxJ456_3Clicked() { onCheckBoxClicked(3); }
    void onCheckBoxJ456_4Clicked() { onCheckBoxClicked(4); }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void onCheckBoxClicked(int element);
    // Writes the box's state unless the drive holds it already; false when nothing may be written.
    void writeSwitch(int element);

    std::unique_ptr<Ui::DbmFahrsatzSchaltwerk> ui;
    QList<QCheckBox *> m_switches;
    QList<QWidget *> m_editors;
};

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
    // The box and its J455 editor as the drive holds element k of J456.
    void showSwitch(int element);

    std::unique_ptr<Ui::DbmFahrsatzSchaltwerk> ui;
    QList<QCheckBox *> m_switches;
    QList<QWidget *> m_editors;
};

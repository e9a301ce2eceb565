#pragma once

#include "MotionBlockPage.h"

#include <QHash>
#include <QList>

#include <initializer_list>
#include <memory>

class ParameterControl;
namespace Ui {
class Fahrsatz;
}

// Editor of one motion block. Fourteen layouts show the parameters that matter for the
// block's command "J11"; a number field chooses the block.
class Fahrsatz : public MotionBlockPage
{
    Q_OBJECT
public:
    explicit Fahrsatz(QWidget *parent = nullptr);
    ~Fahrsatz() override;

    QString identifier() const override { return QString::fromLatin1("Fahrsatz"); }
    void initialUpdate() override;

    // The layout (index in the stacked widget) for a command code; j33 and j21 tell whether
    // the drive has these parameters, i00 whether "I00" is "1".
    static int layoutForCommand(qint64 command, bool j33, bool i00, bool j21);

public slots:
    void onJ11Changed();
    void onI00Changed();
    void onC243Changed();
    void onG809Changed();
    void onJ08Changed();
    void onJ30Changed();
    void onJ32Changed();
    // Shows the layout of the block in the number field.
    void choosePageDesign();
    // Shows the block's layout with its controls bound to the block, then applies the rules.
    void setParaIndices(int block);
    void copyFromFahrsatz();
    // Copies every parameter of one block into another.
    void copyFahrsatz(int source, int target);

    void JumpToFollowBlock();
    void JumpToBegrenzungDrehmomentKraft();
    void JumpToOverrideGeschwindigkeit();
    void JumpToHaltebremse();
    void JumpToDbmSrcDirection();
    void JumpToExtGeschw();
    void JumpToReferenzierung();
    void JumpToGeschwKlammerung();
    void JumpToSynchronbetrieb();

protected:
    void showBlock(int block) override;
    // "übernehmen von" writes: it follows the project's lock while the page is shown.
    void updateReadOnly() override;

private:
    // The parameter pairs of one layout, by coordinate.
    struct Layout
    {
        QHash<QString, ParameterControl *> labels;
        QHash<QString, ParameterControl *> editors;
        QList<ParameterControl *> controls;
    };

    void connectParameterControls();
    void connectLinkLabels();
    // The layout for the block's command; -1 when the drive lacks "J11".
    int layoutForBlock(int block) const;
    // Shows the layout of the block's command, binds its controls to the block and applies the rules.
    void applyLayout(int block);
    void showLayout(int layout);
    void forceReadOnly(const QString &coordinate, std::initializer_list<int> layouts, bool readOnly);

    std::unique_ptr<Ui::Fahrsatz> ui;
    QList<Layout> m_layouts;
};

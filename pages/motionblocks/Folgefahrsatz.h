#pragma once

#include "MotionBlockPage.h"

#include <QList>

#include <memory>

class ParameterAddress;
class ParameterControl;
class QComboBox;
class QFrame;
class QLabel;
class QStringListModel;
class QToolButton;
namespace Ui {
class Folgefahrsatz;
}

// Which block follows a motion block, and on which trigger: five trigger slots with an
// interrupt and an end follow-up block each, and the buffered follow-up block.
class Folgefahrsatz : public MotionBlockPage
{
    Q_OBJECT
public:
    explicit Folgefahrsatz(QWidget *parent = nullptr);
    ~Folgefahrsatz() override;

    QString identifier() const override { return QString::fromLatin1("Folgefahrsatz"); }
    void initialUpdate() override;

public slots:
    // Fills the follow-up lists and binds the page to the block.
    void setParaIndices(int block);
    void JumpToFahrsatzTriggersignale();

    // The rows' slots by name, for hosts and string-based connections; each forwards to its row.
    void Combo_J271_Changed(int entry);
    void Combo_J272_Changed(int entry);
    void Combo_J273_Changed(int entry);
    void Combo_J274_Changed(int entry);
    void Combo_J275_Changed(int entry);
    void Combo_J281_Changed(int entry);
    void Combo_J282_Changed(int entry);
    void Combo_J283_Changed(int entry);
    void Combo_J284_Changed(int entry);
    void Combo_J285_Changed(int entry);
    void Combo_J286_Changed(int entry);
    void Value_J271_Changed();
    void Value_J272_Changed();
    void Value_J273_Changed();
    void Value_J274_Changed();
    void Value_J275_Changed();
    void Value_J281_Changed();
    void Value_J282_Changed();
    void Value_J283_Changed();
    void Value_J284_Changed();
    void Value_J285_Changed();
    void Value_J286_Changed();
    void JumpDependingOnJ271();
    void JumpDependingOnJ272();
    void JumpDependingOnJ273();
    void JumpDependingOnJ274();
    void JumpDependingOnJ275();
    void JumpDependingOnJ281();
    void JumpDependingOnJ282();
    void JumpDependingOnJ283();
    void JumpDependingOnJ284();
    void JumpDependingOnJ285();
    void JumpDependingOnJ286();
    void ParaJ251_Changed();
    void ParaJ252_Changed();
    void ParaJ253_Changed();
    void ParaJ254_Changed();
    void ParaJ255_Changed();
    void ParaJ261_Changed();
    void ParaJ262_Changed();
    void ParaJ263_Changed();
    void ParaJ264_Changed();
    void ParaJ265_Changed();

private slots:
    // A follow-up number, trigger source or trigger value changed; the coordinate says which.
    void onFollowUpValueChanged(const ParameterAddress &address);
    void onTriggerChanged(const ParameterAddress &address);
    // A block was renamed, here or elsewhere: its entry in the lists follows.
    void onBlockNameChanged(const ParameterAddress &address);

protected:
    void retranslatePage() override;
    void showBlock(int block) override;

private:
    // A follow-up block number, chosen in a plain combo box: entry i stands for block i - 1.
    struct FollowUp
    {
        QString coordinate;
        ParameterControl *label;
        QComboBox *combo;
        QToolButton *button;
    };
    // A trigger slot: the link to the sources shows while a source is set, the range note
    // while the value is 0.
    struct Trigger
    {
        QString source;
        QString value;
        ParameterControl *sourceLabel;
        ParameterControl *valueEditor;
        QFrame *frame;
        QLabel *range;
    };

    void connectParameterControls();
    void showFollowUp(const FollowUp &followUp);
    void writeFollowUp(const FollowUp &followUp, int entry);
    void jumpToFollowUp(const FollowUp &followUp);
    void showTrigger(const Trigger &trigger);
    QStringList blockEntries() const;
    // The row of a follow-up number or a trigger slot (1 to 5), for the slots by name.
    const FollowUp &followUpOf(const char *coordinate) const;
    void showTriggerSlot(int slot);
    QString blockEntry(int block) const;

    std::unique_ptr<Ui::Folgefahrsatz> ui;
    QStringListModel *m_entries;
    QList<FollowUp> m_followUps;
    QList<Trigger> m_triggers;
};

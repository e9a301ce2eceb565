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
    QString blockEntry(int block) const;

    std::unique_ptr<Ui::Folgefahrsatz> ui;
    QStringListModel *m_entries;
    QList<FollowUp> m_followUps;
    QList<Trigger> m_triggers;
};

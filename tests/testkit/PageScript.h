#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

class ModalWatcher;
class RecordingHost;

// Drives a page from a short script as a user, the host and the drive do, and reads back what
// the page shows, so that a test row is one line of steps and one line of expectations.
//
// Steps, separated by spaces: show, hide; click:W (a button, an LED, a diagram area, or a
// label's link), clickAt:x,y (the diagram area at that point of the current page of the
// "stackedWidget"), link:W (a link activated by its signal, also where it is not shown),
// pick:C=i (entry i of a choice box), type:W=text (typed into a field or spin box and finished
// with Return), keys:W=text (typed only); ok, yes, no (the answer to the next box; the boxes
// before are forgotten); dialog{a,b} (the steps a and b run on the next dialog), reject (the
// dialog); offline, online, readonly, editable, device:n, fieldbus:n, space:n (living space);
// page:P, page:-P (hidden), nopage:P (the host's tree); hand:n (the block another page hands
// over); -X (the drive loses X, silently), resize:X=n, X=v or X.e=v (the drive sets element 0
// or e), X=a,b,... (elements from 0 on), X@s=v (in living space s); see{a,b} (the page shows the
// states a and b below at this point). "~" stands for a space.
//
// Expectations, separated by spaces, braces expanding to several ("Led{1,2}=0"): W:h hidden, W:E
// shown and enabled, W:d shown and disabled, W:r a field shown read-only; W:shown, :hidden,
// :enabled, :disabled, :checked, :unchecked, :linked, :plain one of these alone; W@i the current
// index of a stack, an LED or a choice box; W?c a check box's state; W#i the element a parameter
// control is bound to, W#X.e@s its parameter, element and living space; W*n the entries of a choice
// box or a spin box's maximum; W=text a parameter control's coordinate, or the text of a choice
// box, spin box, field or label; W%text the text a control shows, whatever it is (a diagram: its
// file); $X=v or $X.e=v the drive's value, $X*n its element count; live=X@1.0,... the live values
// switched on; jumps=P,Q the pages the host was asked to show; prompts=a,b the parameter inputs it
// was asked for; block=n the block handed over; box=a|b the texts of the boxes shown;
// writes=X.e=v,... what the page wrote.
class PageScript
{
public:
    PageScript(RecordingHost &host, ModalWatcher &watcher);

    // The page steps act on; the drive's writes are not recorded as the page's from here on.
    void setPage(QWidget *page);
    // One step; false when it is none of the above.
    bool step(const QString &step);
    void run(const QString &script);
    // The expectations as the page meets them, in the same form.
    QString states(const QString &expected) const;

private:
    QWidget *widget(const QString &name) const;
    QString state(const QString &token) const;

    RecordingHost &m_host;
    ModalWatcher &m_watcher;
    QPointer<QWidget> m_page;
};

// "a{b,c}d{e,f}" as "abde abdf acde acdf".
QStringList expandBraces(const QString &pattern);

#pragma once

#include "RecordingHost.h"

#include <QStringList>

#include <memory>

class WizardPage;

// Drives in short texts, so that data tables stay readable: "K08=1" (one element),
// "G806=0,1,0" (a value per element), "C76" (value 0), "F40!" (present but hidden); a value
// that is no number makes a text parameter ("E57=QX4A"), a '^' one of an older definition
// ("G468^=100"); a type may be named ("D20:INT16=5", "C78:ADDRESS=N44").
void seedDrive(ParameterStore &store, const QStringList &parameters);
// Before a page opens: entries starting with '@' are host changes (as applyChanges), the
// others describe the drive (as seedDrive).
void prepare(RecordingHost &host, const QStringList &setup);
// Changes as the drive, the host or the user makes them while the page is open: "J40=3",
// "G806.1=1" (an element), "G811@2=G270" (in living space 2), "-G374" (removed, without a
// signal); "@online", "@offline", "@readonly", "@editable", "@device=8", "@fieldbus=3",
// "@livingspace=2", "@tree=X" (a page in the tree, "X!" hidden), "@reshow" (hidden and
// shown again); "!name" (a click on the widget), "!name~text" (text typed and entered).
void applyChanges(RecordingHost &host, const QStringList &changes, QWidget *page = nullptr);
// The writes recorded since recording began that the changes did not make themselves.
QStringList pageWrites(const ParameterStore &store, const QStringList &changes);
// The writes recorded since recording began, as "G806.0=1".
QStringList writesOf(const ParameterStore &store);

// A registered page, opened as the host does: attached and initialised, then shown if asked.
std::unique_ptr<WizardPage> openRegistered(RecordingHost &host, const QString &identifier, bool show = true);

// Compares what the page's widgets show with the expectation, tokens separated by blanks
// (braces expand as in linkDifferences): "stackedWidget=2" (page of a stack or LED),
// "Frame:shown" / ":hidden", ":enabled" / ":disabled", ":checked" / ":unchecked", ":linked" /
// ":plain" (a frame's hover style), "edit~text" (text shown, a diagram's file),
// "label@LED_yellow_on.svg" (picture shown), "editor#J40.0@1" (parameter, element and living
// space bound). Returns the tokens that disagree.
QStringList stateDifferences(QWidget *page, const QString &expected);

// Activates a link as a user does (the "clicked()" of a clickable area or label, the anchor of
// a rich-text label), closes the box it may open, and returns the page the host was asked to
// show, else the box's text.
QString activateLink(RecordingHost &host, QWidget *link);
// Activates every link of the page and compares where each leads with the table, whose lines
// read "widget>target"; braces in the widget's name expand ("ActionWidget_{b,c}_D40"), an
// unnamed label goes by its anchor ("#Counter"), and a trailing '*' says that the message for
// the target hidden mentions the analog inputs. The targets are in the tree, visible, then
// hidden. Returns the lines that disagree.
QStringList linkDifferences(RecordingHost &host, QWidget *page, const QStringList &table);

#pragma once

#include "BrevanePage.h"

class QAbstractButton;
class QLineEdit;

// A page that edits one element of array parameters, chosen in an index field with
// buttons to step down and up. The element count of a reference parameter bounds the index.
class IndexedPage : public BrevanePage
{
    Q_OBJECT
    // What a tool or a test that knows no page class finds an indexed page's index by.
    Q_PROPERTY(QWidget *indexField READ indexField)
    Q_PROPERTY(QString indexReference READ referenceCoordinate)
public:
    explicit IndexedPage(QWidget *parent = nullptr);

    // The field that shows the index; null on a page without one.
    QWidget *indexField() const;
    QString referenceCoordinate() const { return m_reference; }

    // The index shown in the field (0 for text that is no number).
    int currentIndex() const;
    // Whether the reference parameter exists and has elements to edit.
    bool hasElements() const;

public slots:
    void decIndex();
    void incIndex();
    void takeIndex();
    // Re-binds the page's controls to the current index; pages override it.
    virtual void UpdatePage();

protected:
    // Wires the index field and buttons; call once from the constructor after the form is built.
    void setupIndex(QLineEdit *indexEdit, QAbstractButton *decButton, QAbstractButton *incButton,
                    const QString &referenceCoordinate);
    // Sets the index and refreshes the page; an index field without elements shows 0
    // and the stepping controls are disabled.
    void setIndexAndUpdate(int index);
    // Gives every parameter control of the page the index and initialises it again.
    void bindControlsToIndex(int index);
    // Catches up on an element count that changed while the page was hidden.
    void showEvent(QShowEvent *event) override;

private slots:
    void onReferenceChanged();

private:
    // The field's number in 64 bits, so that stepping from any typed number cannot overflow.
    qint64 typedIndex() const;
    int clampToCount(qint64 index) const;
    // Watches the reference parameter and re-evaluates the index when its element count changed.
    void followReference();
    QLineEdit *m_indexEdit = nullptr;
    QAbstractButton *m_decButton = nullptr;
    QAbstractButton *m_incButton = nullptr;
    QString m_reference;
    int m_knownCount = -1; // element count the index was last evaluated against; -1: not yet
};

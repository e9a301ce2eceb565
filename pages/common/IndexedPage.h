#pragma once

#include "BrevanePage.h"

class QAbstractButton;
class QLineEdit;

// A page that edits one element of array parameters, chosen in an index field with
// buttons to step down and up. The element count of a reference parameter bounds the index.
class IndexedPage : public BrevanePage
{
    Q_OBJECT
public:
    explicit IndexedPage(QWidget *parent = nullptr);

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
    QString referenceCoordinate() const { return m_reference; }
    // Sets the index and refreshes the page; an index field without elements shows 0
    // and the stepping controls are disabled.
    void setIndexAndUpdate(int index);
    // Gives every parameter control of the page the index and initialises it again.
    void bindControlsToIndex(int index);

private:
    int clampToCount(int index) const;
    QLineEdit *m_indexEdit = nullptr;
    QAbstractButton *m_decButton = nullptr;
    QAbstractButton *m_incButton = nullptr;
    QString m_reference;
};

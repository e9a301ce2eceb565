#pragma once

#include <functional>

#include <QHash>
#include <QPointer>
#include <QStackedWidget>

class QScrollArea;

// The right half of the window: one scrollable slot per page of the tree, of which one is
// shown. Slots hold the plug-in's pages or placeholders for pages that cannot be shown.
class PageArea : public QStackedWidget
{
    Q_OBJECT
public:
    explicit PageArea(QWidget *parent = nullptr);

    // Puts a page into a slot; the area owns it from then on.
    void addPage(const QString &identifier, QWidget *page);
    // A slot that explains why there is no page; its texts are asked again when the language changes.
    void addPlaceholder(const QString &identifier, const std::function<QString()> &title,
                        const std::function<QString()> &text);
    // Deletes the page of a slot (the slot stays, empty).
    void deletePage(const QString &identifier);

    bool contains(const QString &identifier) const { return m_slots.contains(identifier); }
    QWidget *page(const QString &identifier) const;
    QString currentIdentifier() const { return m_current; }

    // Shows the slot of the page; false for an unknown identifier.
    bool showPage(const QString &identifier);
    // Hides and shows the current page again, so that it re-reads what its show event reads.
    void reshowCurrent();
    // Hides the current page (it receives its hide event) and shows the empty slot.
    void clearCurrent();
    // Puts the focus on the first control of the shown page that Tab reaches; false: it has none.
    bool focusCurrentPage();
    // The first widget below root, or root, that Tab reaches, in the window's tab order.
    static QWidget *firstFocusable(QWidget *root);

private:
    QScrollArea *createSlot(const QString &identifier);

    QHash<QString, QScrollArea *> m_slots;
    QHash<QString, QPointer<QWidget>> m_pages;
    QWidget *m_empty;
    QString m_current;
};

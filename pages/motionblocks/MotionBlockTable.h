#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QPersistentModelIndex>
#include <QTableView>

#include <array>

// The rows of the motion block table as texts, taken from the parameters at each fill.
// A drive holds up to 16380 blocks, so the cells are plain data painted by the view's
// delegate instead of a dozen widgets per row.
class MotionBlockTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { NumberColumn, NameColumn, CommandColumn, SetpointColumn, InterruptColumn, BlockEndColumn,
                  BufferedColumn, ColumnCount };
    // Setpoints that live on another page show a link to it instead of a value.
    enum class Link { None, G462, G471, G80, I88 };
    // How the view draws a cell.
    enum class CellKind { Text, LinkButton, LinkLabel, Buttons };
    enum Role { CellKindRole = Qt::UserRole + 1, ButtonTextsRole, LinkRole };

    static constexpr int FollowUpCount = 11;
    struct Row
    {
        QString name;
        QString command;
        QString setpoint;
        Link link = Link::None;
        std::array<QString, FollowUpCount> followUps;
    };

    using QAbstractTableModel::QAbstractTableModel;

    void setContents(const QStringList &headers, QList<Row> rows);
    const QList<Row> &rows() const { return m_rows; }

    static QString linkText(Link link);
    // What sizes the columns without measuring every row: the row whose text is longest in a
    // text column (-1 without rows) and the longest entry of each follow-up slot.
    int longestTextRow(int column) const;
    QString longestFollowUp(int followUp) const;
    // The follow-up entries shown in a column: first entry and count (0 for other columns).
    static int firstFollowUp(int column);
    static int followUpCountOf(int column);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    // The number or the follow-up entries a cell shows as buttons.
    QStringList buttonTexts(const QModelIndex &index) const;

    QStringList m_headers;
    QList<Row> m_rows;
    std::array<int, ColumnCount> m_longestTextRow{};
    std::array<QString, FollowUpCount> m_longestFollowUp;
};

class MotionBlockTableDelegate;

// Table view that draws the block numbers and follow-up entries as tool buttons and the
// setpoint links as blue underlined text, and reports clicks on them.
class MotionBlockTableView : public QTableView
{
    Q_OBJECT
public:
    explicit MotionBlockTableView(QWidget *parent = nullptr);
    ~MotionBlockTableView() override;

    // Where a cell's clickable target lies in viewport coordinates: button number within
    // the cell (0 for the number and the link); empty when there is none.
    QRect targetRect(const QModelIndex &index, int button) const;

    // Column widths to the contents of the whole model, one row height for all rows (every
    // cell holds one line).
    void fitToContents();

    // The button of the current cell that Enter and Space activate; Left and Right move
    // between the buttons of a cell before they move to the next cell.
    int currentButton() const { return m_currentButton; }

signals:
    // A button or a link of a cell was clicked.
    void targetClicked(const QModelIndex &index, int button);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    friend class MotionBlockTableDelegate;
    struct Target
    {
        QPersistentModelIndex index;
        int button = -1;
        bool isValid() const { return index.isValid() && button >= 0; }
        bool operator==(const Target &other) const { return index == other.index && button == other.button; }
    };
    Target targetAt(const QPoint &position) const;
    void setHover(const Target &target);
    void updateTarget(const Target &target);
    // The clickable targets of a cell: its buttons, or 1 for a link.
    int targetCount(const QModelIndex &index) const;
    int columnWidthFromModel(int column) const;

    MotionBlockTableDelegate *m_delegate;
    Target m_hover;
    Target m_pressed;
    bool m_pressedInside = false;
    int m_currentButton = 0;
    bool m_enteringFromRight = false;
};

#include "MotionBlockTable.h"

#include <QApplication>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionToolButton>
#include <QStyledItemDelegate>

namespace {

const QColor linkColor(0, 0, 255);

MotionBlockTableModel::CellKind cellKind(const QModelIndex &index)
{
    return MotionBlockTableModel::CellKind(index.data(MotionBlockTableModel::CellKindRole).toInt());
}

// The buttons a cell shows; the block number is a blue underlined one.
struct CellButtons
{
    QStringList texts;
    bool link = false;
};

CellButtons cellButtons(const QModelIndex &index)
{
    return {index.data(MotionBlockTableModel::ButtonTextsRole).toStringList(),
            cellKind(index) == MotionBlockTableModel::CellKind::LinkButton};
}

} // namespace

void MotionBlockTableModel::setContents(const QStringList &headers, QList<Row> rows)
{
    beginResetModel();
    m_headers = headers;
    m_rows = std::move(rows);
    // Lengths only, no font metrics: cheap enough for every row of every fill.
    m_longestTextRow.fill(-1);
    m_longestFollowUp.fill(QString());
    std::array<qsizetype, ColumnCount> longest{};
    for (int row = 0; row < m_rows.size(); ++row) {
        const Row &entry = m_rows.at(row);
        const QString texts[] = {entry.name, entry.command,
                                 entry.link != Link::None ? linkText(entry.link) : entry.setpoint};
        for (int column = NameColumn; column <= SetpointColumn; ++column) {
            const qsizetype length = texts[column - NameColumn].size();
            if (m_longestTextRow[column] < 0 || length > longest[column]) {
                m_longestTextRow[column] = row;
                longest[column] = length;
            }
        }
        for (int k = 0; k < FollowUpCount; ++k) {
            if (entry.followUps[k].size() > m_longestFollowUp[k].size())
                m_longestFollowUp[k] = entry.followUps[k];
        }
    }
    endResetModel();
}

int MotionBlockTableModel::longestTextRow(int column) const
{
    return column >= 0 && column < ColumnCount ? m_longestTextRow[column] : -1;
}

QString MotionBlockTableModel::longestFollowUp(int followUp) const
{
    return followUp >= 0 && followUp < FollowUpCount ? m_longestFollowUp[followUp] : QString();
}

QString MotionBlockTableModel::linkText(Link link)
{
    switch (link) {
    case Link::G462: return QStringLiteral("G462");
    case Link::G471: return QStringLiteral("G471");
    case Link::G80: return QStringLiteral("G80");
    case Link::I88: return QStringLiteral("I88");
    case Link::None: break;
    }
    return QString();
}

int MotionBlockTableModel::firstFollowUp(int column)
{
    switch (column) {
    case InterruptColumn: return 0;
    case BlockEndColumn: return 5;
    case BufferedColumn: return 10;
    default: return 0;
    }
}

int MotionBlockTableModel::followUpCountOf(int column)
{
    switch (column) {
    case InterruptColumn:
    case BlockEndColumn: return 5;
    case BufferedColumn: return 1;
    default: return 0;
    }
}

int MotionBlockTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int MotionBlockTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QStringList MotionBlockTableModel::buttonTexts(const QModelIndex &index) const
{
    QStringList texts;
    if (index.column() == NumberColumn)
        texts << QString::number(index.row());
    const Row &row = m_rows.at(index.row());
    for (int k = 0; k < followUpCountOf(index.column()); ++k)
        texts << row.followUps.at(firstFollowUp(index.column()) + k);
    return texts;
}

QVariant MotionBlockTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const Row &row = m_rows.at(index.row());
    const int column = index.column();
    const bool isLink = column == SetpointColumn && row.link != Link::None;

    switch (role) {
    case Qt::DisplayRole:
        switch (column) {
        case NameColumn: return row.name;
        case CommandColumn: return row.command;
        case SetpointColumn: return isLink ? linkText(row.link) : row.setpoint;
        default: return buttonTexts(index).join(QLatin1Char(' '));
        }
    case Qt::TextAlignmentRole:
        return isLink ? QVariant(int(Qt::AlignCenter)) : QVariant();
    case CellKindRole:
        if (column == NumberColumn)
            return int(CellKind::LinkButton);
        if (isLink)
            return int(CellKind::LinkLabel);
        return int(followUpCountOf(column) > 0 ? CellKind::Buttons : CellKind::Text);
    case ButtonTextsRole: {
        const QStringList texts = buttonTexts(index);
        return texts.isEmpty() ? QVariant() : QVariant(texts);
    }
    case LinkRole:
        return column == SetpointColumn ? QVariant(int(row.link)) : QVariant();
    default:
        return {};
    }
}

QVariant MotionBlockTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return m_headers.value(section);
    return {};
}

// Paints buttons and links where the table would otherwise carry widgets, and lays them out
// the same way for painting, size hints and hit tests.
class MotionBlockTableDelegate : public QStyledItemDelegate
{
public:
    explicit MotionBlockTableDelegate(MotionBlockTableView *view) : QStyledItemDelegate(view), m_view(view) {}

    // Font or style changed: button sizes are measured again.
    void forgetSizes() { m_buttonSizes.clear(); }

    // The clickable areas of a cell, in the coordinates of option.rect.
    QList<QRect> targetRects(const QStyleOptionViewItem &option, const QModelIndex &index) const
    {
        if (cellKind(index) == MotionBlockTableModel::CellKind::LinkLabel)
            return {option.rect};
        QList<QRect> rects;
        const CellButtons buttons = cellButtons(index);
        int left = option.rect.left();
        for (const QString &text : buttons.texts) {
            const QSize size = buttonSize(option, text, buttons.link);
            const int height = qMin(size.height(), option.rect.height());
            const int top = option.rect.top() + (option.rect.height() - height) / 2;
            rects << QRect(left, top, size.width(), height);
            left += size.width() + spacing(option);
        }
        return rects;
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        // Nothing of a cell spills into its neighbours, whatever the column's width.
        painter->save();
        painter->setClipRect(option.rect, Qt::IntersectClip);
        paintCell(painter, option, index);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const CellButtons buttons = cellButtons(index);
        if (buttons.texts.isEmpty())
            return QStyledItemDelegate::sizeHint(option, index);
        return buttonsSize(option, buttons.texts, buttons.link);
    }

    // Buttons side by side followed by a one-pixel spacer, as a row of widgets in a layout would be.
    QSize buttonsSize(const QStyleOptionViewItem &option, const QStringList &texts, bool link) const
    {
        int width = 1;
        int height = 0;
        for (const QString &text : texts) {
            const QSize size = buttonSize(option, text, link);
            width += size.width() + spacing(option);
            height = qMax(height, size.height());
        }
        return {width, height};
    }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (cellKind(index) != MotionBlockTableModel::CellKind::LinkLabel)
            return;
        // A link stays blue and underlined, selected or not.
        option->font.setUnderline(true);
        option->fontMetrics = QFontMetrics(option->font);
        for (const QPalette::ColorRole role : {QPalette::Text, QPalette::HighlightedText})
            option->palette.setColor(role, linkColor);
    }

private:
    void paintCell(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
    {
        const CellButtons buttons = cellButtons(index);
        if (buttons.texts.isEmpty()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        // Background and selection of the cell, then the buttons on it; the keyboard's focus
        // is drawn on its button, not around the cell.
        const bool focused = option.state.testFlag(QStyle::State_HasFocus);
        QStyleOptionViewItem cell = option;
        initStyleOption(&cell, index);
        cell.text.clear();
        cell.state &= ~QStyle::State_HasFocus;
        QStyle *style = styleOf(option);
        style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, option.widget);

        const QList<QRect> rects = targetRects(option, index);
        for (int button = 0; button < rects.size(); ++button) {
            QStyleOptionToolButton tool = buttonOption(buttons.texts.at(button), buttons.link);
            tool.rect = rects.at(button);
            const MotionBlockTableView::Target target{QPersistentModelIndex(index), button};
            if (m_view->m_hover == target)
                tool.state |= QStyle::State_MouseOver;
            if (m_view->m_pressed == target && m_view->m_pressedInside) {
                tool.state |= QStyle::State_Sunken;
                tool.state &= ~QStyle::State_Raised;
                tool.activeSubControls = QStyle::SC_ToolButton;
            }
            const bool hasFocus = focused && button == qMin(m_view->m_currentButton, int(rects.size()) - 1);
            if (hasFocus)
                tool.state |= QStyle::State_HasFocus;
            painter->save();
            style->drawComplexControl(QStyle::CC_ToolButton, &tool, painter, option.widget);
            if (hasFocus) {
                QStyleOptionFocusRect frame;
                frame.initFrom(m_view);
                frame.rect = tool.rect.adjusted(2, 2, -2, -2);
                frame.backgroundColor = tool.palette.color(QPalette::Button);
                style->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, painter, option.widget);
            }
            painter->restore();
        }
    }

    static QStyle *styleOf(const QStyleOptionViewItem &option)
    {
        return option.widget ? option.widget->style() : QApplication::style();
    }

    static int spacing(const QStyleOptionViewItem &option)
    {
        QStyle *style = styleOf(option);
        const int spacing = style->pixelMetric(QStyle::PM_LayoutHorizontalSpacing, nullptr, option.widget);
        return spacing >= 0 ? spacing
                            : style->layoutSpacing(QSizePolicy::ToolButton, QSizePolicy::ToolButton, Qt::Horizontal);
    }

    QStyleOptionToolButton buttonOption(const QString &text, bool link) const
    {
        QStyleOptionToolButton tool;
        tool.initFrom(m_view);
        tool.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
        tool.state |= QStyle::State_Raised;
        tool.subControls = QStyle::SC_ToolButton;
        tool.toolButtonStyle = Qt::ToolButtonTextOnly;
        tool.text = text;
        tool.font = m_view->font();
        if (link) {
            tool.font.setUnderline(true);
            tool.palette.setColor(QPalette::ButtonText, linkColor);
        }
        return tool;
    }

    // A tool button's size for its text: the text plus a blank on either side, then the style's
    // frame. Painting asks for the same few texts again and again, so sizes are kept per text.
    QSize buttonSize(const QStyleOptionViewItem &option, const QString &text, bool link) const
    {
        const QString key = link ? QLatin1Char('_') + text : text;
        const auto known = m_buttonSizes.constFind(key);
        if (known != m_buttonSizes.constEnd())
            return known.value();
        QStyleOptionToolButton tool = buttonOption(text, link);
        const QFontMetrics metrics(tool.font);
        QSize size = metrics.size(Qt::TextShowMnemonic, text);
        size.rwidth() += metrics.horizontalAdvance(QLatin1Char(' ')) * 2;
        tool.rect.setSize(size);
        size = styleOf(option)->sizeFromContents(QStyle::CT_ToolButton, &tool, size, option.widget);
        m_buttonSizes.insert(key, size);
        return size;
    }

    MotionBlockTableView *m_view;
    mutable QHash<QString, QSize> m_buttonSizes;
};

MotionBlockTableView::MotionBlockTableView(QWidget *parent)
    : QTableView(parent), m_delegate(new MotionBlockTableDelegate(this))
{
    setItemDelegate(m_delegate);
    setMouseTracking(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // One Tab stop: the arrows move between cells, Tab goes on to the rest of the page.
    setTabKeyNavigation(false);
    verticalHeader()->hide();
}

MotionBlockTableView::~MotionBlockTableView() = default;

QRect MotionBlockTableView::targetRect(const QModelIndex &index, int button) const
{
    if (!index.isValid() || index.model() != model())
        return {};
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    return m_delegate->targetRects(option, index).value(button);
}

// Qt's own sizing measures only the first thousand rows; the widest block number and the
// longest follow-up entries are known from the model, and the longest texts nearly so.
int MotionBlockTableView::columnWidthFromModel(int column) const
{
    const auto *blocks = qobject_cast<const MotionBlockTableModel *>(model());
    const int grid = showGrid() ? 1 : 0;
    if (!blocks)
        return sizeHintForColumn(column);
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const int rows = blocks->rowCount();
    if (column == MotionBlockTableModel::NumberColumn) {
        if (rows == 0)
            return 0;
        return m_delegate->buttonsSize(option, {QString::number(rows - 1)}, true).width() + grid;
    }
    const int count = MotionBlockTableModel::followUpCountOf(column);
    if (count > 0) {
        if (rows == 0)
            return 0;
        QStringList texts;
        for (int k = 0; k < count; ++k)
            texts << blocks->longestFollowUp(MotionBlockTableModel::firstFollowUp(column) + k);
        return m_delegate->buttonsSize(option, texts, false).width() + grid;
    }
    int width = sizeHintForColumn(column);
    const int longest = blocks->longestTextRow(column);
    if (longest >= 0)
        width = qMax(width, sizeHintForIndex(blocks->index(longest, column)).width() + grid);
    return width;
}

void MotionBlockTableView::fitToContents()
{
    if (!model())
        return;
    for (int column = 0; column < model()->columnCount(); ++column) {
        const int header = horizontalHeader()->isHidden() ? 0 : horizontalHeader()->sectionSizeHint(column);
        setColumnWidth(column, qMax(columnWidthFromModel(column), header));
    }
    // Every row holds single-line texts and buttons of one font, so one row's height fits all;
    // sizing 16380 rows one by one would cost more than the whole fill.
    if (model()->rowCount() == 0)
        return;
    int height = 0;
    for (int column = 0; column < model()->columnCount(); ++column)
        height = qMax(height, sizeHintForIndex(model()->index(0, column)).height());
    if (height > 0) {
        verticalHeader()->setMinimumSectionSize(qMin(verticalHeader()->minimumSectionSize(), height));
        verticalHeader()->setDefaultSectionSize(height);
    }
}

MotionBlockTableView::Target MotionBlockTableView::targetAt(const QPoint &position) const
{
    const QModelIndex index = indexAt(position);
    if (!index.isValid())
        return {};
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    const QList<QRect> rects = m_delegate->targetRects(option, index);
    for (int button = 0; button < rects.size(); ++button) {
        if (rects.at(button).contains(position))
            return {QPersistentModelIndex(index), button};
    }
    return {};
}

void MotionBlockTableView::updateTarget(const Target &target)
{
    if (target.index.isValid())
        viewport()->update(visualRect(target.index));
}

void MotionBlockTableView::setHover(const Target &target)
{
    if (target == m_hover)
        return;
    const Target previous = m_hover;
    m_hover = target;
    updateTarget(previous);
    updateTarget(target);
    if (target.isValid() && cellKind(target.index) == MotionBlockTableModel::CellKind::LinkLabel)
        viewport()->setCursor(Qt::PointingHandCursor);
    else
        viewport()->unsetCursor();
}

void MotionBlockTableView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        const Target target = targetAt(event->position().toPoint());
        if (target.isValid()) {
            // A button takes the click for itself; the cell is not selected.
            m_pressed = target;
            m_pressedInside = true;
            updateTarget(target);
            event->accept();
            return;
        }
    }
    QTableView::mousePressEvent(event);
}

void MotionBlockTableView::mouseMoveEvent(QMouseEvent *event)
{
    const Target target = targetAt(event->position().toPoint());
    setHover(target);
    if (m_pressed.isValid()) {
        const bool inside = target == m_pressed;
        if (inside != m_pressedInside) {
            m_pressedInside = inside;
            updateTarget(m_pressed);
        }
        event->accept();
        return;
    }
    QTableView::mouseMoveEvent(event);
}

void MotionBlockTableView::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_pressed.isValid() || event->button() != Qt::LeftButton) {
        QTableView::mouseReleaseEvent(event);
        return;
    }
    const Target pressed = m_pressed;
    m_pressed = {};
    updateTarget(pressed);
    event->accept();
    // Like a button: the click counts where it was pressed and released on the same target.
    if (targetAt(event->position().toPoint()) == pressed)
        emit targetClicked(pressed.index, pressed.button);
}

void MotionBlockTableView::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second click of a double click on a button is another click, as on a button widget.
    if (event->button() == Qt::LeftButton && targetAt(event->position().toPoint()).isValid()) {
        mousePressEvent(event);
        return;
    }
    QTableView::mouseDoubleClickEvent(event);
}

void MotionBlockTableView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        m_delegate->forgetSizes();
    QTableView::changeEvent(event);
}

bool MotionBlockTableView::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::Leave)
        setHover({});
    return QTableView::viewportEvent(event);
}

int MotionBlockTableView::targetCount(const QModelIndex &index) const
{
    if (!index.isValid())
        return 0;
    if (cellKind(index) == MotionBlockTableModel::CellKind::LinkLabel)
        return 1;
    return int(index.data(MotionBlockTableModel::ButtonTextsRole).toStringList().size());
}

// The keyboard works the cells' buttons as a row of button widgets would be worked: Enter and
// Space press the current one, Left and Right move between the buttons of a cell and then on
// to the neighbouring cell.
void MotionBlockTableView::keyPressEvent(QKeyEvent *event)
{
    const QModelIndex current = currentIndex();
    const int count = targetCount(current);
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && count > 0) {
        switch (event->key()) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Select:
            event->accept();
            emit targetClicked(current, qBound(0, m_currentButton, count - 1));
            return;
        case Qt::Key_Left:
            if (m_currentButton > 0) {
                m_currentButton = qMin(m_currentButton, count) - 1;
                viewport()->update(visualRect(current));
                event->accept();
                return;
            }
            break;
        case Qt::Key_Right:
            if (m_currentButton < count - 1) {
                ++m_currentButton;
                viewport()->update(visualRect(current));
                event->accept();
                return;
            }
            break;
        default: break;
        }
    }
    m_enteringFromRight = plain && event->key() == Qt::Key_Left;
    QTableView::keyPressEvent(event);
    m_enteringFromRight = false;
}

void MotionBlockTableView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    // Up and down keep the button's place in the column; a new column starts at its first
    // button, or at its last when entered with Left.
    if (m_enteringFromRight)
        m_currentButton = qMax(targetCount(current) - 1, 0);
    else if (!previous.isValid() || current.column() != previous.column())
        m_currentButton = 0;
    else
        m_currentButton = qBound(0, m_currentButton, qMax(targetCount(current) - 1, 0));
}

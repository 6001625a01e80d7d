#include "framework/qt/kind_grid.h"

#include "framework/base/afx.h"

#include <QBuffer>
#include <QFont>
#include <QHeaderView>
#include <QImageReader>
#include <QItemSelectionModel>
#include <QTableView>

namespace {
// A grid of texts, read only; Tab leaves it and the arrows move in it. The
// row a person moves to is reported as LBN_SELCHANGE.
QWidget* MakeGrid(const DialogItem& item, QWidget* parent, const ControlNotify& notify) {
    auto* grid = new QTableView(parent);
    grid->setModel(new GridModel(grid));
    const int id = item.id;
    QObject::connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, grid,
                     [notify, id] { notify(id, LBN_SELCHANGE); });
    // A header clicked (the grid keeps which: its sort indicator's section
    // until it is shown) and a row double-clicked, said to the form.
    QObject::connect(grid->horizontalHeader(), &QHeaderView::sectionClicked, grid,
                     [grid, notify, id](int section) {
                         grid->setProperty("clickedColumn", section);
                         notify(id, LVN_COLUMNCLICK);
                     });
    QObject::connect(grid, &QAbstractItemView::doubleClicked, grid,
                     [notify, id] { notify(id, NM_DBLCLK); });
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setFrameShape((item.style & WS_BORDER) ? QFrame::StyledPanel : QFrame::NoFrame);
    grid->setFocusPolicy((item.style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
    grid->setTabKeyNavigation(false);
    return grid;
}
} // namespace

QSize GridContentSize(const QWidget* widget) {
    const auto* grid = qobject_cast<const QTableView*>(widget);
    if (!grid)
        return widget->size();
    const int frame = 2 * grid->frameWidth();
    return {frame + grid->verticalHeader()->sizeHint().width() + grid->horizontalHeader()->length(),
            frame + grid->horizontalHeader()->sizeHint().height() +
                grid->verticalHeader()->length()};
}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_content.rows.size());
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_content.columns.size());
}

QVariant GridModel::Marked(bool marked, int role) const {
    if (!marked || role != Qt::FontRole)
        return {};
    QFont bold;
    bold.setBold(true);
    return bold;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    const auto row = static_cast<std::size_t>(index.row());
    const auto column = static_cast<std::size_t>(index.column());
    if (!index.isValid() || row >= m_content.cells.size() || column >= m_content.cells[row].size())
        return {};
    const QString text = QString::fromStdU16String(m_content.cells[row][column]);
    const bool marked =
        index.row() == m_content.markedRow || index.column() == m_content.markedColumn;
    if (role == Qt::DisplayRole)
        return text;
    if (role == Qt::ToolTipRole && !m_content.rowPictures.empty()) // a cell cut to its column
        return text;
    if (role == Qt::DecorationRole && index.column() == 0 && !m_content.rowPictures.empty())
        return Picture(row);
    if (role == Qt::TextAlignmentRole)
        return m_content.rowPictures.empty() ? int(Qt::AlignCenter)
                                             : int(Qt::AlignLeft | Qt::AlignVCenter);
    if (role == Qt::AccessibleTextRole && marked) {
        QStringList words{text};
        if (index.row() == m_content.markedRow)
            words << QString::fromStdU16String(m_content.markedRowWords);
        if (index.column() == m_content.markedColumn)
            words << QString::fromStdU16String(m_content.markedColumnWords);
        return words.join(QStringLiteral(", "));
    }
    return Marked(marked, role);
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    const bool across = orientation == Qt::Horizontal;
    const std::vector<CString>& headers = across ? m_content.columns : m_content.rows;
    if (section < 0 || static_cast<std::size_t>(section) >= headers.size())
        return {};
    const QString text = QString::fromStdU16String(headers[static_cast<std::size_t>(section)]);
    const bool marked = section == (across ? m_content.markedColumn : m_content.markedRow);
    if (role == Qt::DisplayRole)
        return text;
    if (role == Qt::AccessibleTextRole && marked)
        return text + QStringLiteral(", ") +
               QString::fromStdU16String(across ? m_content.markedColumnWords
                                                : m_content.markedRowWords);
    return Marked(marked, role);
}

// A row's picture scaled within the pictures' size as it is decoded (a
// JPEG decodes at a fraction of its size); a blank of that size when it
// cannot be read, so that the rows stay in line.
QVariant GridModel::Picture(std::size_t row) const {
    const std::string* bytes =
        row < m_content.rowPictures.size() ? m_content.rowPictures[row].get() : nullptr;
    if (m_pictureSize.isEmpty())
        return {};
    if (!bytes || bytes->empty()) { // a blank, so that the rows' texts stay in line
        QPixmap blank(m_pictureSize);
        blank.fill(Qt::transparent);
        return blank;
    }
    if (const auto known = m_decoded.constFind(bytes); known != m_decoded.constEnd())
        return known.value();
    QByteArray data = QByteArray::fromRawData(bytes->data(), static_cast<qsizetype>(bytes->size()));
    QBuffer buffer(&data);
    QImageReader reader(&buffer, "jpeg"); // a JPEG, whatever else the bytes could be read as
    reader.setDecideFormatFromContent(false);
    reader.setAutoTransform(true);
    const QSize full = reader.size();
    if (full.isValid() && !full.isEmpty())
        reader.setScaledSize(full.scaled(m_pictureSize, Qt::KeepAspectRatio));
    QPixmap picture = QPixmap::fromImage(reader.read());
    if (picture.isNull()) {
        picture = QPixmap(m_pictureSize);
        picture.fill(Qt::transparent);
    }
    m_decoded.insert(bytes, picture);
    return picture;
}

void GridModel::Assign(TableContent content) {
    beginResetModel();
    m_content = std::move(content);
    QHash<const std::string*, QPixmap> kept; // those still shown
    for (const auto& picture : m_content.rowPictures)
        if (const auto known = m_decoded.constFind(picture.get()); known != m_decoded.constEnd())
            kept.insert(known.key(), known.value());
    m_decoded.swap(kept);
    endResetModel();
}

void GridModel::Append(const TableContent& more) {
    if (more.rows.empty())
        return;
    const int first = static_cast<int>(m_content.rows.size());
    beginInsertRows({}, first, first + static_cast<int>(more.rows.size()) - 1);
    m_content.rows.insert(m_content.rows.end(), more.rows.begin(), more.rows.end());
    m_content.cells.insert(m_content.cells.end(), more.cells.begin(), more.cells.end());
    if (!more.rowPictures.empty()) {
        m_content.rowPictures.resize(static_cast<std::size_t>(first));
        m_content.rowPictures.insert(m_content.rowPictures.end(), more.rowPictures.begin(),
                                     more.rowPictures.end());
    }
    endInsertRows();
}

const ControlKindOps kGridKind{
    .make = [](const DialogItem& item, QWidget* parent,
               const ControlNotify& notify) { return MakeGrid(item, parent, notify); },
    .name = [](QWidget* w, const QString& name) { w->setAccessibleName(name); },
    .contentSize = GridContentSize,
    .growsForm = true,
};

#pragma once
// A grid of texts with column and row headers: the grid kind's model.

#include "framework/base/table_content.h"
#include "framework/qt/widgets.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QPixmap>

// The size a grid needs to show all its cells, headers and frame, no scroll bar.
QSize GridContentSize(const QWidget* grid);

class GridModel : public QAbstractTableModel {
  public:
    using QAbstractTableModel::QAbstractTableModel;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void Assign(TableContent content);
    void Append(const TableContent& more);
    const TableContent& Content() const { return m_content; }
    // The pictures' size, in the grid's pixels; empty when it has none.
    QSize PictureSize() const { return m_pictureSize; }
    void SetPictureSize(QSize size) { m_pictureSize = size; }

  private:
    QVariant Marked(bool marked, int role) const;
    QVariant Picture(std::size_t row) const;
    TableContent m_content;
    QSize m_pictureSize;
    // Each picture decoded once, when its row is first shown.
    mutable QHash<const std::string*, QPixmap> m_decoded;
};

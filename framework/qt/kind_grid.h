#pragma once
// A grid of texts with column and row headers: the grid kind's model.

#include "framework/base/table_content.h"
#include "framework/qt/widgets.h"

#include <QAbstractTableModel>

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

  private:
    QVariant Marked(bool marked, int role) const;
    TableContent m_content;
};

#include "veriizgarasi.h"

#include <QApplication>
#include <QHeaderView>
#include <QItemSelectionModel>

#include "dbhatasi.h"
#include "tablomodeli.h"
#include "uygulama.h"

VeriIzgarasi::VeriIzgarasi(TabloModeli* model, QWidget* parent)
    : QTableView(parent), model_(model) {
    setModel(model_);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    horizontalHeader()->setHighlightSections(false);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& yeni, const QModelIndex& eski) {
                if (eski.isValid() && yeni.row() != eski.row()) Kaydet();
            });
    // A new table: columns as wide as their contents, within reason.
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        resizeColumnsToContents();
        for (int i = 0; i < model_->columnCount(); ++i)
            if (columnWidth(i) > 300) setColumnWidth(i, 300);
    });
}

bool VeriIzgarasi::Kaydet() {
    if (state() == QAbstractItemView::EditingState) {
        // Ends the cell being typed in, so that its text is part of the row.
        QWidget* editor = QApplication::focusWidget();
        if (editor && viewport()->isAncestorOf(editor)) {
            commitData(editor);
            closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    }
    try {
        model_->Post();
        return true;
    } catch (const DbHatasi& hata) {
        HataPenceresi(hata.mesaj());
        return false;
    }
}

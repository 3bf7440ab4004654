#pragma once

#include <QTableView>

class TabloModeli;

// A data grid with default settings over a table's rows. A row whose cells
// were edited is posted when the user moves to another row, and when the
// window closes or the grid shows another table (Kaydet). A failed post
// reaches the application's error display.
class VeriIzgarasi : public QTableView {
    Q_OBJECT

public:
    explicit VeriIzgarasi(TabloModeli* model, QWidget* parent = nullptr);

    TabloModeli* tabloModeli() const { return model_; }
    // Posts the row being edited; false when the post failed (and was shown).
    bool Kaydet();

private:
    TabloModeli* model_;
};

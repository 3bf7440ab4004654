#pragma once

#include <QWidget>

#include "yerlesim.h"

class QHeaderView;

// A module window (address book, notes, cash book, agenda, current accounts,
// backup). It lives as a child window of the main window, exists at most once
// there and frees itself when it closes. Its placement and its grid's column
// layout are restored when it is first shown and kept when it closes.
class ModulPencere : public QWidget {
    Q_OBJECT

public:
    // objectName: the window's name ("FAdresler"); the main window compares it in upper case.
    ModulPencere(const QString& ad, Yerlesim yerlesim, QWidget* parent = nullptr);

    // Closes the window (and the child-window frame around it).
    void kapat();

protected:
    // The grid whose column layout is kept with the placement.
    void setYerlesimBasligi(QHeaderView* baslik) { baslik_ = baslik; }
    void showEvent(QShowEvent* olay) override;
    void closeEvent(QCloseEvent* olay) override;

private:
    Yerlesim yerlesim_;
    QHeaderView* baslik_ = nullptr;
    bool yuklendi_ = false;
    bool kaydedildi_ = false;
};

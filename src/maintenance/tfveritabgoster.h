#pragma once

#include <QDialog>

class QComboBox;
class QTabWidget;
class TabloModeli;
class VeriIzgarasi;

// The table viewer: any two tables of the program's own file side by side on
// two tabs, cells editable. Only the file's own tables open; a name that is
// not one of them is refused before anything runs.
class TFVeritabgoster : public QDialog {
    Q_OBJECT

public:
    explicit TFVeritabgoster(QWidget* parent = nullptr);

    void TabloListesiDoldur();
    void BAc1Click();
    void BAc2Click();

    // The tables of the file, without SQLite's own; empty without a connection.
    static QStringList Tablolar();

    void done(int sonuc) override;
    void reject() override;

protected:
    void showEvent(QShowEvent* olay) override;

private:
    void ac(QComboBox* secim, VeriIzgarasi* izgara);

    QComboBox* ETablo1;
    QComboBox* ETablo2;
    QTabWidget* Sayfalar;
    TabloModeli* Q_Tablo1;
    TabloModeli* Q_Tablo2;
    VeriIzgarasi* DbTablo1;
    VeriIzgarasi* DbTablo2;
    bool gosterildi_ = false;
};

#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;
class QTabWidget;

// The general message dialog: one page for errors, one for warnings and one
// for questions; only the page of the message's kind is shown.
class TFZafoMesaj : public QDialog {
    Q_OBJECT

public:
    explicit TFZafoMesaj(QWidget* parent = nullptr);

    void hazirla(const QString& metin, int tur, bool gorunur1, bool gorunur2, bool gorunur3,
                 const QString& baslik1, const QString& baslik2, const QString& baslik3, int numara,
                 int varsayilan);

protected:
    void showEvent(QShowEvent* olay) override;
    void keyPressEvent(QKeyEvent* olay) override;
    void closeEvent(QCloseEvent* olay) override;
    bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
    QTabWidget* Sayfalar;
    QWidget* SHata;
    QWidget* SUyari;
    QWidget* SDialog;
    QPlainTextEdit* HataMesaj;
    QPlainTextEdit* Uyarimesaj;
    QPlainTextEdit* OnayMesaj;
    QPushButton* BHata;
    QPushButton* BUyari;
    QPushButton* Bonay1;
    QPushButton* BOnay2;
    QPushButton* BOnay3;
    int tur_ = 0;
    int numara_ = 0;
    int varsayilan_ = 1;
    bool gorunur_[3] = {true, true, true};
};

// The delete confirmation shown by every list window before it deletes a row.
class TFSilonay : public QDialog {
    Q_OBJECT

public:
    explicit TFSilonay(QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* olay) override;
};

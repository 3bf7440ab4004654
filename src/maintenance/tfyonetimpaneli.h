#pragma once

#include <QDialog>

class QLabel;

// The hidden management panel, reached only from the about box. Its tests are
// not built yet: "Testleri Yap" only says they are running, "Kaydet" only
// closes. "Veritabanı" opens the table viewer.
class TFYonetimpaneli : public QDialog {
    Q_OBJECT

public:
    explicit TFYonetimpaneli(QWidget* parent = nullptr);

    void reject() override;

protected:
    void showEvent(QShowEvent* olay) override;

private:
    QLabel* LFtptest;
    QLabel* LMtest;
};

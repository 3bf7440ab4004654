#pragma once

#include <QDate>
#include <QDialog>
#include <QList>
#include <QTemporaryDir>
#include <QTime>
#include <QTimer>
#include <functional>

#include "udm.h"

// A data module over a fresh file in a temporary folder, the message seam on
// (dialogs are answered in advance and recorded) and the clock pinned when a
// test asks for it. Everything is given back at the end of the test.
struct AjandaOrtami {
    AjandaOrtami();
    ~AjandaOrtami();

    struct Satir {
        QString ajid;
        QDate bastar;
        QString bassaat;
        QDate bittar;
        QString bitsaat;
        QString aciklama;
        qint64 alarmvar = 1;
        QDate alarmgun;
        qint64 alarmsaat = 0;
        qint64 alarmdak = 0;
    };

    // Stores a row as the entry window would.
    void ekle(const Satir& s);
    // The stored row of a key; an empty ajid when there is none.
    Satir oku(const QString& ajid);
    int satirSayisi();
    void sql(const QString& metin);

    // Messages shown through the seam: texts of one kind (-1 the error display).
    static QStringList mesajlar(int tur);

    QTemporaryDir dizin;
    TDm dm;
};

// Answers modal windows as they come up: each step runs on the next modal
// window found (the same window again when it stays open). A window that
// comes up with no step left is closed and counted, so a test never hangs.
class ModalSurucu : public QObject {
public:
    using Adim = std::function<void(QDialog*)>;
    explicit ModalSurucu(QList<Adim> adimlar);
    ~ModalSurucu() override;
    int kalan() const { return adimlar_.size(); }
    // Modal windows that came up with no step left; they are closed.
    int beklenmeyen() const { return beklenmeyen_; }

private:
    void bak();
    QList<Adim> adimlar_;
    QTimer zamanlayici_;
    int beklenmeyen_ = 0;
};

template <typename T>
T* bul(QObject* ust, const char* ad) {
    return ust->findChild<T*>(QLatin1String(ad));
}

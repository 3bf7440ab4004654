#pragma once

#include <QDate>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QVector>

#include "randevu.h"

// The appointments the day view has in memory. The manager remembers which
// days it has been given; when a view needs days it does not hold yet, it
// asks for them in runs of consecutive days (TopluYukleme) and keeps what it
// got for its own life. Saves and deletes bring it up to date directly.
class PlanYoneticisi : public QObject {
    Q_OBJECT

public:
    explicit PlanYoneticisi(QObject* parent = nullptr);

    // Asks, through TopluYukleme, for every day of [ilk, son] not asked for
    // before, one request per run of consecutive missing days. A day counts
    // as held as soon as it has been asked for, so a failed load is not
    // repeated on every paint.
    void GunleriHazirla(const QString& plan, const QDate& ilk, const QDate& son);
    bool GunYuklu(const QDate& gun) const { return yuklenenler_.contains(gun); }

    const Randevu* Bul(const QString& kimlik) const;

    // Puts the appointment under its identity, replacing the one held. The
    // span is checked first: a refused span leaves the manager as it was and
    // returns the reason (see RandevuZamaniDenetle).
    QString Yerlestir(Randevu randevu);

    // Drops the appointment from memory and from every view.
    void Sil(const QString& kimlik);

    // The appointments of a schedule that touch the given day.
    QVector<const Randevu*> GunRandevulari(const QDate& gun, const QString& plan) const;
    int RandevuSayisi() const { return static_cast<int>(randevular_.size()); }

    // Many changes as one: views repaint once at the end.
    void GuncellemeBaslat() { ++guncelleme_; }
    void GuncellemeBitir();

signals:
    void TopluYukleme(const QString& plan, const QDate& ilk, const QDate& son);
    void Degisti();

private:
    void dizineEkle(const Randevu& r);
    void dizindenCikar(const Randevu& r);
    void haberVer();

    QHash<QString, Randevu> randevular_;
    QHash<QDate, QVector<QString>> gunDizini_;  // day -> identities touching it
    QSet<QDate> yuklenenler_;
    int guncelleme_ = 0;
    bool bekleyenHaber_ = false;
};

// Holds a manager's notifications back for the life of the object.
class TopluGuncelleme {
public:
    explicit TopluGuncelleme(PlanYoneticisi& y) : y_(y) { y_.GuncellemeBaslat(); }
    ~TopluGuncelleme() { y_.GuncellemeBitir(); }
    TopluGuncelleme(const TopluGuncelleme&) = delete;
    TopluGuncelleme& operator=(const TopluGuncelleme&) = delete;

private:
    PlanYoneticisi& y_;
};

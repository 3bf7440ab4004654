#include "zamanolcegi.h"

#include <QtGlobal>

ZamanOlcegi::ZamanOlcegi(int satirDakika, int satirYuksekligi) : dakika_(30), yukseklik_(26) {
    setSatirDakika(satirDakika);
    setSatirYuksekligi(satirYuksekligi);
}

bool ZamanOlcegi::setSatirDakika(int dakika) {
    if (dakika < 1 || dakika > 60 || 60 % dakika != 0) return false;
    dakika_ = dakika;
    return true;
}

void ZamanOlcegi::setSatirYuksekligi(int piksel) {
    yukseklik_ = qMax(kEnAzYukseklik, piksel);
}

int ZamanOlcegi::saniyeY(int saniye) const {
    const qint64 s = qBound(0, saniye, kGunSaniye);
    return static_cast<int>(s * yukseklik_ / satirSaniye());
}

int ZamanOlcegi::ySaniye(int y) const {
    const qint64 p = qBound(0, y, toplamYukseklik());
    return static_cast<int>(p * satirSaniye() / yukseklik_);
}

int ZamanOlcegi::satir(const QTime& saat) const {
    if (!saat.isValid()) return 0;
    return qMin(saniyesi(saat) / satirSaniye(), satirSayisi() - 1);
}

int ZamanOlcegi::ySatir(int y) const {
    if (y < 0) return 0;
    return qMin(y / yukseklik_, satirSayisi() - 1);
}

QTime ZamanOlcegi::satirBaslangici(int satir) const {
    satir = qBound(0, satir, satirSayisi() - 1);
    return QTime(0, 0).addSecs(satir * satirSaniye());
}

QTime ZamanOlcegi::satirBitisi(int satir) const {
    return satirBaslangici(satir).addSecs(satirSaniye() - 1);
}

int ZamanOlcegi::yuvarla(int saniye) const {
    const int s = qBound(0, saniye, kGunSaniye);
    const int adim = satirSaniye();
    return ((s + adim / 2) / adim) * adim;
}

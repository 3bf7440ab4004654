#pragma once

#include <QTime>

// The vertical scale of the day view: time of day to pixels and back, the row
// that holds a time, and the time span of a row. Times are handled in seconds
// of the day (0 to 86400) so that a row's end, one second before the next
// row, has a place of its own.
class ZamanOlcegi {
public:
    static constexpr int kGunSaniye = 24 * 60 * 60;

    explicit ZamanOlcegi(int satirDakika = 30, int satirYuksekligi = 26);

    // Row length in minutes: 1 to 60 and a divisor of 60, so that every hour
    // starts a row. Any other value is refused and the old length stays.
    bool setSatirDakika(int dakika);
    int satirDakika() const { return dakika_; }
    int satirSaniye() const { return dakika_ * 60; }

    // Height of one row in pixels, at least kEnAzYukseklik.
    static constexpr int kEnAzYukseklik = 8;
    void setSatirYuksekligi(int piksel);
    int satirYuksekligi() const { return yukseklik_; }

    int satirSayisi() const { return kGunSaniye / satirSaniye(); }
    int toplamYukseklik() const { return satirSayisi() * yukseklik_; }

    // Seconds of the day to the pixel row of the grid and back; y is clamped
    // to the day.
    int saniyeY(int saniye) const;
    int ySaniye(int y) const;

    // The row that holds a time of day or a pixel row (clamped to the rows).
    int satir(const QTime& saat) const;
    int ySatir(int y) const;
    int satirY(int satir) const { return satir * yukseklik_; }

    // A row starts at 00:00 plus its number times the row length and ends one
    // second before the next row (10:29:59 for the 10:00 row at 30 minutes).
    QTime satirBaslangici(int satir) const;
    QTime satirBitisi(int satir) const;

    // The nearest row boundary to a time of day, in seconds (0 to 86400).
    int yuvarla(int saniye) const;

    static int saniyesi(const QTime& saat) { return saat.msecsSinceStartOfDay() / 1000; }

private:
    int dakika_;
    int yukseklik_;
};

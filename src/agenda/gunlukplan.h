#pragma once

#include <QAbstractScrollArea>
#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QMenu>
#include <QPoint>
#include <QPointer>
#include <QVector>

#include "planyoneticisi.h"
#include "zamanolcegi.h"

// The day view: one column per consecutive day from the first day, one row
// per time slot of the row length, appointments as boxes over their span.
// Only the visible part of the grid is painted. The left band (row header)
// and the top band (schedule name over the day headers) stay in place while
// the grid scrolls; the bands, the rows and the columns can be resized with
// the mouse, and appointments can be moved and resized (Esc cancels).
class GunlukPlanGorunumu : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit GunlukPlanGorunumu(QWidget* parent = nullptr);

    void setYonetici(PlanYoneticisi* yonetici);
    PlanYoneticisi* yonetici() const { return yonetici_; }

    // Layout: schedule name, first day and number of days (1 to 31).
    void setPlanAdi(const QString& ad);
    const QString& planAdi() const { return planAdi_; }
    void setIlkGun(const QDate& gun);
    const QDate& ilkGun() const { return ilkGun_; }
    void setGunSayisi(int gun);
    int gunSayisi() const { return gunSayisi_; }
    static constexpr int kEnCokGun = 31;

    // Row length in minutes (a divisor of 60); the time at the top stays.
    void setSatirDakika(int dakika);
    int satirDakika() const { return olcek_.satirDakika(); }
    int satirSayisi() const { return olcek_.satirSayisi(); }
    const ZamanOlcegi& olcek() const { return olcek_; }

    // Scrolls so that the row holding the time is the top row.
    void ustSaatiAyarla(const QTime& saat);
    int ustSatir() const;

    // Cell selection as (column, row). The first cell is the earlier one in
    // time, whichever way the user dragged.
    bool gecerliSecimVar() const;
    QPoint ilkSeciliHucre() const;
    QPoint sonSeciliHucre() const;
    void hucreSec(const QPoint& ilk, const QPoint& son);
    void secimiTemizle();

    QDate kolonTarihi(int kolon) const { return ilkGun_.addDays(kolon); }
    QTime satirBaslangici(int satir) const { return olcek_.satirBaslangici(satir); }
    QTime satirBitisi(int satir) const { return olcek_.satirBitisi(satir); }

    // The selected appointment's identity; empty when none is selected.
    const QString& seciliRandevu() const { return seciliRandevu_; }
    void randevuSec(const QString& kimlik);

    // Sizes the user can change with the mouse. A column width of 0 shares
    // the visible width among the days.
    int kolonGenisligi() const;
    void setKolonGenisligi(int piksel);
    int satirYuksekligi() const { return olcek_.satirYuksekligi(); }
    void setSatirYuksekligi(int piksel);
    int satirBasligiGenisligi() const { return solGenislik_; }
    void setSatirBasligiGenisligi(int piksel);
    int kolonBasligiYuksekligi() const { return kolonBasligiYuksekligi_; }
    void setKolonBasligiYuksekligi(int piksel);
    static constexpr int kGrupBasligiYuksekligi = 22;

    // Geometry in viewport coordinates, for painting, the mouse and tests.
    QRect hucreAlani(int kolon, int satir) const;
    QPoint hucreNoktasi(const QPoint& p) const;  // (-1, -1) outside the grid
    QVector<QRect> randevuAlanlari(const QString& kimlik) const;
    QString noktadakiRandevu(const QPoint& p) const;
    QRect izgaraAlani() const;

    // The pop-up menu of the view (not owned).
    void setAcilirMenu(QMenu* menu) { acilirMenu_ = menu; }

    // Painting is measured by the benchmark through this.
    void ciz(QPainter& p, const QRect& alan);

signals:
    void CiftTiklandi();
    void SecimDegisti();
    // The user moved or resized an appointment; the view shows it at the new
    // place with the changed picture until it is stored.
    void RandevuTasindi(const QString& kimlik, const QDateTime& baslangic, const QDateTime& bitis);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    bool viewportEvent(QEvent* e) override;
    bool event(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    // A day's part of an appointment, placed in its slot.
    struct Kutu {
        QString kimlik;
        QString aciklama;
        QDateTime baslangic;
        QDateTime bitis;
        int bas = 0;  // seconds of this day
        int bit = 0;
        int slot = 0;
        int slotSayisi = 1;
        bool alarmAcik = false;
        bool degisti = false;
    };
    enum class Surukleme { Yok, Secim, Tasima, UstKenar, AltKenar, Kolon, Satir, SolBant, UstBant };

    // Cell a comes before cell b in time (or is b).
    static bool once(const QPoint& a, const QPoint& b) {
        return a.x() < b.x() || (a.x() == b.x() && a.y() <= b.y());
    }
    const QVector<Kutu>& gunKutulari(const QDate& gun) const;
    QRect kutuAlani(int kolon, const Kutu& k) const;
    void yoneticiDegisti();
    void gunleriIste();
    void kaydirmaCubuklariniAyarla();
    int ustYukseklik() const { return kGrupBasligiYuksekligi + kolonBasligiYuksekligi_; }
    Surukleme kenarBul(const QPoint& p, int* indeks = nullptr) const;
    void imleciAyarla(const QPoint& p);
    QDateTime noktaZamani(const QPoint& p, bool yuvarla) const;
    void suruklemeyiBitir(bool kaydet);
    QString ipucu(const QPoint& p) const;

    void cizIzgara(QPainter& p, int k1, int k2, int s1, int s2) const;
    void cizSecim(QPainter& p, int k1, int k2, int s1, int s2) const;
    void cizRandevular(QPainter& p, int k1, int k2) const;
    void cizKutu(QPainter& p, const QRect& r, const QString& aciklama, bool alarmAcik, bool degisti,
                 bool secili) const;
    void cizSatirBasligi(QPainter& p, int s1, int s2) const;
    void cizKolonBasligi(QPainter& p, int k1, int k2) const;

    QPointer<PlanYoneticisi> yonetici_;
    QPointer<QMenu> acilirMenu_;
    ZamanOlcegi olcek_;
    QString planAdi_;
    QDate ilkGun_;
    int gunSayisi_ = 7;
    int kolonGenisligi_ = 0;
    int solGenislik_ = 64;
    int kolonBasligiYuksekligi_ = 30;

    bool secimVar_ = false;
    QPoint capa_;
    QPoint imlec_;
    QString seciliRandevu_;

    Surukleme surukleme_ = Surukleme::Yok;
    QPoint basNokta_;
    int suruklenenIndeks_ = -1;
    int ilkDeger_ = 0;
    bool tasindi_ = false;
    bool secimdenBasla_ = false;  // pressed inside the selection, not moved yet
    QDateTime eskiBas_;
    QDateTime eskiBit_;
    QDateTime yeniBas_;
    QDateTime yeniBit_;
    QDateTime tutulanAn_;  // where on the appointment the pointer took hold

    mutable QHash<QDate, QVector<Kutu>> kutular_;
};

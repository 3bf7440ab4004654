// Painting of the day view: only the rows and columns in sight.
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include "durumresimleri.h"
#include "gunlukplan.h"
#include "turkce.h"

namespace {

const QColor kMesaiRengi(255, 250, 190);  // working hours 08:00 to 17:00
const QColor kBosRenk(Qt::white);
const QColor kCizgi(218, 218, 218);
const QColor kSaatCizgisi(170, 170, 170);
const QColor kBaslikRengi(236, 236, 240);
const QColor kSecimRengi(140, 180, 235);

bool mesaiSaati(int saniye) {
    return saniye >= 8 * 3600 && saniye < 17 * 3600;
}

QFont pikselYazi(const QFont& temel, int piksel, bool kalin = false) {
    QFont f(temel);
    f.setPixelSize(piksel);
    f.setBold(kalin);
    return f;
}

}  // namespace

void GunlukPlanGorunumu::paintEvent(QPaintEvent* e) {
    QPainter p(viewport());
    ciz(p, e->rect());
}

void GunlukPlanGorunumu::ciz(QPainter& p, const QRect& alan) {
    const QRect izgara = izgaraAlani();
    const int w = kolonGenisligi();
    const int h = olcek_.satirYuksekligi();
    const int yx = horizontalScrollBar()->value();
    const int yy = verticalScrollBar()->value();
    const int k1 = yx / w;
    const int k2 = qMin(gunSayisi_ - 1, (yx + qMax(1, izgara.width()) - 1) / w);
    const int s1 = yy / h;
    const int s2 = qMin(olcek_.satirSayisi() - 1, (yy + qMax(1, izgara.height()) - 1) / h);

    p.fillRect(alan, palette().color(QPalette::Window));
    p.save();
    p.setClipRect(izgara.intersected(alan));
    cizIzgara(p, k1, k2, s1, s2);
    cizSecim(p, k1, k2, s1, s2);
    cizRandevular(p, k1, k2);
    p.restore();

    p.save();
    p.setClipRect(QRect(0, ustYukseklik(), solGenislik_, izgara.height()).intersected(alan));
    cizSatirBasligi(p, s1, s2);
    p.restore();

    p.save();
    p.setClipRect(QRect(0, 0, viewport()->width(), ustYukseklik()).intersected(alan));
    cizKolonBasligi(p, k1, k2);
    p.restore();
}

void GunlukPlanGorunumu::cizIzgara(QPainter& p, int k1, int k2, int s1, int s2) const {
    const QRect ilk = hucreAlani(k1, s1);
    const int sag = hucreAlani(k2, s1).right();
    const int genislik = sag - ilk.left() + 1;
    for (int s = s1; s <= s2; ++s) {
        const QRect r = hucreAlani(k1, s);
        const int saniye = s * olcek_.satirSaniye();
        p.fillRect(QRect(r.left(), r.top(), genislik, r.height()),
                   mesaiSaati(saniye) ? kMesaiRengi : kBosRenk);
        p.setPen(saniye % 3600 == 0 ? kSaatCizgisi : kCizgi);
        p.drawLine(r.left(), r.top(), sag, r.top());
    }
    const int alt = hucreAlani(k1, s2).bottom();
    p.setPen(kSaatCizgisi);
    for (int k = k1; k <= k2; ++k) {
        const int x = hucreAlani(k, s1).right();
        p.drawLine(x, ilk.top(), x, alt);
    }
    // The grid ends after the last day and the last row.
    const QRect izgara = izgaraAlani();
    if (sag + 1 < izgara.right())
        p.fillRect(QRect(QPoint(sag + 1, izgara.top()), izgara.bottomRight()),
                   palette().color(QPalette::Window));
    if (alt + 1 < izgara.bottom())
        p.fillRect(QRect(QPoint(izgara.left(), alt + 1), izgara.bottomRight()),
                   palette().color(QPalette::Window));
}

void GunlukPlanGorunumu::cizSecim(QPainter& p, int k1, int k2, int s1, int s2) const {
    if (!gecerliSecimVar()) return;
    const QPoint a = ilkSeciliHucre();
    const QPoint b = sonSeciliHucre();
    QColor renk = kSecimRengi;
    renk.setAlpha(150);
    for (int k = qMax(k1, a.x()); k <= qMin(k2, b.x()); ++k) {
        // Time order: from the first cell through the following days to the last.
        const int ust = qMax(s1, k == a.x() ? a.y() : 0);
        const int alt = qMin(s2, k == b.x() ? b.y() : olcek_.satirSayisi() - 1);
        if (ust > alt) continue;
        const QRect r1 = hucreAlani(k, ust);
        const QRect r2 = hucreAlani(k, alt);
        p.fillRect(QRect(r1.topLeft() + QPoint(0, 1), r2.bottomRight() - QPoint(1, 0)), renk);
    }
}

void GunlukPlanGorunumu::cizRandevular(QPainter& p, int k1, int k2) const {
    p.setFont(pikselYazi(font(), 13));
    const bool hayalet = (surukleme_ == Surukleme::Tasima || surukleme_ == Surukleme::UstKenar ||
                          surukleme_ == Surukleme::AltKenar) &&
                         tasindi_;
    for (int k = k1; k <= k2; ++k) {
        for (const Kutu& kutu : gunKutulari(kolonTarihi(k))) {
            const bool secili = kutu.kimlik == seciliRandevu_;
            cizKutu(p, kutuAlani(k, kutu), kutu.aciklama, kutu.alarmAcik, kutu.degisti, secili);
        }
    }
    if (!hayalet) return;
    // The appointment at the place it is being dragged to.
    p.save();
    p.setPen(QPen(QColor(30, 70, 160), 2, Qt::DashLine));
    p.setBrush(QColor(30, 70, 160, 40));
    for (int k = k1; k <= k2; ++k) {
        const QDate gun = kolonTarihi(k);
        if (gun < yeniBas_.date() || gun > yeniBit_.date()) continue;
        Kutu kutu;
        kutu.bas = gun == yeniBas_.date() ? ZamanOlcegi::saniyesi(yeniBas_.time()) : 0;
        kutu.bit = gun == yeniBit_.date() ? ZamanOlcegi::saniyesi(yeniBit_.time())
                                          : ZamanOlcegi::kGunSaniye;
        p.drawRect(kutuAlani(k, kutu));
    }
    p.restore();
}

void GunlukPlanGorunumu::cizKutu(QPainter& p, const QRect& r, const QString& aciklama,
                                 bool alarmAcik, bool degisti, bool secili) const {
    p.fillRect(r, Qt::white);
    p.setPen(secili ? QPen(QColor(30, 70, 160), 2) : QPen(QColor(110, 110, 110), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
    // The picture and the text start at the top of the part in sight, so a
    // box that begins above the scrolled grid still says what it is.
    const int gorunurUst = qMax(r.top(), izgaraAlani().top());
    int x = r.left() + 3;
    const int y = gorunurUst + 2;
    if (r.bottom() - gorunurUst >= 12) {
        p.drawPixmap(x, y,
                     DurumResimleri::Al(alarmAcik ? DurumResimleri::AlarmAcik
                                                  : DurumResimleri::AlarmKapali));
        x += 17;
        if (degisti) {
            p.drawPixmap(x, y, DurumResimleri::Al(DurumResimleri::Degisti));
            x += 17;
        }
    }
    p.setPen(Qt::black);
    const QRect yazi(QPoint(x, gorunurUst + 1), r.bottomRight() - QPoint(2, 1));
    if (yazi.width() > 4 && yazi.height() > 4)
        p.drawText(yazi, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, aciklama);
}

void GunlukPlanGorunumu::cizSatirBasligi(QPainter& p, int s1, int s2) const {
    const QFont saatYazisi = pikselYazi(font(), 21);
    const QFont dakikaYazisi = pikselYazi(font(), 11);
    const QFontMetrics saatOlcu(saatYazisi);
    const int saatGenisligi = saatOlcu.horizontalAdvance(QStringLiteral("00"));
    for (int s = s1; s <= s2; ++s) {
        const QRect hucre = hucreAlani(0, s);
        const QRect r(0, hucre.top(), solGenislik_, hucre.height());
        p.fillRect(r, kBaslikRengi);
        p.setPen(kSaatCizgisi);
        p.drawLine(r.left(), r.top(), r.right(), r.top());
        const QTime t = olcek_.satirBaslangici(s);
        // Every row carries its label: the hour large, the minutes small beside it.
        const int x = qMax(2, solGenislik_ - saatGenisligi - 22);
        p.setPen(Qt::black);
        p.setFont(saatYazisi);
        p.drawText(QRect(x, r.top(), saatGenisligi, r.height()), Qt::AlignRight | Qt::AlignTop,
                   t.toString(QStringLiteral("HH")));
        p.setFont(dakikaYazisi);
        p.drawText(QRect(x + saatGenisligi + 2, r.top() + 2, 20, r.height() - 2),
                   Qt::AlignLeft | Qt::AlignTop, t.toString(QStringLiteral("mm")));
    }
    p.setPen(kSaatCizgisi);
    p.drawLine(solGenislik_ - 1, ustYukseklik(), solGenislik_ - 1, viewport()->height());
}

void GunlukPlanGorunumu::cizKolonBasligi(QPainter& p, int k1, int k2) const {
    const int ust = kGrupBasligiYuksekligi;
    const QRect kose(0, 0, solGenislik_, ustYukseklik());
    p.fillRect(QRect(0, 0, viewport()->width(), ustYukseklik()), kBaslikRengi);
    p.setPen(kSaatCizgisi);
    p.setFont(pikselYazi(font(), 12, true));
    // The schedule's name over all its day columns.
    const QRect ilk = hucreAlani(0, 0);
    const QRect grup(ilk.left(), 0, gunSayisi_ * kolonGenisligi(), ust);
    p.drawRect(grup.adjusted(0, 0, -1, -1));
    p.setPen(Qt::black);
    p.drawText(grup.intersected(QRect(solGenislik_, 0, viewport()->width(), ust)), Qt::AlignCenter,
               planAdi_);
    p.setFont(pikselYazi(font(), 12));
    for (int k = k1; k <= k2; ++k) {
        const QRect h = hucreAlani(k, 0);
        const QRect r(h.left(), ust, h.width(), kolonBasligiYuksekligi_);
        p.setPen(kSaatCizgisi);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.setPen(Qt::black);
        p.drawText(r, Qt::AlignCenter, Turkce::Tarih(kolonTarihi(k)));
    }
    p.fillRect(kose, kBaslikRengi);
    p.setPen(kSaatCizgisi);
    p.drawLine(0, ustYukseklik() - 1, viewport()->width(), ustYukseklik() - 1);
}

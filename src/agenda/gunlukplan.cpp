#include "gunlukplan.h"

#include <QScrollBar>

#include "planyoneticisi.h"
#include "slotatayici.h"

GunlukPlanGorunumu::GunlukPlanGorunumu(QWidget* parent)
    : QAbstractScrollArea(parent), planAdi_(QStringLiteral("Kovimaro")) {
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    kaydirmaCubuklariniAyarla();
}

void GunlukPlanGorunumu::setYonetici(PlanYoneticisi* yonetici) {
    if (yonetici_) disconnect(yonetici_, nullptr, this, nullptr);
    yonetici_ = yonetici;
    if (yonetici_)
        connect(yonetici_, &PlanYoneticisi::Degisti, this, &GunlukPlanGorunumu::yoneticiDegisti);
    yoneticiDegisti();
    gunleriIste();
}

void GunlukPlanGorunumu::setPlanAdi(const QString& ad) {
    planAdi_ = ad;
    yoneticiDegisti();
    gunleriIste();
}

void GunlukPlanGorunumu::setIlkGun(const QDate& gun) {
    if (!gun.isValid() || gun == ilkGun_) return;
    ilkGun_ = gun;
    gunleriIste();
    viewport()->update();
}

void GunlukPlanGorunumu::setGunSayisi(int gun) {
    gun = qBound(1, gun, kEnCokGun);
    if (gun == gunSayisi_) return;
    gunSayisi_ = gun;
    // Selected cells beyond the last day are no longer there.
    if (secimVar_ && qMax(capa_.x(), imlec_.x()) >= gunSayisi_) secimiTemizle();
    kaydirmaCubuklariniAyarla();
    gunleriIste();
    viewport()->update();
}

void GunlukPlanGorunumu::setSatirDakika(int dakika) {
    const int ustSaniye = olcek_.ySaniye(verticalScrollBar()->value());
    if (!olcek_.setSatirDakika(dakika)) return;
    // A selection of rows of the old length means other times now.
    secimiTemizle();
    kaydirmaCubuklariniAyarla();
    verticalScrollBar()->setValue(olcek_.satirY(olcek_.satir(QTime(0, 0).addSecs(ustSaniye))));
    viewport()->update();
}

void GunlukPlanGorunumu::ustSaatiAyarla(const QTime& saat) {
    kaydirmaCubuklariniAyarla();
    verticalScrollBar()->setValue(olcek_.satirY(olcek_.satir(saat)));
}

int GunlukPlanGorunumu::ustSatir() const {
    return olcek_.ySatir(verticalScrollBar()->value());
}

bool GunlukPlanGorunumu::gecerliSecimVar() const {
    auto var = [&](const QPoint& h) {
        return h.x() >= 0 && h.x() < gunSayisi_ && h.y() >= 0 && h.y() < olcek_.satirSayisi();
    };
    return secimVar_ && var(capa_) && var(imlec_);
}

QPoint GunlukPlanGorunumu::ilkSeciliHucre() const {
    return once(capa_, imlec_) ? capa_ : imlec_;
}
QPoint GunlukPlanGorunumu::sonSeciliHucre() const {
    return once(capa_, imlec_) ? imlec_ : capa_;
}

void GunlukPlanGorunumu::hucreSec(const QPoint& ilk, const QPoint& son) {
    capa_ = ilk;
    imlec_ = son;
    secimVar_ = true;
    viewport()->update();
    emit SecimDegisti();
}

void GunlukPlanGorunumu::secimiTemizle() {
    if (!secimVar_ && seciliRandevu_.isEmpty()) return;
    secimVar_ = false;
    seciliRandevu_.clear();
    viewport()->update();
    emit SecimDegisti();
}

void GunlukPlanGorunumu::randevuSec(const QString& kimlik) {
    seciliRandevu_ = kimlik;
    viewport()->update();
}

int GunlukPlanGorunumu::kolonGenisligi() const {
    if (kolonGenisligi_ > 0) return kolonGenisligi_;
    const int kullanilabilir = viewport()->width() - solGenislik_;
    return qMax(60, kullanilabilir / gunSayisi_);
}

void GunlukPlanGorunumu::setKolonGenisligi(int piksel) {
    kolonGenisligi_ = piksel <= 0 ? 0 : qMax(30, piksel);
    kaydirmaCubuklariniAyarla();
    viewport()->update();
}

void GunlukPlanGorunumu::setSatirYuksekligi(int piksel) {
    olcek_.setSatirYuksekligi(piksel);
    kaydirmaCubuklariniAyarla();
    viewport()->update();
}

void GunlukPlanGorunumu::setSatirBasligiGenisligi(int piksel) {
    solGenislik_ = qBound(30, piksel, 200);
    kaydirmaCubuklariniAyarla();
    viewport()->update();
}

void GunlukPlanGorunumu::setKolonBasligiYuksekligi(int piksel) {
    kolonBasligiYuksekligi_ = qBound(18, piksel, 80);
    kaydirmaCubuklariniAyarla();
    viewport()->update();
}

QRect GunlukPlanGorunumu::izgaraAlani() const {
    return QRect(solGenislik_, ustYukseklik(), qMax(0, viewport()->width() - solGenislik_),
                 qMax(0, viewport()->height() - ustYukseklik()));
}

QRect GunlukPlanGorunumu::hucreAlani(int kolon, int satir) const {
    const int w = kolonGenisligi();
    return QRect(solGenislik_ + kolon * w - horizontalScrollBar()->value(),
                 ustYukseklik() + olcek_.satirY(satir) - verticalScrollBar()->value(), w,
                 olcek_.satirYuksekligi());
}

QPoint GunlukPlanGorunumu::hucreNoktasi(const QPoint& p) const {
    if (!izgaraAlani().contains(p)) return QPoint(-1, -1);
    const int x = p.x() - solGenislik_ + horizontalScrollBar()->value();
    const int y = p.y() - ustYukseklik() + verticalScrollBar()->value();
    const int kolon = x / kolonGenisligi();
    if (kolon >= gunSayisi_ || y >= olcek_.toplamYukseklik()) return QPoint(-1, -1);
    return QPoint(kolon, olcek_.ySatir(y));
}

const QVector<GunlukPlanGorunumu::Kutu>& GunlukPlanGorunumu::gunKutulari(const QDate& gun) const {
    auto it = kutular_.constFind(gun);
    if (it != kutular_.constEnd()) return *it;
    QVector<Kutu> liste;
    if (yonetici_) {
        const auto randevular = yonetici_->GunRandevulari(gun, planAdi_);
        QVector<SlotAtayici::Aralik> araliklar;
        for (const Randevu* r : randevular) {
            Kutu k;
            k.kimlik = r->kimlik;
            k.aciklama = r->aciklama;
            k.baslangic = r->baslangic;
            k.bitis = r->bitis;
            k.bas = r->baslangic.date() == gun ? ZamanOlcegi::saniyesi(r->baslangic.time()) : 0;
            k.bit = r->bitis.date() == gun ? ZamanOlcegi::saniyesi(r->bitis.time())
                                           : ZamanOlcegi::kGunSaniye;
            k.alarmAcik = r->alarmAcik;
            k.degisti = r->degisti;
            araliklar.append({k.bas, k.bit});
            liste.append(k);
        }
        const auto yerler = SlotAtayici::Ata(araliklar);
        for (int i = 0; i < liste.size(); ++i) {
            liste[i].slot = yerler[i].slot;
            liste[i].slotSayisi = yerler[i].slotSayisi;
        }
    }
    return *kutular_.insert(gun, std::move(liste));
}

QRect GunlukPlanGorunumu::kutuAlani(int kolon, const Kutu& k) const {
    const int w = kolonGenisligi();
    const int x0 = solGenislik_ + kolon * w - horizontalScrollBar()->value();
    const int y0 = ustYukseklik() - verticalScrollBar()->value();
    const int x1 = x0 + 4 + (w - 8) * k.slot / k.slotSayisi;
    const int x2 = x0 + 4 + (w - 8) * (k.slot + 1) / k.slotSayisi;
    const int y1 = y0 + olcek_.saniyeY(k.bas);
    // A box is at least a few pixels high, so that a short appointment can be grabbed.
    const int y2 = qMax(y0 + olcek_.saniyeY(k.bit + 1), y1 + 6);
    return QRect(QPoint(x1, y1), QPoint(x2 - 2, y2 - 1));
}

QVector<QRect> GunlukPlanGorunumu::randevuAlanlari(const QString& kimlik) const {
    QVector<QRect> alanlar;
    for (int kolon = 0; kolon < gunSayisi_; ++kolon)
        for (const Kutu& k : gunKutulari(kolonTarihi(kolon)))
            if (k.kimlik == kimlik) alanlar.append(kutuAlani(kolon, k));
    return alanlar;
}

QString GunlukPlanGorunumu::noktadakiRandevu(const QPoint& p) const {
    const QPoint h = hucreNoktasi(p);
    if (h.x() < 0) return QString();
    const auto& liste = gunKutulari(kolonTarihi(h.x()));
    // The box painted last lies on top.
    for (auto it = liste.crbegin(); it != liste.crend(); ++it)
        if (kutuAlani(h.x(), *it).contains(p)) return it->kimlik;
    return QString();
}

void GunlukPlanGorunumu::yoneticiDegisti() {
    kutular_.clear();
    if (!seciliRandevu_.isEmpty() && (!yonetici_ || !yonetici_->Bul(seciliRandevu_)))
        seciliRandevu_.clear();
    viewport()->update();
}

void GunlukPlanGorunumu::gunleriIste() {
    if (yonetici_ && ilkGun_.isValid())
        yonetici_->GunleriHazirla(planAdi_, ilkGun_, ilkGun_.addDays(gunSayisi_ - 1));
}

void GunlukPlanGorunumu::kaydirmaCubuklariniAyarla() {
    const QRect izgara = izgaraAlani();
    QScrollBar* d = verticalScrollBar();
    d->setRange(0, qMax(0, olcek_.toplamYukseklik() - izgara.height()));
    d->setPageStep(qMax(1, izgara.height()));
    d->setSingleStep(olcek_.satirYuksekligi());
    QScrollBar* y = horizontalScrollBar();
    y->setRange(0, qMax(0, gunSayisi_ * kolonGenisligi() - izgara.width()));
    y->setPageStep(qMax(1, izgara.width()));
    y->setSingleStep(kolonGenisligi());
}

void GunlukPlanGorunumu::resizeEvent(QResizeEvent* e) {
    QAbstractScrollArea::resizeEvent(e);
    kaydirmaCubuklariniAyarla();
}

void GunlukPlanGorunumu::scrollContentsBy(int, int) {
    viewport()->update();
}

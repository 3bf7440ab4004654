#include "planyoneticisi.h"

PlanYoneticisi::PlanYoneticisi(QObject* parent) : QObject(parent) {}

void PlanYoneticisi::GunleriHazirla(const QString& plan, const QDate& ilk, const QDate& son) {
    if (!ilk.isValid() || !son.isValid() || son < ilk) return;
    // Mark the whole range first: a handler that makes a view ask again
    // while it loads must not start the same request twice.
    QVector<QPair<QDate, QDate>> istekler;
    QDate kosuBasi;
    for (QDate g = ilk; g <= son; g = g.addDays(1)) {
        if (yuklenenler_.contains(g)) {
            if (kosuBasi.isValid()) istekler.append({kosuBasi, g.addDays(-1)});
            kosuBasi = QDate();
            continue;
        }
        yuklenenler_.insert(g);
        if (!kosuBasi.isValid()) kosuBasi = g;
    }
    if (kosuBasi.isValid()) istekler.append({kosuBasi, son});
    if (istekler.isEmpty()) return;
    TopluGuncelleme toplu(*this);
    for (const auto& [a, b] : istekler) emit TopluYukleme(plan, a, b);
}

const Randevu* PlanYoneticisi::Bul(const QString& kimlik) const {
    auto it = randevular_.constFind(kimlik);
    return it == randevular_.constEnd() ? nullptr : &*it;
}

QString PlanYoneticisi::Yerlestir(Randevu randevu) {
    const QString hata = RandevuZamaniDenetle(randevu.baslangic, randevu.bitis);
    if (!hata.isEmpty()) return hata;
    auto it = randevular_.find(randevu.kimlik);
    if (it != randevular_.end()) {
        dizindenCikar(*it);
        *it = std::move(randevu);
        dizineEkle(*it);
    } else {
        dizineEkle(*randevular_.insert(randevu.kimlik, std::move(randevu)));
    }
    haberVer();
    return QString();
}

void PlanYoneticisi::Sil(const QString& kimlik) {
    auto it = randevular_.find(kimlik);
    if (it == randevular_.end()) return;
    dizindenCikar(*it);
    randevular_.erase(it);
    haberVer();
}

QVector<const Randevu*> PlanYoneticisi::GunRandevulari(const QDate& gun,
                                                       const QString& plan) const {
    QVector<const Randevu*> sonuc;
    auto it = gunDizini_.constFind(gun);
    if (it == gunDizini_.constEnd()) return sonuc;
    sonuc.reserve(it->size());
    for (const QString& k : *it) {
        const Randevu* r = Bul(k);
        if (r && r->planlar.contains(plan)) sonuc.append(r);
    }
    return sonuc;
}

void PlanYoneticisi::GuncellemeBitir() {
    if (guncelleme_ > 0 && --guncelleme_ == 0 && bekleyenHaber_) {
        bekleyenHaber_ = false;
        emit Degisti();
    }
}

void PlanYoneticisi::haberVer() {
    if (guncelleme_ > 0)
        bekleyenHaber_ = true;
    else
        emit Degisti();
}

void PlanYoneticisi::dizineEkle(const Randevu& r) {
    for (QDate g = r.baslangic.date(); g <= r.bitis.date(); g = g.addDays(1))
        gunDizini_[g].append(r.kimlik);
}

void PlanYoneticisi::dizindenCikar(const Randevu& r) {
    for (QDate g = r.baslangic.date(); g <= r.bitis.date(); g = g.addDays(1)) {
        auto it = gunDizini_.find(g);
        if (it == gunDizini_.end()) continue;
        it->removeOne(r.kimlik);
        if (it->isEmpty()) gunDizini_.erase(it);
    }
}

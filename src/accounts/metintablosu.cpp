#include "metintablosu.h"

#include <QCollator>
#include <QDateTime>
#include <algorithm>

#include "turkce.h"
#include "turkcesira.h"

namespace {

QString DegerMetni(const QVariant& v) {
    switch (v.typeId()) {
        case QMetaType::QString:
            return *static_cast<const QString*>(v.constData());
        case QMetaType::QDateTime:
            return Turkce::Tarih(v.toDateTime().date());
        case QMetaType::Double:
            return Turkce::KisaTutar(v.toDouble());
        default:
            return v.toString();
    }
}

}  // namespace

MetinTablosu MetinTablosu::Degerlerden(const QStringList& sutunlar, QList<QVariantList> satirlar) {
    MetinTablosu t(sutunlar);
    t.degerler_ = std::move(satirlar);
    t.degerlerle_ = true;
    return t;
}

int MetinTablosu::sutunNo(const QString& ad) const {
    for (int i = 0; i < sutunlar_.size(); ++i)
        if (sutunlar_[i].compare(ad, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

void MetinTablosu::ekle(QStringView metin) {
    baslar_.push_back(quint32(metinler_.size()));
    uzunluklar_.push_back(qint32(metin.size()));
    metinler_.append(metin);
}

void MetinTablosu::bosEkle() {
    baslar_.push_back(quint32(metinler_.size()));
    uzunluklar_.push_back(-1);
}

void MetinTablosu::ayir(qsizetype satir, qsizetype karakter) {
    const size_t hucreler = size_t(satir) * size_t(qMax(sutunSayisi(), 1));
    baslar_.reserve(hucreler);
    uzunluklar_.reserve(hucreler);
    metinler_.reserve(karakter);
}

int MetinTablosu::satirSayisi() const {
    if (degerlerle_) return int(degerler_.size());
    return sutunlar_.isEmpty() ? 0 : int(baslar_.size() / size_t(sutunlar_.size()));
}

QStringView MetinTablosu::gorunum(int gercek, int sutun, QString& gecici) const {
    if (degerlerle_) {
        const QVariantList& satir = degerler_[gercek];
        if (sutun >= satir.size()) return QStringView();
        const QVariant& v = satir.at(sutun);
        if (v.typeId() == QMetaType::QString) return *static_cast<const QString*>(v.constData());
        gecici = v.isValid() ? DegerMetni(v) : QString();
        return gecici;
    }
    const size_t h = size_t(gercek) * size_t(sutunSayisi()) + size_t(sutun);
    const qint32 n = uzunluklar_[h];
    if (n <= 0) return QStringView();
    return QStringView(metinler_).mid(baslar_[h], n);
}

bool MetinTablosu::bos(int satir, int sutun) const {
    const int g = gercekSatir(satir);
    if (degerlerle_) return !degerler_[g].value(sutun).isValid();
    return uzunluklar_[size_t(g) * size_t(sutunSayisi()) + size_t(sutun)] < 0;
}

QString MetinTablosu::metin(int satir, int sutun) const {
    if (bos(satir, sutun)) return QString();
    QString gecici;
    const QStringView v = gorunum(gercekSatir(satir), sutun, gecici);
    return gecici.isNull() ? v.toString() : gecici;
}

QVariant MetinTablosu::deger(int satir, int sutun) const {
    if (bos(satir, sutun)) return QVariant();
    QString s = metin(satir, sutun);
    if (s.isNull()) s = QLatin1String("");
    return s;
}

void MetinTablosu::sirala(int sutun) {
    const int n = satirSayisi();
    if (sutun < 0 || sutun >= sutunSayisi() || n < 2) return;
    std::vector<int> eski = sira_;
    auto gercek = [&eski](int r) { return eski.empty() ? r : eski[size_t(r)]; };
    std::vector<int> yeni(static_cast<size_t>(n));
    for (int r = 0; r < n; ++r) yeni[size_t(r)] = r;
    std::vector<char> bosMu(static_cast<size_t>(n));
    for (int r = 0; r < n; ++r) bosMu[size_t(r)] = bos(r, sutun);

    // Most card titles are plain Turkish text, whose order comes from a table
    // of weights; the collator is asked only when some title needs it.
    std::vector<quint16> agirliklar;
    std::vector<size_t> baslar(static_cast<size_t>(n) + 1, 0);
    bool hizli = true;
    QString gecici;
    for (int r = 0; r < n && hizli; ++r) {
        baslar[size_t(r)] = agirliklar.size();
        if (!bosMu[size_t(r)])
            hizli = TurkceSira::AgirlikEkle(gorunum(gercek(r), sutun, gecici), agirliklar);
    }
    baslar[size_t(n)] = agirliklar.size();
    auto bosOnce = [&bosMu](int a, int b, bool& karar) {
        if (bosMu[size_t(a)] != bosMu[size_t(b)]) {
            karar = bosMu[size_t(a)];
            return true;
        }
        return false;
    };
    if (hizli) {
        std::stable_sort(yeni.begin(), yeni.end(), [&](int a, int b) {
            bool karar = false;
            if (bosOnce(a, b, karar)) return karar;
            return std::lexicographical_compare(
                agirliklar.begin() + qsizetype(baslar[size_t(a)]),
                agirliklar.begin() + qsizetype(baslar[size_t(a) + 1]),
                agirliklar.begin() + qsizetype(baslar[size_t(b)]),
                agirliklar.begin() + qsizetype(baslar[size_t(b) + 1]));
        });
    } else {
        const QCollator& harman = Turkce::Harmanlayici();
        std::vector<QCollatorSortKey> anahtarlar;
        anahtarlar.reserve(size_t(n));
        for (int r = 0; r < n; ++r)
            anahtarlar.push_back(harman.sortKey(bosMu[size_t(r)] ? QString() : metin(r, sutun)));
        std::stable_sort(yeni.begin(), yeni.end(), [&](int a, int b) {
            bool karar = false;
            if (bosOnce(a, b, karar)) return karar;
            return anahtarlar[size_t(a)].compare(anahtarlar[size_t(b)]) < 0;
        });
    }
    for (int& r : yeni) r = gercek(r);
    sira_ = std::move(yeni);
}

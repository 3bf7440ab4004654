#include "metintablosu.h"

#include <QCollator>
#include <algorithm>

#include "turkce.h"

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
    return sutunlar_.isEmpty() ? 0 : int(baslar_.size() / size_t(sutunlar_.size()));
}

int MetinTablosu::hucre(int satir, int sutun) const {
    const int gercek = sira_.empty() ? satir : sira_[size_t(satir)];
    return gercek * sutunSayisi() + sutun;
}

QStringView MetinTablosu::gorunum(int satir, int sutun) const {
    const int h = hucre(satir, sutun);
    const qint32 n = uzunluklar_[size_t(h)];
    if (n <= 0) return QStringView();
    return QStringView(metinler_).mid(baslar_[size_t(h)], n);
}

QString MetinTablosu::metin(int satir, int sutun) const {
    const int h = hucre(satir, sutun);
    if (uzunluklar_[size_t(h)] < 0) return QString();
    return gorunum(satir, sutun).toString();
}

bool MetinTablosu::bos(int satir, int sutun) const { return uzunluklar_[size_t(hucre(satir, sutun))] < 0; }

QVariant MetinTablosu::deger(int satir, int sutun) const {
    if (bos(satir, sutun)) return QVariant();
    QString s = metin(satir, sutun);
    if (s.isNull()) s = QLatin1String("");
    return s;
}

void MetinTablosu::sirala(int sutun) {
    const int n = satirSayisi();
    if (sutun < 0 || sutun >= sutunSayisi() || n < 2) return;
    // Sort keys are made once per row; comparing them is a plain byte compare,
    // which keeps fifty thousand rows well inside the time of opening a window.
    QCollator harman(Turkce::Yerel());
    harman.setCaseSensitivity(Qt::CaseInsensitive);
    struct Anahtar {
        bool bos;
        QCollatorSortKey anahtar;
    };
    std::vector<Anahtar> anahtarlar;
    anahtarlar.reserve(size_t(n));
    std::vector<int> eski = sira_;
    sira_.clear();
    for (int r = 0; r < n; ++r) {
        const int h = (eski.empty() ? r : eski[size_t(r)]) * sutunSayisi() + sutun;
        const qint32 u = uzunluklar_[size_t(h)];
        anahtarlar.push_back({u < 0, harman.sortKey(u > 0 ? metinler_.mid(baslar_[size_t(h)], u) : QString())});
    }
    std::vector<int> yeni(static_cast<size_t>(n));
    for (int r = 0; r < n; ++r) yeni[size_t(r)] = r;
    std::stable_sort(yeni.begin(), yeni.end(), [&anahtarlar](int a, int b) {
        const Anahtar& x = anahtarlar[size_t(a)];
        const Anahtar& y = anahtarlar[size_t(b)];
        if (x.bos != y.bos) return x.bos;
        return x.anahtar.compare(y.anahtar) < 0;
    });
    for (int& r : yeni) r = eski.empty() ? r : eski[size_t(r)];
    sira_ = std::move(yeni);
}

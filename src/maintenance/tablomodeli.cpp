#include "tablomodeli.h"

#include <QDateTime>
#include <algorithm>

#include "baglanti.h"
#include "dbhatasi.h"
#include "turkce.h"
#include "uygulama.h"

namespace {

const QString kSatirAlani = QStringLiteral("Kovimaro_Satir");

bool kanonikTarih(const QVariant& v) {
    if (v.typeId() != QMetaType::QString) return false;
    const QString s = v.toString();
    return s.size() >= 10 && s.at(4) == QLatin1Char('-') && s.at(7) == QLatin1Char('-');
}

}  // namespace

TabloModeli::TabloModeli(Baglanti& db, QObject* parent) : QAbstractTableModel(parent), db_(db) {}

QString TabloModeli::Tanimlayici(const QString& ad) {
    QString t = ad;
    t.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + t + QLatin1Char('"');
}

void TabloModeli::alanlariOku(const QString& tablo, const QStringList& adlar) {
    // The declared types tell how a field is shown and how a typed text is stored.
    Sorgu q(db_);
    q.setSql(QStringLiteral("Select name, type, pk From pragma_table_info(:Tablo)"));
    q.paramText(QStringLiteral("Tablo"), tablo);
    q.Open();
    QHash<QString, Alan> turler;
    for (; !q.Eof(); q.Next()) {
        Alan a;
        a.ad = q.fieldText(QStringLiteral("name"));
        const QString tip = q.fieldText(QStringLiteral("type")).toUpper();
        if (tip.contains(QLatin1String("INT")))
            a.tur = Tur::Tamsayi;
        else if (tip.contains(QLatin1String("REAL")) || tip.contains(QLatin1String("DOUB")) ||
                 tip.contains(QLatin1String("FLOA")))
            a.tur = Tur::Ondalik;
        else if (tip.contains(QLatin1String("DATE")) || tip.contains(QLatin1String("TIME")))
            a.tur = Tur::Tarih;
        a.anahtar = q.fieldInt(QStringLiteral("pk")) > 0 && a.tur == Tur::Tamsayi;
        turler.insert(a.ad.toLower(), a);
    }
    q.Close();
    for (int i = 1; i < adlar.size(); ++i) {
        Alan a = turler.value(adlar.at(i).toLower());
        a.ad = adlar.at(i);
        alanlar_.push_back(a);
    }
}

void TabloModeli::Ac(const QString& tablo) {
    Kapat();
    // The rowid rides along in front of the fields, so that an edited row can be found again.
    Sorgu q(db_);
    const QString t = Tanimlayici(tablo);
    q.setSql(QStringLiteral("Select %1.rowid As %2, %1.* From %1").arg(t, kSatirAlani));
    q.Open();
    beginResetModel();
    try {
        alanlariOku(tablo, q.fieldNames());
    } catch (const DbHatasi&) {
        alanlar_.clear();
        endResetModel();
        throw;
    }
    tablo_ = tablo;
    const int n = static_cast<int>(alanlar_.size());
    hucreler_.reserve(static_cast<size_t>(q.RecordCount()) * n);
    for (int r = 0; r < q.RecordCount(); ++r) {
        satirNo_.push_back(q.hucre(r, 0).toLongLong());
        for (int c = 0; c < n; ++c) hucreler_.push_back(q.hucre(r, c + 1));
    }
    endResetModel();
}

void TabloModeli::Kapat() {
    beginResetModel();
    tablo_.clear();
    alanlar_.clear();
    hucreler_.clear();
    satirNo_.clear();
    duzenSatiri_ = -1;
    eskiDegerler_.clear();
    endResetModel();
}

QVariant& TabloModeli::hucre(int satir, int sutun) {
    return hucreler_[static_cast<size_t>(satir) * alanlar_.size() + sutun];
}

const QVariant& TabloModeli::hucre(int satir, int sutun) const {
    return hucreler_[static_cast<size_t>(satir) * alanlar_.size() + sutun];
}

int TabloModeli::rowCount(const QModelIndex& ust) const {
    return ust.isValid() ? 0 : static_cast<int>(satirNo_.size());
}

int TabloModeli::columnCount(const QModelIndex& ust) const {
    return ust.isValid() ? 0 : static_cast<int>(alanlar_.size());
}

QString TabloModeli::metin(const Alan& alan, const QVariant& deger, bool duzenleme) const {
    if (deger.isNull()) return QString();
    switch (alan.tur) {
        case Tur::Tarih: {
            if (!kanonikTarih(deger)) return deger.toString();
            const QDateTime an = Sorgu::tarihOku(deger);
            return an.time() == QTime(0, 0) ? an.toString(QStringLiteral("dd.MM.yyyy"))
                                            : an.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
        }
        case Tur::Ondalik:
            if (deger.typeId() != QMetaType::Double && deger.typeId() != QMetaType::LongLong)
                return deger.toString();
            {
                // Thousands separators are shown, but not put into the text being edited.
                QString sayi =
                    Turkce::Yerel().toString(deger.toDouble(), 'f', QLocale::FloatingPointShortest);
                if (duzenleme) sayi.remove(Turkce::Yerel().groupSeparator());
                return sayi;
            }
        case Tur::Tamsayi:
        case Tur::Metin:
            break;
    }
    return deger.toString();
}

QVariant TabloModeli::data(const QModelIndex& indeks, int rol) const {
    if (!indeks.isValid() || indeks.row() >= rowCount() || indeks.column() >= columnCount())
        return QVariant();
    const Alan& alan = alanlar_[indeks.column()];
    const QVariant& deger = hucre(indeks.row(), indeks.column());
    switch (rol) {
        case Qt::DisplayRole:
            return metin(alan, deger, false);
        case Qt::EditRole:
            return metin(alan, deger, true);
        case Qt::TextAlignmentRole:
            if (alan.tur == Tur::Tamsayi || alan.tur == Tur::Ondalik)
                return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
            return QVariant();
        default:
            return QVariant();
    }
}

QVariant TabloModeli::headerData(int bolum, Qt::Orientation yon, int rol) const {
    if (rol != Qt::DisplayRole) return QVariant();
    if (yon == Qt::Horizontal)
        return bolum >= 0 && bolum < columnCount() ? QVariant(alanlar_[bolum].ad) : QVariant();
    return bolum + 1;
}

Qt::ItemFlags TabloModeli::flags(const QModelIndex& indeks) const {
    if (!indeks.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (!alanlar_[indeks.column()].anahtar) f |= Qt::ItemIsEditable;
    return f;
}

bool TabloModeli::cevir(const Alan& alan, const QString& yazi, QVariant* deger) const {
    const QString s = yazi.trimmed();
    if (s.isEmpty()) {
        *deger = QVariant();
        return true;
    }
    bool tamam = false;
    switch (alan.tur) {
        case Tur::Metin:
            *deger = yazi;
            return true;
        case Tur::Tamsayi: {
            const qint64 n = s.toLongLong(&tamam);
            if (tamam) *deger = n;
            return tamam;
        }
        case Tur::Ondalik: {
            double d = Turkce::Yerel().toDouble(s, &tamam);
            if (!tamam) d = QLocale::c().toDouble(s, &tamam);
            if (tamam) *deger = d;
            return tamam;
        }
        case Tur::Tarih:
            for (const char* bicim : {"d.M.yyyy", "d.M.yyyy H:mm:ss", "d.M.yyyy H:mm"}) {
                const QDateTime an = QDateTime::fromString(s, QLatin1String(bicim));
                if (an.isValid()) {
                    *deger = Sorgu::tarihMetni(an);
                    return true;
                }
            }
            return false;
    }
    return false;
}

bool TabloModeli::setData(const QModelIndex& indeks, const QVariant& deger, int rol) {
    if (!indeks.isValid() || rol != Qt::EditRole || !(flags(indeks) & Qt::ItemIsEditable))
        return false;
    const int satir = indeks.row(), sutun = indeks.column();
    const Alan& alan = alanlar_[sutun];
    QVariant yeni;
    if (!cevir(alan, deger.toString(), &yeni)) {
        const QString yazi = deger.toString().trimmed();
        switch (alan.tur) {
            case Tur::Tarih:
                HataPenceresi(
                    QStringLiteral("\"%1\" geçerli bir tarih değil (gg.aa.yyyy).").arg(yazi));
                break;
            case Tur::Tamsayi:
                HataPenceresi(QStringLiteral("\"%1\" geçerli bir tam sayı değil.").arg(yazi));
                break;
            default:
                HataPenceresi(QStringLiteral("\"%1\" geçerli bir sayı değil.").arg(yazi));
                break;
        }
        return false;
    }
    if (duzenSatiri_ >= 0 && duzenSatiri_ != satir) {
        // The grid posts on leaving a row; a row left behind some other way is posted now.
        try {
            Post();
        } catch (const DbHatasi& hata) {
            HataPenceresi(hata.mesaj());
            return false;
        }
    }
    QVariant& eski = hucre(satir, sutun);
    if (eski == yeni && eski.isNull() == yeni.isNull()) return true;
    if (!eskiDegerler_.contains(sutun)) eskiDegerler_.insert(sutun, eski);
    eski = yeni;
    duzenSatiri_ = satir;
    emit dataChanged(indeks, indeks);
    return true;
}

void TabloModeli::Post() {
    if (duzenSatiri_ < 0) return;
    const int satir = duzenSatiri_;
    QList<int> sutunlar = eskiDegerler_.keys();
    std::sort(sutunlar.begin(), sutunlar.end());
    Sorgu q(db_);
    QStringList atamalar;
    for (int i = 0; i < sutunlar.size(); ++i)
        atamalar << QStringLiteral("%1=:Alan%2").arg(Tanimlayici(alanlar_[sutunlar[i]].ad)).arg(i);
    q.addSql(QStringLiteral("Update %1 Set %2")
                 .arg(Tanimlayici(tablo_), atamalar.join(QStringLiteral(", "))));
    q.addSql(QStringLiteral("Where rowid=:%1").arg(kSatirAlani));
    for (int i = 0; i < sutunlar.size(); ++i) {
        const QVariant& v = hucre(satir, sutunlar[i]);
        const QString ad = QStringLiteral("Alan%1").arg(i);
        if (v.isNull())
            q.paramNull(ad);
        else if (v.typeId() == QMetaType::LongLong)
            q.paramInt(ad, v.toLongLong());
        else if (v.typeId() == QMetaType::Double)
            q.paramFloat(ad, v.toDouble());
        else
            q.paramText(ad, v.toString());
    }
    q.paramInt(kSatirAlani, satirNo_[satir]);
    const auto geriAl = [&] {
        for (auto it = eskiDegerler_.cbegin(); it != eskiDegerler_.cend(); ++it)
            hucre(satir, it.key()) = it.value();
        duzenSatiri_ = -1;
        eskiDegerler_.clear();
        emit dataChanged(index(satir, 0), index(satir, columnCount() - 1));
    };
    try {
        q.Execute();
    } catch (const DbHatasi&) {
        geriAl();
        throw;
    }
    duzenSatiri_ = -1;
    eskiDegerler_.clear();
}

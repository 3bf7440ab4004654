#include "tfadresler.h"

#include "tfadreslernew.h"
#include "turkce.h"
#include "udm.h"

namespace {

ListePencere::Tanim tanim() {
    const auto s = [](const char* alan, const char* baslik, int genislik) {
        return SorguSutunu{QLatin1String(alan),
                           QString::fromUtf8(baslik),
                           genislik,
                           Qt::AlignLeft | Qt::AlignVCenter,
                           {}};
    };
    QList<SorguSutunu> sutunlar = {
        s("Ad", "Ad", 127),
        s("Soyad", "Soyad", 124),
        s("Sirket", "Şirket", 208),
        s("Adres1", "Adres-1", 206),
        s("Adres2", "Adres-2", 164),
        s("Adres3", "Adres-3", 147),
        s("Semt", "Semt", 79),
        s("Sehir", "Şehir", 99),
        s("Telefon1", "Telefon-1", 113),
        s("Telefon2", "Telefon-2", 113),
        s("Gsm", "Gsm", 84),
        s("Faks", "Faks", 88),
        s("Eposta", "E-Posta", 158),
        s("Web", "Web", 166),
        s("Dogumtarihi", "Doğum Tarihi", 88),
    };
    sutunlar.last().bicim = &SorguModeli::TarihBicimi;
    return {QStringLiteral("FAdresler"),
            QStringLiteral("Adresler"),
            QStringLiteral("Adresler"),
            QStringLiteral("DbAdresler"),
            sutunlar,
            QSize(720, 330)};
}

}  // namespace

TFAdresler::TFAdresler(QWidget* parent) : ListePencere(tanim(), Dm->DB_Zafo, Dm->Q_Temp, parent) {}

QStringList TFAdresler::ListeSql() {
    // Turkish order: Çetin after Cem, İsmail after Irmak.
    return {
        QStringLiteral("Select Adresler.* From Adresler Order By Ad Collate %1, Soyad Collate %1")
            .arg(QLatin1String(Turkce::kHarmanlama))};
}

QString TFAdresler::silSql() const {
    return QStringLiteral("Delete From Adresler Where Sirano=:Sirano");
}

std::unique_ptr<GirisPencere> TFAdresler::girisPenceresi() {
    return std::make_unique<TFAdreslernew>(this);
}

void TFAdresler::kayittanSonra(const GirisPencere& giris, int) {
    // The key finds the row wherever the sort put it; no match leaves the first
    // row current. Keys differ in letter case alone, so they are compared exactly.
    sorgu().Locate(QStringLiteral("Keyvalue"), static_cast<const TFAdreslernew&>(giris).Keyvalue,
                   Qt::CaseSensitive);
}

void TFAdresler::silmedenSonra(qint64 sirano) {
    sorgu().Locate(QStringLiteral("Sirano"), sirano - 1);
}

#include "web.h"

#include <QDesktopServices>
#include <QUrl>

#include "baglanti.h"
#include "dbhatasi.h"
#include "sema.h"
#include "sorgu.h"

namespace Web {

namespace {
std::function<void(const QString&)>& acmaYolu() {
    static std::function<void(const QString&)> yol = [](const QString& adres) {
        QDesktopServices::openUrl(QUrl(adres));
    };
    return yol;
}

qint64 say(Sorgu& q, const char* tablo) {
    q.Close();
    q.setSql(QStringLiteral("Select Count(*) As Kaysay From %1").arg(QLatin1String(tablo)));
    q.Open();
    const qint64 n = q.fieldInt(QStringLiteral("Kaysay"));
    q.Close();
    return n;
}
}  // namespace

void AcmaYoluAyarla(std::function<void(const QString&)> ac) {
    acmaYolu() = std::move(ac);
}

QString KullanimSayilari(Baglanti& db, Sorgu& q) {
    if (!db.AcmayaCalis()) return QString();
    QString sayilar = QStringLiteral("&p1=") + QString::number(say(q, "Adresler"));
    sayilar += QLatin1Char('_') + QString::number(say(q, "Ajanda"));
    sayilar += QLatin1Char('_') + QString::number(say(q, "Kasahar"));
    return sayilar;
}

void WebSayfasiAc(Baglanti& db, Sorgu& q, const QString& sayfa, const QString& sorgu) {
    const QString sayilar = KullanimSayilari(db, q);
    const QString adres = QLatin1String(kSiteAdresi) + QLatin1Char('/') + sayfa + sorgu +
                          QString::number(Sema::kSurum) + sayilar;
    acmaYolu()(adres);
}

void AnaSayfaAc() {
    acmaYolu()(QLatin1String(kSiteAdresi));
}

}  // namespace Web

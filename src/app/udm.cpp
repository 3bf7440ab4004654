#include "udm.h"

#include <QDir>
#include <QFileInfo>
#include <QProgressDialog>
#include <memory>

#include "dbhatasi.h"
#include "jetaktarim.h"
#include "mesaj.h"
#include "uygulama.h"
#include "veritabani.h"

TDm* Dm = nullptr;

TDm::TDm(QString klasor) : klasor_(std::move(klasor)) {}

QString TDm::VeritabaniYolu() const {
    return QDir(klasor_).filePath(QStringLiteral("Kovimaro.Vdb"));
}

namespace {

// A file brought from the Windows program is a Jet database: it is taken over
// into a new SQLite file before anything else opens it. A large one takes a
// moment, so a progress window comes up when it does.
JetAktarim::Sonuc eskiDosyayiAktar(const QString& yol) {
    std::unique_ptr<QProgressDialog> ilerleme;
    return JetAktarim::GerekirseAktar(yol, [&](qint64 yapilan, qint64 toplam) {
        if (!ilerleme) {
            ilerleme = std::make_unique<QProgressDialog>(
                QStringLiteral("Eski Kovimaro.Vdb dosyanız aktarılıyor ..."), QString(), 0, 1000);
            ilerleme->setWindowTitle(QStringLiteral("Kovimaro"));
            ilerleme->setMinimumDuration(400);
            ilerleme->setAutoClose(false);
        }
        ilerleme->setValue(toplam > 0 ? int(yapilan * 1000 / toplam) : 0);
    });
}

}  // namespace

bool TDm::DataModuleCreate() {
    const QString yol = VeritabaniYolu();
    switch (eskiDosyayiAktar(yol)) {
        case JetAktarim::Sonuc::YanlisParola:
        case JetAktarim::Sonuc::Basarisiz:
            UyariGoster(QStringLiteral("Veritabanı Açılamadı !.."), 10001);
            return false;
        case JetAktarim::Sonuc::JetDegil:
        case JetAktarim::Sonuc::Aktarildi:
            break;
    }
    if (!QFileInfo::exists(yol)) {
        switch (Veritabani::VeritabaniOlustur(DB_Zafo, Q_Temp, yol)) {
            case Veritabani::OlusturmaSonucu::Olusturulamadi:
                HataGoster(QStringLiteral("Veritabanı Oluşturulamadı !.."), 1);
                break;
            case Veritabani::OlusturmaSonucu::Acilamadi:
                HataGoster(QStringLiteral("Veritabanı Açılamadı !.."), 1);
                break;
            case Veritabani::OlusturmaSonucu::Tamam:
                break;
        }
        if (!QFileInfo::exists(yol)) return false;
    }
    DB_Zafo.Close();
    DB_Zafo.setDatabaseName(yol);
    try {
        DB_Zafo.Open();
    } catch (const DbHatasi&) {
        UyariGoster(QStringLiteral("Veritabanı Açılamadı !.."), 10001);
        return false;
    }
    try {
        Veritabani::VersiyonKontrol(DB_Zafo, Q_Temp);
    } catch (const DbHatasi& hata) {
        // The file stays as it is and start-up goes on.
        HataPenceresi(hata.mesaj());
    }
    return true;
}

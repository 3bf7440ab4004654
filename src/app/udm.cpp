#include "udm.h"

#include <QDir>
#include <QFileInfo>

#include "dbhatasi.h"
#include "mesaj.h"
#include "uygulama.h"
#include "veritabani.h"

TDm* Dm = nullptr;

TDm::TDm(QString klasor) : klasor_(std::move(klasor)) {}

QString TDm::VeritabaniYolu() const {
    return QDir(klasor_).filePath(QStringLiteral("Kovimaro.Vdb"));
}

bool TDm::DataModuleCreate() {
    const QString yol = VeritabaniYolu();
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

#include "jet_okuma.h"

#include "dbhatasi.h"
#include "jetbaslik.h"
#include "jetokuyucu.h"

void JetOku(const uint8_t* veri, size_t boy) {
    Jet::Dogrudan::Kaynak kaynak;
    kaynak.veri = QByteArray(reinterpret_cast<const char*>(veri), static_cast<qsizetype>(boy));
    kaynak.bellekte = true;
    (void)Jet::Baslik::Parola(kaynak.veri);
    QStringList tablolar;
    try {
        tablolar = Jet::Dogrudan::Tablolar(kaynak);
    } catch (const DbHatasi&) {
    }
    tablolar << QStringLiteral("Carikart");
    for (const QString& t : tablolar) {
        try {
            (void)Jet::Dogrudan::Sutunlar(kaynak, t);
            (void)Jet::Dogrudan::TabloOku(kaynak, t, {});
        } catch (const DbHatasi&) {
        }
    }
}

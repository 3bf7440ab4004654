#include "tfnotlar.h"

#include "tfnotlarnew.h"
#include "udm.h"

namespace {

ListePencere::Tanim tanim() {
    const Qt::Alignment sol = Qt::AlignLeft | Qt::AlignVCenter;
    const QList<SorguSutunu> sutunlar = {
        {QStringLiteral("Tarih"), QStringLiteral("Tarih"), 68, sol, &SorguModeli::TarihBicimi},
        {QStringLiteral("Saat"), QStringLiteral("Saat"), 69, sol, {}},
        {QStringLiteral("Aciklama"), QStringLiteral("Açıklama"), 322, sol, {}},
        {QStringLiteral("Notkisa"), QStringLiteral("Not"), 277, sol, {}},
    };
    return {QStringLiteral("FNotlar"),
            QStringLiteral("Notlar"),
            QStringLiteral("Notlar"),
            QStringLiteral("DbNotlar"),
            sutunlar,
            QSize(720, 327)};
}

}  // namespace

TFNotlar::TFNotlar(QWidget* parent) : ListePencere(tanim(), Dm->DB_Zafo, Dm->Q_Temp, parent) {}

QStringList TFNotlar::ListeSql() {
    return {QStringLiteral(
        "Select Sirano, tarih, Saat, Aciklama, substr(Notmetin, 1, 50) As Notkisa From Notlar "
        "Order By Sirano Desc")};
}

QString TFNotlar::silSql() const {
    return QStringLiteral("Delete From Notlar Where Sirano=:Sirano");
}

std::unique_ptr<GirisPencere> TFNotlar::girisPenceresi() {
    return std::make_unique<TFNotlarnew>(this);
}

void TFNotlar::kayittanSonra(const GirisPencere& giris, int istenen) {
    // A new note is the newest, so the first row. So is a change that found its
    // note gone and saved it anew.
    if (istenen == 2 && giris.Islem == 2) sorgu().Locate(QStringLiteral("Sirano"), giris.Sirano);
}

void TFNotlar::silmedenSonra(qint64) {
    // The list stands on its first row, the newest note.
}

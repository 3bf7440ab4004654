#include "mesaj.h"

#include <QApplication>
#include <QPointer>

#include "tfzafomesaj.h"

namespace MesajTest {
namespace {
bool etkin = false;
QList<int>& kuyruk() {
    static QList<int> k;
    return k;
}
}  // namespace

void Etkinlestir(bool acik) {
    etkin = acik;
}
bool Etkin() {
    return etkin;
}
void CevapEkle(int cevap) {
    kuyruk().append(cevap);
}
QList<Kayit>& Gosterilenler() {
    static QList<Kayit> liste;
    return liste;
}
void Temizle() {
    kuyruk().clear();
    Gosterilenler().clear();
}

// Records the message; returns true with the answer when the seam answers it.
static bool cevapla(const QString& metin, int tur, int numara, int varsayilanCevap, int* cevap) {
    if (!etkin) return false;
    Gosterilenler().append({metin, tur, numara});
    *cevap = kuyruk().isEmpty() ? varsayilanCevap : kuyruk().takeFirst();
    return true;
}

}  // namespace MesajTest

int MesajGoster(const QString& metin, int tur, bool gorunur1, bool gorunur2, bool gorunur3,
                const QString& baslik1, const QString& baslik2, const QString& baslik3, int numara,
                int varsayilan) {
    int cevap = 0;
    const int olagan = tur == 3 && varsayilan >= 1 && varsayilan <= 3 ? varsayilan : 1;
    if (MesajTest::cevapla(metin, tur, numara, olagan, &cevap)) return cevap;
    QPointer<TFZafoMesaj> pencere = new TFZafoMesaj(QApplication::activeWindow());
    pencere->hazirla(metin, tur, gorunur1, gorunur2, gorunur3, baslik1, baslik2, baslik3, numara,
                     varsayilan);
    cevap = pencere->exec();
    delete pencere;
    return cevap;
}

void HataGoster(const QString& metin, int numara) {
    MesajGoster(metin, 1, true, true, true, QString(), QString(), QString(), numara, 1);
}

void UyariGoster(const QString& metin, int numara) {
    MesajGoster(metin, 2, true, true, true, QString(), QString(), QString(), numara, 1);
}

int SilonayGoster(QWidget* sahip) {
    int cevap = 0;
    if (MesajTest::cevapla(QStringLiteral("Bu Kaydı Silmek İstediğinize Emin misiniz ?.."),
                           MesajTest::Silonay, 0, -1, &cevap))
        return cevap;
    QPointer<TFSilonay> pencere = new TFSilonay(sahip ? sahip : QApplication::activeWindow());
    cevap = pencere->exec();
    delete pencere;
    return cevap;
}

QMessageBox::StandardButton DuzMesaj(const QString& metin, QMessageBox::StandardButtons dugmeler,
                                     QMessageBox::StandardButton varsayilan) {
    int cevap = 0;
    QMessageBox::StandardButton ilk = QMessageBox::Ok;
    for (int b = QMessageBox::FirstButton; b <= QMessageBox::LastButton; b <<= 1)
        if (dugmeler.testFlag(static_cast<QMessageBox::StandardButton>(b))) {
            ilk = static_cast<QMessageBox::StandardButton>(b);
            break;
        }
    const int olagan = varsayilan != QMessageBox::NoButton ? varsayilan : ilk;
    if (MesajTest::cevapla(metin, MesajTest::Duz, 0, olagan, &cevap))
        return static_cast<QMessageBox::StandardButton>(cevap);
    QMessageBox kutu(QMessageBox::NoIcon, QApplication::applicationDisplayName(), metin, dugmeler,
                     QApplication::activeWindow());
    if (varsayilan != QMessageBox::NoButton) kutu.setDefaultButton(varsayilan);
    return static_cast<QMessageBox::StandardButton>(kutu.exec());
}

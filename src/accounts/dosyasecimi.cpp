#include "dosyasecimi.h"

#include <QFileDialog>
#include <QStringList>

namespace DosyaSecimi {

namespace {
struct Durum {
    bool etkin = false;
    QStringList cevaplar;
    QString sonKlasor;
    int sorular = 0;
};
Durum& durum() {
    static Durum d;
    return d;
}
}  // namespace

QString AcilacakDosya(QWidget* sahip, const QString& baslik, const QString& klasor) {
    Durum& d = durum();
    if (d.etkin) {
        ++d.sorular;
        d.sonKlasor = klasor;
        return d.cevaplar.isEmpty() ? QString() : d.cevaplar.takeFirst();
    }
    // The company file's extension varies between versions of the program, so every file is
    // offered.
    return QFileDialog::getOpenFileName(sahip, baslik, klasor, QStringLiteral("Tüm dosyalar (*)"));
}

namespace Test {
void Etkinlestir(bool acik) {
    durum().etkin = acik;
}
void CevapEkle(const QString& dosya) {
    durum().cevaplar.append(dosya);
}
QString SonKlasor() {
    return durum().sonKlasor;
}
int SoruSayisi() {
    return durum().sorular;
}
void Temizle() {
    const bool etkin = durum().etkin;
    durum() = Durum();
    durum().etkin = etkin;
}
}  // namespace Test

}  // namespace DosyaSecimi

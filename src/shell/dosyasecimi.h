#pragma once

#include <QString>

class QWidget;

// The file and folder dialogs, through one door that tests can answer in advance.
namespace DosyaSecimi {

// Asks for an existing file; an empty text when the user cancels.
QString AcilacakDosya(QWidget* sahip, const QString& baslik, const QString& klasor);
// Asks for an existing folder; an empty text when the user cancels.
QString Klasor(QWidget* sahip, const QString& baslik, const QString& klasor);

namespace Test {
// On: no dialog opens; each question takes the next queued answer (cancel
// when none is queued) and records the folder it would have started in.
void Etkinlestir(bool acik = true);
void CevapEkle(const QString& dosya);
QString SonKlasor();
int SoruSayisi();
void Temizle();
}  // namespace Test

}  // namespace DosyaSecimi

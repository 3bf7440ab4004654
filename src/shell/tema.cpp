#include "tema.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMetaEnum>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleFactory>
#include <algorithm>

#include "turkce.h"

namespace {

QString dosyaOku(const QString& yol) {
    QFile f(yol);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The style sheet of a skin folder: "<name>.qss", else "tema.qss", else the
// first sheet by name. Empty when the folder holds none.
QString klasorSayfasi(const QDir& klasor) {
    const QStringList sayfalar =
        klasor.entryList({QStringLiteral("*.qss")}, QDir::Files, QDir::Name);
    if (sayfalar.isEmpty()) return QString();
    for (const QString& tercih :
         {klasor.dirName() + QStringLiteral(".qss"), QStringLiteral("tema.qss")})
        if (sayfalar.contains(tercih)) return klasor.filePath(tercih);
    return klasor.filePath(sayfalar.first());
}

bool qssDosyasi(const QFileInfo& f) {
    return f.isFile() && f.suffix().compare(QLatin1String("qss"), Qt::CaseInsensitive) == 0;
}

}  // namespace

static void temaKaynaklari() {
    Q_INIT_RESOURCE(temalar);
}

TemaYoneticisi& TemaYoneticisi::Ornek() {
    // The built-in skin is compiled into this static library.
    static const bool kaynak = (temaKaynaklari(), true);
    Q_UNUSED(kaynak);
    static TemaYoneticisi ornek;
    return ornek;
}

void TemaYoneticisi::setKlasor(const QString& klasor) {
    klasor_ = klasor;
}

QStringList TemaYoneticisi::Temalar() const {
    QStringList adlar{QString::fromLatin1(kIcTema)};
    const QDir dizin(klasor_);
    if (!klasor_.isEmpty() && dizin.exists()) {
        // Hidden entries, other files and folders without a sheet are not skins.
        for (const QFileInfo& f :
             dizin.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
            if (qssDosyasi(f))
                adlar << f.completeBaseName();
            else if (f.isDir() && !klasorSayfasi(QDir(f.filePath())).isEmpty())
                adlar << f.fileName();
        }
    }
    adlar.removeDuplicates();
    std::sort(adlar.begin(), adlar.end(),
              [](const QString& a, const QString& b) { return Turkce::Karsilastir(a, b) < 0; });
    return adlar;
}

QString TemaYoneticisi::StilMetni(const QString& ad) const {
    if (ad == QLatin1String(kIcTema)) return dosyaOku(QStringLiteral(":/temalar/retro.qss"));
    if (klasor_.isEmpty() || ad.isEmpty()) return QString();
    const QDir dizin(klasor_);
    // A sheet file wins over a folder of the same name, as the list shows one name.
    const QFileInfo dosya(dizin.filePath(ad + QStringLiteral(".qss")));
    if (qssDosyasi(dosya)) return dosyaOku(dosya.filePath());
    const QDir klasor(dizin.filePath(ad));
    const QString sayfa = klasor.exists() ? klasorSayfasi(klasor) : QString();
    if (sayfa.isEmpty()) return QString();
    // Pictures are named relative to the skin's folder; the application-wide
    // sheet needs them absolute.
    static const QRegularExpression resim(
        QStringLiteral("url\\(\\s*([\"']?)(?![/:])([^\"')]+)\\1\\s*\\)"));
    QString metin = dosyaOku(sayfa);
    metin.replace(resim,
                  QStringLiteral("url(\"") + klasor.absolutePath() + QStringLiteral("/\\2\")"));
    return metin;
}

QPalette TemaYoneticisi::Palet(const QString& stilMetni, const QPalette& temel) {
    static const QRegularExpression satir(QStringLiteral("@palet\\b([^*]*)"));
    static const QRegularExpression cift(QStringLiteral("(\\w+)\\s*=\\s*(#[0-9A-Fa-f]{3,8}|\\w+)"));
    const auto m = satir.match(stilMetni);
    if (!m.hasMatch()) return temel;
    QPalette palet = temel;
    const QMetaEnum roller = QMetaEnum::fromType<QPalette::ColorRole>();
    auto it = cift.globalMatch(m.captured(1));
    while (it.hasNext()) {
        const auto c = it.next();
        bool tamam = false;
        const int rol = roller.keyToValue(c.captured(1).toLatin1().constData(), &tamam);
        const QColor renk = QColor::fromString(c.captured(2));
        if (!tamam || !renk.isValid() || rol >= QPalette::NColorRoles) continue;
        palet.setColor(QPalette::All, static_cast<QPalette::ColorRole>(rol), renk);
    }
    // Disabled texts sit halfway between the text and its background.
    const auto soluk = [&](QPalette::ColorRole yazi, QPalette::ColorRole zemin) {
        const QColor a = palet.color(QPalette::Active, yazi),
                     b = palet.color(QPalette::Active, zemin);
        palet.setColor(QPalette::Disabled, yazi,
                       QColor((a.red() + b.red()) / 2, (a.green() + b.green()) / 2,
                              (a.blue() + b.blue()) / 2));
    };
    soluk(QPalette::WindowText, QPalette::Window);
    soluk(QPalette::Text, QPalette::Base);
    soluk(QPalette::ButtonText, QPalette::Button);
    return palet;
}

void TemaYoneticisi::setAd(const QString& ad) {
    ad_ = Temalar().contains(ad) ? ad : QString::fromLatin1(kIcTema);
    uygula();
    emit temaDegisti(ad_);
}

void TemaYoneticisi::setAktif(bool aktif) {
    if (aktif_ == aktif) return;
    aktif_ = aktif;
    uygula();
}

void TemaYoneticisi::uygula() {
    auto* uyg = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!uyg) return;
    // Every skin is drawn over the same base style, so that it looks the same
    // on every desktop.
    static bool tabanKuruldu = false;
    if (!tabanKuruldu) {
        tabanKuruldu = true;
        if (QStyle* taban = QStyleFactory::create(QStringLiteral("Fusion")))
            QApplication::setStyle(taban);
    }
    const QString metin = aktif_ ? StilMetni(ad_) : QString();
    QApplication::setPalette(Palet(metin, QApplication::style()->standardPalette()));
    uyg->setStyleSheet(metin);
    // A link in a label takes its colour when its text is read; read again, it
    // takes the new skin's.
    for (QWidget* w : QApplication::allWidgets()) {
        auto* etiket = qobject_cast<QLabel*>(w);
        if (!etiket || etiket->textFormat() == Qt::PlainText) continue;
        const QString yazi = etiket->text();
        if (!yazi.contains(QLatin1String("<a "))) continue;
        etiket->clear();
        etiket->setText(yazi);
    }
}

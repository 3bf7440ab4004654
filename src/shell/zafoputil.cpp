#include "zafoputil.h"

#include <pwd.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QSysInfo>
#include <stdexcept>

#include "veritabani.h"

QString RastgeleAnahtar() {
    return Veritabani::RastgeleAnahtar();
}

QString OtomatikBaslatDosyasi(const QString& degerAdi) {
    const QString ayarlar = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return ayarlar + QStringLiteral("/autostart/") + degerAdi + QStringLiteral(".desktop");
}

namespace {
// Desktop-entry Exec quoting: the path in double quotes, with \ " ` $ escaped.
QString execAlani(const QString& komut) {
    QString k;
    for (QChar c : komut) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('"') || c == QLatin1Char('`') ||
            c == QLatin1Char('$'))
            k += QLatin1Char('\\');
        k += c;
    }
    k.replace(QLatin1String("\\"), QLatin1String("\\\\"));
    return QLatin1Char('"') + k + QLatin1Char('"');
}
}  // namespace

void OtomatikBaslat(const QString& degerAdi, const QString& komut) {
    const QString yol = OtomatikBaslatDosyasi(degerAdi);
    if (!QDir().mkpath(QFileInfo(yol).path()))
        throw std::runtime_error("autostart folder cannot be created");
    QSaveFile dosya(yol);
    if (!dosya.open(QIODevice::WriteOnly | QIODevice::Text))
        throw std::runtime_error("autostart entry cannot be written");
    const QString icerik = QStringLiteral(
                               "[Desktop Entry]\n"
                               "Type=Application\n"
                               "Name=%1\n"
                               "Comment=Kişisel Ajandanız\n"
                               "Exec=%2\n"
                               "Icon=kovimaro\n"
                               "Terminal=false\n"
                               "X-GNOME-Autostart-enabled=true\n")
                               .arg(degerAdi, execAlani(komut));
    dosya.write(icerik.toUtf8());
    if (!dosya.commit()) throw std::runtime_error("autostart entry cannot be written");
}

QString BilgisayarAdi() {
    return QSysInfo::machineHostName();
}

QString KullaniciAdi() {
    if (const passwd* pw = ::getpwuid(::getuid())) return QString::fromLocal8Bit(pw->pw_name);
    return qEnvironmentVariable("USER");
}

#include "uygulama.h"

#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>
#include <exception>

#include "dbhatasi.h"
#include "mesaj.h"
#include "turkce.h"

void HataPenceresi(const QString& metin) {
    if (MesajTest::Etkin()) {
        MesajTest::Gosterilenler().append({metin, -1, 0});
        return;
    }
    QMessageBox kutu(QMessageBox::Critical, QApplication::applicationDisplayName(), metin,
                     QMessageBox::Ok, QApplication::activeWindow());
    kutu.exec();
}

Uygulama::Uygulama(int& argc, char** argv) : QApplication(argc, argv) {
    TurkceKur();
}

void Uygulama::KimlikKur() {
    setQuitOnLastWindowClosed(false);
    setApplicationName(QStringLiteral("Kovimaro"));
    setApplicationDisplayName(QStringLiteral("Kovimaro"));
    setOrganizationName(QStringLiteral("Zafo"));
    setDesktopFileName(QStringLiteral("kovimaro"));
    setWindowIcon(QIcon(QStringLiteral(":/simgeler/kovimaro.svg")));
}

void Uygulama::TurkceKur() {
    QLocale::setDefault(Turkce::Yerel());
    static bool kuruldu = false;
    if (kuruldu) return;
    kuruldu = true;
    const QString yer = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* ad : {"qtbase_tr", "qt_tr"}) {
        auto* cevirmen = new QTranslator(qApp);
        if (cevirmen->load(QLatin1String(ad), yer))
            QCoreApplication::installTranslator(cevirmen);
        else
            delete cevirmen;
    }
}

bool Uygulama::notify(QObject* alici, QEvent* olay) {
    try {
        return QApplication::notify(alici, olay);
    } catch (const DbHatasi& hata) {
        HataPenceresi(hata.mesaj());
    } catch (const std::exception& hata) {
        HataPenceresi(QString::fromLocal8Bit(hata.what()));
    } catch (...) {
        HataPenceresi(QStringLiteral("Beklenmeyen bir hata oluştu."));
    }
    return false;
}

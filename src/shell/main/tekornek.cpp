#include "tekornek.h"

#include <unistd.h>

#include <QLocalServer>
#include <QLocalSocket>

TekOrnek::TekOrnek(QString ad, QObject* parent) : QObject(parent), ad_(std::move(ad)) {}

QString TekOrnek::VarsayilanAd() {
    return QStringLiteral("kovimaro-%1").arg(::getuid());
}

bool TekOrnek::BaskasiCalisiyor() {
    QLocalSocket soket;
    soket.connectToServer(ad_);
    if (!soket.waitForConnected(500)) return false;
    soket.write("goster\n");
    soket.waitForBytesWritten(500);
    soket.disconnectFromServer();
    return true;
}

bool TekOrnek::Dinle() {
    sunucu_ = new QLocalServer(this);
    sunucu_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!sunucu_->listen(ad_)) {
        // A socket left behind by a copy that crashed: nobody answered on it.
        QLocalServer::removeServer(ad_);
        if (!sunucu_->listen(ad_)) return false;
    }
    connect(sunucu_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = sunucu_->nextPendingConnection()) {
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            emit gosterIstendi();
        }
    });
    return true;
}

#pragma once

#include <QString>
#include <stdexcept>

// A failing database step raises this; each handler decides at its edge
// whether to ignore it, show it, or let it reach the application's error display.
class DbHatasi : public std::runtime_error {
public:
    explicit DbHatasi(const QString& mesaj)
        : std::runtime_error(mesaj.toStdString()), mesaj_(mesaj) {}
    const QString& mesaj() const { return mesaj_; }

private:
    QString mesaj_;
};

// Runs a step whose failure is meant to have no effect: the statement simply
// did not happen. Returns false when it failed.
template <typename F>
bool Sessizce(F&& adim) {
    try {
        adim();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

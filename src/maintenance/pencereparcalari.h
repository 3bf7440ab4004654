#pragma once

#include <QString>
#include <initializer_list>

class QBoxLayout;
class QPushButton;
class QWidget;

// Small pieces the maintenance windows share.
namespace Pencere {

// A push button with a bold caption and the given object name.
QPushButton* KalinDugme(const QString& ad, const QString& baslik);
// A row of buttons pushed to the right edge.
QBoxLayout* SagaDayali(std::initializer_list<QWidget*> parcalar);

}  // namespace Pencere

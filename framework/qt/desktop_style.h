#pragma once
// The desktop's own style, unchanged but for one thing: the icons of a tool
// bar's or menu bar's extension button ("more"), which every menu bar makes
// at once and shows only when its menus do not fit, are read when first
// drawn. Read at once, as Qt does, they load every image-format plugin there
// is (a good half mebibyte) on every start.

#include <QProxyStyle>

class CDesktopStyle : public QProxyStyle {
    Q_OBJECT

  public:
    // Takes over the given style (the application's), which stays what draws.
    explicit CDesktopStyle(QStyle* desktop);

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

// Puts the desktop's style, as above, in place of the application's style.
void UseDesktopStyle();

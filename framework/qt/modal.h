#pragma once
// While one exists, `window` runs over its owner, which takes no input
// meanwhile (the window is application-modal). At the end the owner is
// re-activated and the control that had the focus gets it back.

#include <QPointer>
#include <QWidget>

class ModalScope {
  public:
    explicit ModalScope(QWidget* owner);
    ~ModalScope();
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

  private:
    QPointer<QWidget> m_owner;
    QPointer<QWidget> m_focus;
};

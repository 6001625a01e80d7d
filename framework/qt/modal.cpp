#include "framework/qt/modal.h"

#include <QApplication>

ModalScope::ModalScope(QWidget* owner) : m_owner(owner), m_focus(QApplication::focusWidget()) {}

ModalScope::~ModalScope() {
    if (m_owner)
        m_owner->activateWindow();
    if (m_focus && m_focus->isVisible())
        m_focus->setFocus(Qt::ActiveWindowFocusReason);
}

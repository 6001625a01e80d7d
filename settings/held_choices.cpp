#include "settings/held_choices.h"

void CHeldChoices::Start(bool held, Time now) {
    m_held = held;
    m_told = false;
    m_since = now;
}

CHeldChoices::Next CHeldChoices::Poll(bool stillHeld, Time now) {
    if (!m_held)
        return Next::Wait;
    if (!stillHeld) {
        m_held = false;
        return Next::Take;
    }
    if (m_told || now - m_since < m_patience)
        return Next::Wait;
    m_told = true;
    return Next::Tell;
}

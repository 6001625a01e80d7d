#pragma once
// A static text: the label kind's widget.

#include "framework/qt/widgets.h"

#include <QLabel>

class CWnd;

// A static text; one with the notify style reports taps. Before painting it
// asks its owner for colours, as the reflected control-colour query does.
// A class of its own to assistive technology, so that a label that reports
// taps can offer a press action.
class LabelWidget : public QLabel {
    Q_OBJECT

  public:
    LabelWidget(const QString& text, unsigned style, int id, ControlNotify notify, QWidget* parent);
    void SetColorOwner(CWnd* owner) { m_owner = owner; }
    bool ReportsTaps() const;
    void Tap(); // as a click on it does

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    unsigned m_style;
    int m_id;
    ControlNotify m_notify;
    CWnd* m_owner = nullptr;
};

#pragma once
// The Qt widgets behind the controls of a form template.

#include "framework/dialog_template.h"

#include <QColor>
#include <QComboBox>
#include <QLabel>
#include <functional>

class CWnd;

// Reports a control's command or notification to its form: (id, code).
using ControlNotify = std::function<void(int, int)>;

QWidget* CreateControlWidget(const DialogItem& item, QWidget* parent, const ControlNotify& notify);

// The kind a control was made as, and its text (a list's: its field's text).
ControlKind WidgetKind(const QWidget* widget);
QString WidgetText(const QWidget* widget);
void SetWidgetText(QWidget* widget, const QString& text);

// A static text; one with the notify style reports taps. Before painting it
// asks its owner for colours, as the reflected control-colour query does.
class LabelWidget : public QLabel {
  public:
    LabelWidget(const QString& text, unsigned style, int id, ControlNotify notify, QWidget* parent);
    void SetColorOwner(CWnd* owner) { m_owner = owner; }
    QColor PaintedTextColor() const { return m_paintedText; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    unsigned m_style;
    int m_id;
    ControlNotify m_notify;
    CWnd* m_owner = nullptr;
    QColor m_paintedText;
};

// A drop-down list with an edit field. Typing selects the entry whose text
// equals the typed text, letters compared without regard to case, and
// otherwise leaves no entry selected; the typed text stays as typed.
class ComboWidget : public QComboBox {
  public:
    ComboWidget(unsigned style, QWidget* parent);
    bool IsSorted() const { return m_sorted; }

  private:
    void OnTyped(const QString& text);
    bool m_sorted;
};

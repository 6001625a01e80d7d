#include "framework/platform.h"

#include "framework/afx.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QResizeEvent>
#include <QScreen>
#include <QWidget>

namespace {
std::optional<std::pair<int, int>>& ScreenOverride() {
    static std::optional<std::pair<int, int>> size;
    return size;
}
std::optional<NumberSettings>& SettingsOverride() {
    static std::optional<NumberSettings> settings;
    return settings;
}
} // namespace

int GetSystemMetrics(int index) {
    QSize size(240, 320);
    if (ScreenOverride())
        size = QSize(ScreenOverride()->first, ScreenOverride()->second);
    else if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = screen->size();
    return index == SM_CXSCREEN ? size.width() : index == SM_CYSCREEN ? size.height() : 0;
}

void SetScreenSizeOverride(int width, int height) {
    ScreenOverride() = {width, height};
}

void NotifyScreenSizeChanged() {
    const std::vector<OpenForm> forms = OpenForms();
    for (const OpenForm& f : forms) {
        QResizeEvent event(f.window->size(), f.window->size());
        QCoreApplication::sendEvent(f.window, &event);
    }
}

std::vector<OpenForm>& OpenForms() {
    static std::vector<OpenForm> forms;
    return forms;
}

ModalScope::ModalScope(QWidget* window, CDialog* dialog, QWidget* owner)
    : m_window(window), m_owner(owner && owner->isEnabled() ? owner : nullptr) {
    if (m_owner)
        m_owner->setEnabled(false);
    OpenForms().push_back({window, dialog});
}

ModalScope::~ModalScope() {
    std::erase_if(OpenForms(), [this](const OpenForm& f) { return f.window == m_window; });
    if (m_owner) {
        m_owner->setEnabled(true);
        m_owner->activateWindow();
    }
}

namespace {
FirstPaintHook g_firstPaintHook = nullptr;
}

void SetFirstPaintHook(FirstPaintHook hook) {
    g_firstPaintHook = hook;
}

void NotifyFirstPaint(int templateId) {
    if (g_firstPaintHook)
        g_firstPaintHook(templateId);
}

NumberSettings UserNumberSettings() {
    if (SettingsOverride())
        return *SettingsOverride();
    const QLocale locale;
    return MakeNumberSettings(locale.decimalPoint().toStdString(),
                              locale.groupSeparator().toStdString(), "1", "3;0", "1");
}

void SetNumberSettingsOverride(std::optional<NumberSettings> settings) {
    SettingsOverride() = std::move(settings);
}

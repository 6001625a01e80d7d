#pragma once
// The platform as a Linux desktop offers it.

#include "framework/base/platform.h"

class CDesktopPlatform : public CPlatform {
  public:
    ScreenSize GetScreenSize() const override;
    NumberSettings GetNumberSettings() const override;
    bool MeasuresInMetres() const override;
    std::string DateTimeText(const CalendarTime& t) const override;
    std::string GetInterfaceLanguage(const std::vector<std::string>& available) const override;
    std::string GetProgramPath() const override;
    std::string GetConfigHome() const override;
    std::string GetSystemName() const override;
    std::string ChooseOpenFile(const std::string& title, const std::string& filter) const override;
    std::vector<std::string> ChooseOpenFilesOrFolder(const std::string& title,
                                                     const std::string& filter) const override;
    std::string ChooseSaveFile(const std::string& title, const std::string& suggestedName,
                               const std::string& filter) const override;
};
